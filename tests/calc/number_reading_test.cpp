// Reading field texts as numbers, with either decimal separator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "calc_test_support.h"
#include "motrel/errors.h"
#include "motrel/extended.h"
#include "motrel/number_text.h"

namespace motrel {
namespace {

using testing::fullPrecision;

struct ReadingCase {
    const char* name;
    std::string_view text;  // written with a comma as the separator and "." as the other mark
    std::optional<long double> value;  // nullopt: no number
    bool exact = true;                 // the value is exactly representable and must come out so
    bool overflowsOnStore = false;     // fits the extended range but not a double
};

// The same text for the other separator: comma and full stop trade places.
std::string withSeparator(std::string_view commaText, char separator) {
    std::string text(commaText);
    if (separator == '.') {
        std::transform(text.begin(), text.end(), text.begin(), [](char c) {
            return c == ',' ? '.' : c == '.' ? ',' : c;
        });
    }
    return text;
}

const ReadingCase readingCases[] = {
    {"integer", "12", 12.0L},
    {"blankBeforeAndAfter", " 12 ", 12.0L},
    {"manyBlanksAround", "   12      ", 12.0L},
    {"plusSign", "+3", 3.0L},
    {"minusZero", "-0", 0.0L},
    {"fraction", "1,5", 1.5L},
    {"noIntegerPart", ",5", 0.5L},
    {"signedNoIntegerPart", "-,5", -0.5L},
    {"noFractionDigits", "5,", 5.0L},
    {"separatorAlone", ",", 0.0L},
    {"separatorWithExponent", ",E5", 0.0L},
    {"inexactFraction", "0,1", 0.1L, false},
    {"exponent", "1,5E3", 1500.0L},
    {"exponentWithPlus", "1,5e+3", 1500.0L},
    {"negativeExponent", "2e-3", 0.002L, false},
    {"exponentWithoutDigits", "5E", 5.0L},
    {"exponentSignWithoutDigits", "5E-", 5.0L},
    {"exponentPlusWithoutDigits", "5E+", 5.0L},
    {"manyDigits", "123456789012345678901234567890", 1.23456789012345678901234567890e29L, false},
    // Exponent digits are taken while the exponent so far is below 500.
    {"exponent499", "1E499", 1e499L, false, true},
    {"exponent500TakenWhole", "1E500", 1e500L, false, true},
    {"exponent500WithLeadingZero", "1E0500", 1e500L, false, true},
    {"exponentMinus500", "1E-500", 1e-500L, false},
    // 10^-4999 is below the smallest extended subnormal: it underflows to 0 without error.
    {"exponentMinus4999Underflows", "1E-4999", 0.0L},
    // 1E4932 lies just below the extended maximum (about 1.19E4932).
    {"extendedNearMaximum", "1E4932", 1e4932L, false, true},
    {"thousandsSeparator", "1.000", std::nullopt},
    {"blankInside", "1 2", std::nullopt},
    {"blankAfterSign", "- 3", std::nullopt},
    {"signAlone", "-", std::nullopt},
    {"plusAlone", "+", std::nullopt},
    {"secondSeparator", "1,2,3", std::nullopt},
    {"tabBefore", "\t12", std::nullopt},
    {"tabAfter", "12\t", std::nullopt},
    {"blanksOnly", "   ", std::nullopt},
    {"empty", "", std::nullopt},
    {"letters", "abc", std::nullopt},
    {"trailingLetter", "12a", std::nullopt},
    {"exponentAlone", "E5", std::nullopt},
    {"secondExponent", "1E5E5", std::nullopt},
    {"exponentDigitLeftOver", "1E5000", std::nullopt},
    {"negativeExponentDigitLeftOver", "1E-5000", std::nullopt},
    {"beyondExtendedByExponent", "1E4933", std::nullopt},
    {"beyondExtendedByMantissa", "2E4932", std::nullopt},
    {"beyondExtendedWithLastExponentDigit", "1E4999", std::nullopt},
    // Bytes of the single-byte code page above 127, and UTF-8 sequences, are no digits or blanks.
    {"noBreakSpaceBefore",
     "\xA0"
     "12",
     std::nullopt},
    {"superscriptTwo", "1\xB2", std::nullopt},
    {"fullWidthDigitUtf8", "\xEF\xBC\x91", std::nullopt},
};

class NumberReadingTest : public ::testing::TestWithParam<std::tuple<ReadingCase, char>> {};

TEST_P(NumberReadingTest, ReadsOrRejects) {
    const auto& [row, separator] = GetParam();
    const std::string text = withSeparator(row.text, separator);
    SCOPED_TRACE("text '" + text + "', separator '" + std::string(1, separator) + "'");

    if (!row.value) {
        try {
            const long double got = readNumber(text, separator);
            ADD_FAILURE() << "read as " << fullPrecision(got) << ", expected no number";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
        }
        return;
    }

    const long double got = readNumber(text, separator);
    const long double expected = *row.value;
    if (row.exact) {
        EXPECT_EQ(got, expected) << "expected " << fullPrecision(expected) << ", got "
                                 << fullPrecision(got);
    } else {
        // Within about one unit of the last place of a double.
        EXPECT_LE(std::fabs(got - expected), std::fabs(expected) * 0x1p-52L)
            << "expected " << fullPrecision(expected) << ", got " << fullPrecision(got);
    }
    if (row.overflowsOnStore) {
        EXPECT_THROW(roundToDouble(got), EOverflow);
    } else {
        EXPECT_NO_THROW(roundToDouble(got));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, NumberReadingTest,
                         ::testing::Combine(::testing::ValuesIn(readingCases),
                                            ::testing::Values(',', '.')),
                         testing::RowAndSeparatorName());

// A pasted text may hold a NUL; the message must still quote all of it, not stop there.
TEST(NumberReading, QuotesATextWithANulWhole) {
    const std::string text("1\0 2", 4);
    try {
        readNumber(text, ',');
        FAIL() << "read as a number";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), "'" + text + "' is not a valid floating point value");
    }
}

}  // namespace
}  // namespace motrel
