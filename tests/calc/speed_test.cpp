// The "   Speed , RPM  " page through the frame, starting from its texts at start.
#include "motrel/speed.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc_test_support.h"

namespace motrel {
namespace {

using testing::click;
using testing::FakeView;
using testing::Fault;
using testing::selectorNamed;
using namespace speed;

using SpeedTexts = std::array<const char*, fieldCount>;  // V, N, F, R, G, C

constexpr SpeedTexts textsAtStart = {"", "", "10", "44", "4,1    ", "2,15"};
constexpr std::string_view emptyFieldMessage =
    "There are too many fields left empty, fill the out.    ";

FakeView speedView(const SpeedTexts& texts) {
    return FakeView(page(), std::vector<std::string>(texts.begin(), texts.end()));
}

struct SpeedCase {
    const char* name;
    SpeedTexts texts;
    const char* selector;  // nullptr: none checked
    Fault fault = Fault::none;
    std::string_view expected = {};  // the selected field's new text, or the error's message
    char separator = ',';
};

const SpeedCase speedCases[] = {
    {"roadSpeedAt8000",
     {"", "8000", "10", "44", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::none,
     "57,21"},
    {"roadSpeedWithFullStop",
     {"", "8000", "10", "44", "4.1", "2.15"},
     "SnelheidRadioButton",
     Fault::none,
     "57.21",
     '.'},
    {"engineSpeedAt60",
     {"60", "", "10", "44", "4,1    ", "2,15"},
     "ToerenRadioButton",
     Fault::none,
     "8390,7"},
    // Teeth are not rounded to whole numbers; the old text of the selected field is not used.
    {"frontSprocket",
     {"60", "8000", "10", "44", "4,1    ", "2,15"},
     "VoortandwielRadioButton",
     Fault::none,
     "10,49"},
    {"rearSprocket",
     {"60", "8000", "10", "44", "4,1    ", "2,15"},
     "AchtertandwielRadioButton",
     Fault::none,
     "41,95"},
    {"oldSpeedIsOverwritten",
     {"999", "8000", "10", "44", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::none,
     "57,21"},
    // 0.003575... and 0.000715...
    {"halfRpmIsSeparatorAndZeros",
     {"", "0,5", "10", "44", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::none,
     ",00"},
    {"tenthRpmIsEmpty",
     {"", "0,1", "10", "44", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::none,
     ""},
    {"negativeRpm",
     {"", "-8000", "10", "44", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::none,
     "-57,21"},
    {"generalNotation",
     {"", "1E20", "50", "3", "1", "1"},
     "SnelheidRadioButton",
     Fault::none,
     "1E20"},
    {"noRearTeethDividesByZero",
     {"", "8000", "10", "0", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::zeroDivide,
     "Floating point division by zero"},
    {"noRearTeethAndNoRpmIsInvalid",
     {"", "0", "10", "0", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::invalidOp,
     "Invalid floating point operation"},
    {"resultBeyondDoubleRange",
     {"", "1E308", "10", "44", "4,1    ", "1E308"},
     "SnelheidRadioButton",
     Fault::overflow,
     "Floating point overflow"},
    {"oldSpeedMustBeANumber",
     {"abc", "8000", "10", "44", "4,1    ", "2,15"},
     "SnelheidRadioButton",
     Fault::convert,
     "'abc' is not a valid floating point value"},
    {"atStartWithFullStopQuotesTheRatio", textsAtStart, "SnelheidRadioButton", Fault::convert,
     "'4,1    ' is not a valid floating point value", '.'},
    {"atStartWithFullStopNoSelector", textsAtStart, nullptr, Fault::convert,
     "'4,1    ' is not a valid floating point value", '.'},
};

class SpeedPageTest : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SpeedPageTest, WritesTheSelectedQuantityOrFails) {
    const SpeedCase& row = GetParam();
    FakeView view = speedView(row.texts);
    if (row.selector) view.checked = selectorNamed(page(), row.selector);

    const auto outcome = click(page(), view, row.separator);

    EXPECT_EQ(outcome.fault, row.fault);
    std::vector<std::string> expectedTexts(row.texts.begin(), row.texts.end());
    if (row.fault == Fault::none) {
        expectedTexts[page().selectors[*view.checked].target] = row.expected;
    } else {
        EXPECT_EQ(outcome.message, row.expected);
    }
    EXPECT_EQ(view.texts, expectedTexts);
    EXPECT_TRUE(view.dialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(Clicks, SpeedPageTest, ::testing::ValuesIn(speedCases),
                         testing::RowName());

TEST(SpeedPageAtStart, ShowsTheEmptyFieldDialogWhicheverSelector) {
    for (const char* selector : {"", "SnelheidRadioButton", "ToerenRadioButton",
                                 "VoortandwielRadioButton", "AchtertandwielRadioButton"}) {
        SCOPED_TRACE(selector);
        FakeView view = speedView(textsAtStart);
        if (*selector) view.checked = selectorNamed(page(), selector);
        EXPECT_EQ(click(page(), view, ',').fault, Fault::none);
        EXPECT_EQ(view.dialogs, std::vector<std::string>{std::string(emptyFieldMessage)});
        EXPECT_TRUE(view.writes.empty());
    }
}

TEST(SpeedPageRoundTrip, EngineSpeedFromTheDisplayedSpeedIsOffByItsRounding) {
    FakeView view = speedView({"", "8000", "10", "44", "4,1    ", "2,15"});
    view.checked = selectorNamed(page(), "SnelheidRadioButton");
    ASSERT_EQ(click(page(), view, ',').fault, Fault::none);
    ASSERT_EQ(view.texts[V], "57,21");

    view.checked = selectorNamed(page(), "ToerenRadioButton");
    ASSERT_EQ(click(page(), view, ',').fault, Fault::none);
    EXPECT_EQ(view.texts[N], "8000,53");
}

// Exactly one empty field that is not the selected one counts as 0: a factor of the numerator
// gives 0 (the empty text), a factor of the divisor divides by zero.
struct OneEmptyCase {
    const char* name;
    const char* selector;
    Field empty;
    Fault fault;  // none: the result is 0
};

const OneEmptyCase oneEmptyCases[] = {
    {"roadSpeed_emptyN", "SnelheidRadioButton", N, Fault::none},
    {"roadSpeed_emptyC", "SnelheidRadioButton", C, Fault::none},
    {"roadSpeed_emptyF", "SnelheidRadioButton", F, Fault::none},
    {"roadSpeed_emptyR", "SnelheidRadioButton", R, Fault::zeroDivide},
    {"roadSpeed_emptyG", "SnelheidRadioButton", G, Fault::zeroDivide},
    {"engineSpeed_emptyV", "ToerenRadioButton", V, Fault::none},
    {"engineSpeed_emptyR", "ToerenRadioButton", R, Fault::none},
    {"engineSpeed_emptyG", "ToerenRadioButton", G, Fault::none},
    {"engineSpeed_emptyC", "ToerenRadioButton", C, Fault::zeroDivide},
    {"engineSpeed_emptyF", "ToerenRadioButton", F, Fault::zeroDivide},
    {"frontSprocket_emptyV", "VoortandwielRadioButton", V, Fault::none},
    {"frontSprocket_emptyR", "VoortandwielRadioButton", R, Fault::none},
    {"frontSprocket_emptyG", "VoortandwielRadioButton", G, Fault::none},
    {"frontSprocket_emptyC", "VoortandwielRadioButton", C, Fault::zeroDivide},
    {"frontSprocket_emptyN", "VoortandwielRadioButton", N, Fault::zeroDivide},
    {"rearSprocket_emptyN", "AchtertandwielRadioButton", N, Fault::none},
    {"rearSprocket_emptyC", "AchtertandwielRadioButton", C, Fault::none},
    {"rearSprocket_emptyF", "AchtertandwielRadioButton", F, Fault::none},
    {"rearSprocket_emptyV", "AchtertandwielRadioButton", V, Fault::zeroDivide},
    {"rearSprocket_emptyG", "AchtertandwielRadioButton", G, Fault::zeroDivide},
};

class SpeedOneEmptyFieldTest : public ::testing::TestWithParam<OneEmptyCase> {};

TEST_P(SpeedOneEmptyFieldTest, CountsAsZero) {
    const OneEmptyCase& row = GetParam();
    // Every field filled, the selected one with a number that is not used.
    FakeView view = speedView({"60", "8000", "10", "44", "4,1    ", "2,15"});
    view.checked = selectorNamed(page(), row.selector);
    const std::size_t target = page().selectors[*view.checked].target;
    view.texts[target] = "1";
    view.texts[row.empty] = "";
    const std::vector<std::string> before = view.texts;

    EXPECT_EQ(click(page(), view, ',').fault, row.fault);

    std::vector<std::string> expected = before;
    if (row.fault == Fault::none) expected[target] = "";
    EXPECT_EQ(view.texts, expected);
    EXPECT_TRUE(view.dialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, SpeedOneEmptyFieldTest, ::testing::ValuesIn(oneEmptyCases),
                         testing::RowName());

}  // namespace
}  // namespace motrel
