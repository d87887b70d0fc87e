// The closed set of errors a calculation can raise. Each carries the exact message the
// error box shows (before its full stop is added).
#pragma once

#include <stdexcept>
#include <string>

namespace motrel {

// Root of every error the program reports to the user.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field text is no number: "'<text>' is not a valid floating point value".
class EConvertError : public Exception {
public:
    explicit EConvertError(const std::string& fieldText);
};

// A floating-point fault found at the operation that made it.
class EExternal : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public EExternal {
public:
    using EExternal::EExternal;
};

// 0 / 0, the square root of a negative number, or any other invalid operation.
class EInvalidOp : public EMathError {
public:
    EInvalidOp();
};

// A nonzero value divided by zero.
class EZeroDivide : public EMathError {
public:
    EZeroDivide();
};

// A value beyond the extended range, or beyond the 64-bit range when it is stored.
class EOverflow : public EMathError {
public:
    EOverflow();
};

}  // namespace motrel
