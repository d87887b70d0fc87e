#include "motrel/extended.h"

#include <bit>
#include <cstdint>
#include <limits>

namespace motrel {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the calculators need the 80-bit extended format (64-bit significand)");
static_assert(std::bit_cast<std::uint64_t>(storedPi) == 0x400921FB54442D11);

namespace {
// Beyond 2^63 the x87 reduction gives up; the program has always answered 0 there.
constexpr long double trigLimit = 9223372036854775808.0L;  // 2^63
}  // namespace

Extended sqrt(Extended x) {
    if (x.value() < 0.0L) throw EInvalidOp();
    return Extended::checked(std::sqrt(x.value()));
}

Extended sin(Extended x) {
    if (std::fabs(x.value()) >= trigLimit) return Extended(0.0L);
    return Extended::checked(std::sin(x.value()));
}

Extended cos(Extended x) {
    if (std::fabs(x.value()) >= trigLimit) return Extended(0.0L);
    return Extended::checked(std::cos(x.value()));
}

Extended atan2(Extended y, Extended x) {
    return Extended::checked(std::atan2(y.value(), x.value()));
}

Extended arcsin(Extended x) { return atan2(x, sqrt(Extended(1) - x * x)); }

Extended arccos(Extended x) { return atan2(sqrt(Extended(1) - x * x), x); }

double roundToDouble(long double x) {
    if (std::isnan(x)) throw EInvalidOp();
    const auto d = static_cast<double>(x);
    if (std::isinf(d)) throw EOverflow();
    return d;
}

}  // namespace motrel
