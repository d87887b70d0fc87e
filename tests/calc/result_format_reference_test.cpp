// The result format against an independent reference built on std::to_chars, over many random
// doubles: 18 significant digits (ties to even, which to_chars gives exactly), then two
// decimals half away from zero; or 15 significant digits in general notation from 1E18 on.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "calc_test_support.h"
#include "motrel/extended.h"
#include "motrel/number_text.h"

namespace motrel {
namespace {

using testing::fullPrecision;

// A magnitude in decimal: value = 0.digits... scaled so that digits[0] has place value 10^exponent.
struct Decimal {
    std::string digits;  // 18 significant digits
    int exponent;
};

Decimal eighteenDigits(double magnitude) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17)
            .ptr;
    const std::string text(buffer, end);  // d.ddddddddddddddddde+XX
    const auto e = text.find('e');
    return {text.substr(0, 1) + text.substr(2, e - 2), std::stoi(text.substr(e + 1))};
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    auto i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits = "1" + digits;
    } else {
        ++digits[i - 1];
    }
}

std::string referenceFixed(double value, char separator) {
    const Decimal d = eighteenDigits(std::fabs(value));
    std::string integerPart;
    std::string fraction;
    if (d.exponent >= 0) {
        integerPart = d.digits.substr(0, static_cast<std::size_t>(d.exponent) + 1);
        fraction = d.digits.substr(static_cast<std::size_t>(d.exponent) + 1);
    } else {
        fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');
    std::string cents = integerPart + fraction.substr(0, 2);
    if (fraction[2] >= '5') increment(cents);

    std::string whole = cents.substr(0, cents.size() - 2);
    std::string decimals = cents.substr(cents.size() - 2);
    whole.erase(0, whole.find_first_not_of('0') == std::string::npos
                       ? whole.size()
                       : whole.find_first_not_of('0'));
    while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
    if (whole.empty() && decimals.empty()) {
        if (value == 0 || d.exponent < -3) return "";
        return std::string(1, separator) + "00";
    }
    std::string text = value < 0 ? "-" : "";
    text += whole;
    if (!decimals.empty()) text += separator + decimals;
    return text;
}

// 15 significant digits from the 18-digit decimal, rounding half away from zero; nullopt when
// digits 16 to 18 are exactly 500, where the tie rule of that second step would decide.
std::optional<std::string> referenceGeneral(double value, char separator) {
    const Decimal d = eighteenDigits(std::fabs(value));
    if (d.digits.substr(15) == "500") return std::nullopt;
    std::string digits = d.digits.substr(0, 15);
    int exponent = d.exponent;
    if (d.digits[15] >= '5') {
        increment(digits);
        if (digits.size() > 15) {
            digits.pop_back();
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string text = value < 0 ? "-" : "";
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += separator + digits.substr(1);
    return text + "E" + std::to_string(exponent);
}

// Doubles in [low, high) of both signs: log-uniform magnitudes, random bit patterns, and values
// next to the two-decimal ties n + 0.005, where the 18-digit step decides.
std::vector<double> sampleValues(double low, double high, int count) {
    std::mt19937_64 random(20041224);
    std::uniform_real_distribution<double> logMagnitude(std::log10(low), std::log10(high));
    std::uniform_int_distribution<std::uint64_t> bits(std::bit_cast<std::uint64_t>(low),
                                                      std::bit_cast<std::uint64_t>(high) - 1);
    std::uniform_int_distribution<int> digitCount(1, 15);
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(count));
    while (values.size() < static_cast<std::size_t>(count)) {
        const double sign = random() % 2 ? -1.0 : 1.0;
        double v = 0;
        switch (random() % 3) {
            case 0:
                v = std::pow(10.0, logMagnitude(random));
                break;
            case 1:
                v = std::bit_cast<double>(bits(random));
                break;
            default: {
                const auto limit = static_cast<std::uint64_t>(std::pow(10.0, digitCount(random)));
                const double tie =
                    (static_cast<double>(random() % limit) + 0.5) / 100.0;  // n.nn5 nearby
                const int nudge = static_cast<int>(random() % 5) - 2;
                v = tie;
                for (int i = 0; i < std::abs(nudge); ++i) v = std::nextafter(v, nudge * 1e300);
            }
        }
        if (v >= low && v < high) values.push_back(sign * v);
    }
    return values;
}

void expectSameText(double value, const std::string& expected, int& mismatches) {
    const std::string got = formatResult(value, ',');
    if (got != expected && ++mismatches <= 10) {
        ADD_FAILURE() << "value " << fullPrecision(value) << ": got \"" << got << "\", reference \""
                      << expected << "\"";
    }
}

TEST(ResultFormatReference, FixedNotationMatchesEighteenDigitRounding) {
    int mismatches = 0;
    for (const double v : sampleValues(0.0005, 1e18, 200000)) {
        expectSameText(v, referenceFixed(v, ','), mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ResultFormatReference, GeneralNotationMatchesFifteenDigits) {
    int mismatches = 0;
    for (const double v : sampleValues(1e18, DBL_MAX, 50000)) {
        if (const auto expected = referenceGeneral(v, ','))
            expectSameText(v, *expected, mismatches);
    }
    EXPECT_EQ(mismatches, 0);
}

// A written text reads back to a value that is written the same way and lies within half a cent
// of the value, or within 15 significant digits in general notation.
TEST(ResultFormatReference, WrittenTextsReadBack) {
    int failures = 0;
    for (const char separator : {',', '.'}) {
        for (const double v : sampleValues(0.0005, 1e25, 50000)) {
            const std::string text = formatResult(v, separator);
            if (text.empty()) continue;
            const double back = roundToDouble(readNumber(text, separator));
            const double slack =
                std::fabs(v) >= 1e18 ? std::fabs(v) * 5e-15 : 0.005 + std::fabs(v) * 0x1p-52;
            // ",00" reads back as 0, which is written as the empty text.
            const std::string rewritten =
                back == 0 ? std::string(1, separator) + "00" : formatResult(back, separator);
            const bool ok = rewritten == text && std::fabs(back - v) <= slack;
            if (!ok && ++failures <= 10) {
                ADD_FAILURE() << "value " << fullPrecision(v) << ", text " << text
                              << ", read back as " << fullPrecision(back) << ", written "
                              << formatResult(back, separator);
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace motrel
