// Checked extended-precision arithmetic.
//
// `Extended` wraps a long double (the x87 80-bit format on x86-64: 64-bit significand, round to
// nearest). Every operation checks its own result and raises the fault at the failing
// operation, never later:
//   - a nonzero value divided by zero            -> EZeroDivide
//   - 0 / 0, sqrt of a negative number, any NaN   -> EInvalidOp
//   - a result beyond the extended range          -> EOverflow
// Underflow and inexact results pass silently. No traps or signal handlers are involved, so the
// checks work the same under any floating-point environment the host program leaves behind.
#pragma once

#include <cmath>

#include "motrel/errors.h"

namespace motrel {

class Extended {
public:
    constexpr Extended() = default;
    constexpr Extended(long double v) : value_(v) {}  // NOLINT: implicit by design
    constexpr Extended(double v) : value_(v) {}       // NOLINT
    constexpr Extended(int v) : value_(v) {}          // NOLINT

    constexpr long double value() const { return value_; }

    friend Extended operator+(Extended a, Extended b) { return checked(a.value_ + b.value_); }
    friend Extended operator-(Extended a, Extended b) { return checked(a.value_ - b.value_); }
    friend Extended operator*(Extended a, Extended b) { return checked(a.value_ * b.value_); }
    friend Extended operator/(Extended a, Extended b) {
        if (b.value_ == 0.0L) {
            if (a.value_ == 0.0L || std::isnan(a.value_)) throw EInvalidOp();
            throw EZeroDivide();
        }
        return checked(a.value_ / b.value_);
    }
    friend Extended operator-(Extended a) { return Extended(-a.value_); }

    // Raises the fault a non-finite result stands for.
    static Extended checked(long double r) {
        if (std::isfinite(r)) return Extended(r);
        if (std::isnan(r)) throw EInvalidOp();
        throw EOverflow();
    }

private:
    long double value_ = 0.0L;
};

// Square root; EInvalidOp for a negative argument (-0 gives -0).
Extended sqrt(Extended x);

// Sine and cosine in radians. From a magnitude of 2^63 on both give 0.
Extended sin(Extended x);
Extended cos(Extended x);

// Two-argument arc tangent of y and x, in (-pi, pi].
Extended atan2(Extended y, Extended x);

// arcsin(x) = atan2(x, sqrt(1 - x*x)); arccos(x) = atan2(sqrt(1 - x*x), x).
// For |x| > 1 the square root of a negative number raises EInvalidOp. Values outside [-1, 1]
// by rounding alone fail too: nothing is clamped.
Extended arcsin(Extended x);
Extended arccos(Extended x);

// Rounds to the nearest 64-bit value, as storing a quantity does. EOverflow when the rounded
// magnitude is beyond the largest double; values too small become subnormal or 0.
double roundToDouble(long double x);
inline double roundToDouble(Extended x) { return roundToDouble(x.value()); }

// The program's pi: the 64-bit value 3.14159265358979 (bits 400921FB54442D11), seven units in
// the last place below the double nearest to pi. Every formula that needs pi uses this one.
inline constexpr double storedPi = 3.14159265358979;

}  // namespace motrel
