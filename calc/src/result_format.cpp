// Number -> field text, with the pattern "#.##".
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "motrel/number_text.h"

namespace motrel {

namespace {

constexpr std::array<std::uint64_t, 20> powersOfTen = [] {
    std::array<std::uint64_t, 20> p{};
    std::uint64_t v = 1;
    for (auto& e : p) {
        e = v;
        v *= 10;
    }
    return p;
}();

// A nonzero finite value taken to 18 significant digits: |value| = digits * 10^(exponent - 17),
// with digits in [10^17, 10^18).
struct Decimal18 {
    std::uint64_t digits;
    int exponent;  // decimal exponent of the leading digit
};

Decimal18 toDecimal18(double magnitude) {
    // to_chars with a precision rounds the exact binary value correctly, ties to even.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, 17);
    Decimal18 d{0, 0};
    const char* p = buffer.data();
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.') d.digits = d.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    std::from_chars(p + 1 + (p[1] == '+'), result.ptr, d.exponent);
    return d;
}

// Drops the last `drop` (> 0) digits of `digits`, rounding half away from zero.
std::uint64_t dropDigitsRoundingHalfUp(std::uint64_t digits, int drop) {
    if (drop > 19) return 0;
    const std::uint64_t unit = powersOfTen[static_cast<std::size_t>(drop)];
    return digits / unit + (digits % unit >= unit / 2 ? 1 : 0);
}

void appendDigits(std::string& out, std::uint64_t n) {
    std::array<char, 20> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n);
    out.append(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
}

// General notation for magnitudes from 1E18 on: 15 significant digits, no trailing zeros.
std::string formatGeneral(bool negative, Decimal18 d, char separator) {
    std::uint64_t digits = dropDigitsRoundingHalfUp(d.digits, 3);
    int exponent = d.exponent;
    if (digits == powersOfTen[15]) {
        digits = powersOfTen[14];
        ++exponent;
    }
    std::array<char, 16> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), digits).ptr;
    const char* last = end;
    while (last > text.data() + 1 && last[-1] == '0') --last;

    std::string out;
    if (negative) out += '-';
    out += text[0];
    if (last > text.data() + 1) {
        out += separator;
        out.append(text.data() + 1, static_cast<std::size_t>(last - (text.data() + 1)));
    }
    out += 'E';
    appendDigits(out, static_cast<std::uint64_t>(exponent));
    return out;
}

}  // namespace

std::string formatResult(double value, char separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return {};

    const bool negative = std::signbit(value);
    const Decimal18 d = toDecimal18(std::fabs(value));
    if (d.exponent >= 18) return formatGeneral(negative, d, separator);

    if (d.exponent < -3) return {};  // below 0.001

    // The 18-digit value rounded to hundredths, half away from zero.
    const int places = 17 - d.exponent;  // decimals held by the 18 digits
    std::uint64_t integerPart = 0;
    unsigned fraction = 0;
    if (places <= 2) {
        const std::uint64_t unit = powersOfTen[static_cast<std::size_t>(places)];
        integerPart = d.digits / unit;
        fraction = static_cast<unsigned>((d.digits % unit) * powersOfTen[2 - places]);
    } else {
        const std::uint64_t hundredths = dropDigitsRoundingHalfUp(d.digits, places - 2);
        integerPart = hundredths / 100;
        fraction = static_cast<unsigned>(hundredths % 100);
    }
    if (integerPart == 0 && fraction == 0) return std::string(1, separator) + "00";

    std::string out;
    if (negative) out += '-';
    if (integerPart != 0) appendDigits(out, integerPart);
    if (fraction != 0) {
        out += separator;
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
    }
    return out;
}

}  // namespace motrel
