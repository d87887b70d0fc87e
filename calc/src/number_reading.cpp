// Field text -> number.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "motrel/errors.h"
#include "motrel/number_text.h"

namespace motrel {

namespace {

constexpr int exponentLimit = 500;  // exponent digits are taken while the exponent is below this

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// 10^0 .. 10^27 are exact in the 64-bit significand (5^27 < 2^63).
constexpr std::array<long double, 28> exactPowersOfTen = [] {
    std::array<long double, 28> p{};
    long double v = 1.0L;
    for (auto& e : p) {
        e = v;
        v *= 10.0L;
    }
    return p;
}();

// 10^(2^k), k = 0 .. 12; 10^4096 is the largest that fits the extended range.
const std::array<long double, 13> binaryPowersOfTen = [] {
    std::array<long double, 13> p{};
    long double v = 10.0L;
    for (auto& e : p) {
        e = v;
        v *= v;
    }
    return p;
}();

// value * 10^exponent. Within the exact table this is one correctly rounded operation; beyond
// it the factor is applied by binary powers, growing or shrinking monotonically so that no
// intermediate leaves the range before the result does.
long double scaleByPowerOfTen(long double value, long exponent) {
    const bool shrink = exponent < 0;
    unsigned long n =
        shrink ? 0UL - static_cast<unsigned long>(exponent) : static_cast<unsigned long>(exponent);
    if (n < exactPowersOfTen.size()) {
        return shrink ? value / exactPowersOfTen[n] : value * exactPowersOfTen[n];
    }
    for (std::size_t k = 0; n != 0 && std::isfinite(value) && value != 0.0L; ++k, n >>= 1) {
        if ((n & 1U) == 0) continue;
        if (k >= binaryPowersOfTen.size()) {
            // A factor of 10^8192 or more: the result is out of range either way.
            return shrink ? 0.0L : HUGE_VALL;
        }
        value = shrink ? value / binaryPowersOfTen[k] : value * binaryPowersOfTen[k];
    }
    return value;
}

}  // namespace

long double readNumber(std::string_view text, char separator) {
    const auto noNumber = [&] { return EConvertError(std::string(text)); };
    std::size_t i = 0;
    const std::size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;

    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // Digits are accumulated as value * 10 + digit. A 64-bit integer holds the first 19 exactly,
    // as the extended format would; later ones continue in extended precision.
    std::uint64_t integerDigits = 0;
    int integerDigitCount = 0;
    long double extendedDigits = 0.0L;
    bool inExtended = false;
    bool tookSomething = false;
    long fractionDigits = 0;
    const auto takeDigit = [&](char c) {
        const auto digit = static_cast<unsigned>(c - '0');
        if (!inExtended && integerDigitCount < 19) {
            integerDigits = integerDigits * 10U + digit;
            ++integerDigitCount;
            return;
        }
        if (!inExtended) {
            extendedDigits = static_cast<long double>(integerDigits);
            inExtended = true;
        }
        extendedDigits = extendedDigits * 10.0L + static_cast<long double>(digit);
    };

    for (; i < end && isDigit(text[i]); ++i) {
        takeDigit(text[i]);
        tookSomething = true;
    }
    if (i < end && text[i] == separator) {
        ++i;
        tookSomething = true;
        for (; i < end && isDigit(text[i]); ++i) {
            takeDigit(text[i]);
            ++fractionDigits;
        }
    }
    if (!tookSomething) throw noNumber();

    long exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        for (; i < end && isDigit(text[i]) && exponent < exponentLimit; ++i) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        if (negativeExponent) exponent = -exponent;
    }

    while (i < end && text[i] == ' ') ++i;
    if (i != end) throw noNumber();

    long double value = inExtended ? extendedDigits : static_cast<long double>(integerDigits);
    if (value != 0.0L) value = scaleByPowerOfTen(value, exponent - fractionDigits);
    if (!std::isfinite(value)) throw noNumber();
    return negative ? -value : value;
}

char decimalSeparatorFrom(std::string_view platformSeparator) {
    return platformSeparator.size() == 1 ? platformSeparator.front() : '.';
}

}  // namespace motrel
