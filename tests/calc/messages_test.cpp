// The separator taken from the platform, and the text of the error box.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "calc_test_support.h"
#include "motrel/number_text.h"

namespace motrel {
namespace {

struct SeparatorCase {
    const char* name;
    std::string_view reported;  // what the platform reports as the decimal separator
    char expected;
};

const SeparatorCase separatorCases[] = {
    {"comma", ",", ','},
    {"fullStop", ".", '.'},
    {"nothingReported", "", '.'},
    {"twoCharacters", ",,", '.'},
    {"multiByteUtf8", "\xC2\xB7", '.'},  // middle dot, two bytes
};

class DecimalSeparatorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(DecimalSeparatorTest, TakesTheOnlyCharacterOrFullStop) {
    EXPECT_EQ(decimalSeparatorFrom(GetParam().reported), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Reported, DecimalSeparatorTest, ::testing::ValuesIn(separatorCases),
                         testing::RowName());

struct ErrorBoxCase {
    const char* name;
    std::string_view message;
    std::string_view shown;
};

const ErrorBoxCase errorBoxCases[] = {
    {"letterGetsFullStop", "Floating point division by zero", "Floating point division by zero."},
    {"conversionMessage", "'abc' is not a valid floating point value",
     "'abc' is not a valid floating point value."},
    {"digitGetsFullStop", "error 1", "error 1."},  // "1" is code 49
    {"slashGetsFullStop", "a/", "a/."},            // "/" is code 47, the first above "."
    {"fullStopUnchanged", "Done.", "Done."},
    {"blankUnchanged", "Trailing blank ", "Trailing blank "},
    {"parenthesisUnchanged", "(see above)", "(see above)"},
    {"hyphenUnchanged", "a-", "a-"},  // code 45
    {"emptyUnchanged", "", ""},
    {"highByteGetsFullStop", "caf\xE9", "caf\xE9."},  // a code-page letter above 127
};

class ErrorBoxTextTest : public ::testing::TestWithParam<ErrorBoxCase> {};

TEST_P(ErrorBoxTextTest, AppendsFullStopAfterCodesAbove46) {
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBoxTextTest, ::testing::ValuesIn(errorBoxCases),
                         testing::RowName());

}  // namespace
}  // namespace motrel
