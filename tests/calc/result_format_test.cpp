// Writing results with the pattern "#.##", and reading the written texts back.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include "calc_test_support.h"
#include "motrel/errors.h"
#include "motrel/extended.h"
#include "motrel/number_text.h"

namespace motrel {
namespace {

using testing::fullPrecision;

struct FormatCase {
    const char* name;
    double value;
    std::string_view commaText;  // the text with a comma separator; a full stop takes its place
};

std::string withSeparator(std::string_view commaText, char separator) {
    std::string text(commaText);
    for (char& c : text) {
        if (c == ',') c = separator;
    }
    return text;
}

const FormatCase formatCases[] = {
    {"roadSpeedAt8000", 57.206208425720620, "57,21"},
    {"integer", 12, "12"},
    {"oneDecimal", 12.5, "12,5"},
    {"twoDecimalsWithZero", 12.05, "12,05"},
    {"noLeadingZero", 0.5, ",5"},
    {"noLeadingZeroTwoDecimals", 0.05, ",05"},
    {"roundsUpToInteger", 0.999, "1"},
    {"roundsUpIntoNewDigit", 99.995, "100"},
    {"negative", -0.5, "-,5"},
    {"belowHalfCentIsSeparatorAndZeros", 0.0035, ",00"},
    {"negativeBelowHalfCentHasNoSign", -0.002, ",00"},
    {"belowOneThousandthIsEmpty", 0.0007, ""},
    {"zeroIsEmpty", 0, ""},
    {"minusZeroIsEmpty", -0.0, ""},
    {"noGrouping", 1234567.891, "1234567,89"},
    {"noTrailingZero", 8390.7, "8390,7"},
    {"integerHasNoSeparator", 100, "100"},
    // The double 0.001 lies just above one thousandth; the one below it gives the empty text.
    {"oneThousandth", 0.001, ",00"},
    {"justBelowOneThousandth", std::nextafter(0.001, 0.0), ""},
    // The double 0.005 lies just above the half cent and rounds up; the one below it does not.
    {"halfCent", 0.005, ",01"},
    {"justBelowHalfCent", std::nextafter(0.005, 0.0), ",00"},
    {"negativeHalfCent", -0.005, "-,01"},
    {"smallestSubnormal", 5e-324, ""},
    // Exact ties round half away from zero.
    {"exactTieRoundsUp", 0.125, ",13"},
    {"negativeExactTieRoundsAway", -0.125, "-,13"},
    // Doubles just below a tie stay below it at 18 digits...
    {"justBelowTieStaysBelow", 2.675, "2,67"},
    {"justBelowTieNearOne", 0.995, ",99"},
    // ...unless the 18-digit step lifts them onto the tie (1000.00499999999999545...).
    {"eighteenDigitsLiftOntoTie", 1000.005, "1000,01"},
    {"justAboveTie", 123456789012.345, "123456789012,35"},
    {"largestBelow1E18", 999999999999999872.0, "999999999999999872"},
    {"oneE18IsGeneral", 1e18, "1E18"},
    {"generalDropsTrailingZeros", 1e18 + 128, "1E18"},
    {"generalWithFraction", 1.5e20, "1,5E20"},
    {"generalNegative", -2.75e300, "-2,75E300"},
    {"generalNegativeInteger", -1e20, "-1E20"},
    {"generalFifteenDigits", 1.23456789012345678e20, "1,23456789012346E20"},
    {"generalLargestDouble", DBL_MAX, "1,79769313486232E308"},
};

class ResultFormatTest : public ::testing::TestWithParam<std::tuple<FormatCase, char>> {};

TEST_P(ResultFormatTest, WritesText) {
    const auto& [row, separator] = GetParam();
    EXPECT_EQ(formatResult(row.value, separator), withSeparator(row.commaText, separator))
        << "value " << fullPrecision(row.value);
}

// Every non-empty text reads back, with the same separator, to a value that is written the
// same way and lies within half a cent (or, in general notation, 15 digits) of the original.
TEST_P(ResultFormatTest, ReadsBack) {
    const auto& [row, separator] = GetParam();
    const std::string text = formatResult(row.value, separator);
    if (text.empty()) return;
    const long double read = readNumber(text, separator);
    if (std::fabs(read) > DBL_MAX) {
        // 15 digits can round up past the largest double: the text reads, storing it overflows.
        EXPECT_THROW(roundToDouble(read), EOverflow) << text;
        return;
    }
    const double back = roundToDouble(read);
    // ",00" reads back as 0, which is written as the empty text.
    const std::string rewritten =
        back == 0 ? std::string(1, separator) + "00" : formatResult(back, separator);
    EXPECT_EQ(rewritten, text) << "read back as " << fullPrecision(back);
    const double slack = std::fabs(row.value) >= 1e18 ? std::fabs(row.value) * 5e-15
                                                      : 0.005 + std::fabs(row.value) * 0x1p-52;
    EXPECT_LE(std::fabs(back - row.value), slack)
        << "value " << fullPrecision(row.value) << ", text " << text << ", read back as "
        << fullPrecision(back);
}

INSTANTIATE_TEST_SUITE_P(Rows, ResultFormatTest,
                         ::testing::Combine(::testing::ValuesIn(formatCases),
                                            ::testing::Values(',', '.')),
                         testing::RowAndSeparatorName());

}  // namespace
}  // namespace motrel
