// The calculation frame on a small page of its own: reading, the empty-field rule, the choice of
// the computation, and that nothing is written when a click fails.
#include "motrel/frame.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc_test_support.h"

namespace motrel {
namespace {

using testing::click;
using testing::FakeView;
using testing::Fault;

// The quantities the last computation was given.
std::vector<double> seenQuantities;

Extended aFromBAndC(Quantities q) {
    seenQuantities.assign(q.begin(), q.end());
    return Extended(q[1]) / Extended(q[2]);
}

Extended bFromAAndC(Quantities q) {
    seenQuantities.assign(q.begin(), q.end());
    return Extended(q[0]) * Extended(q[2]);
}

constexpr std::string_view fakeFields[] = {"AEdit", "BEdit", "CEdit"};
constexpr Selector fakeSelectors[] = {
    {"ARadioButton", 0, aFromBAndC},
    {"BRadioButton", 1, bFromAAndC},
};
constexpr std::string_view fakeMessage = "Fill in more fields.  ";
const PageDescription fakePage{fakeFields, fakeSelectors, fakeMessage};

constexpr std::optional<std::size_t> none = std::nullopt;
using Texts = std::array<const char*, 3>;

struct FrameCase {
    const char* name;
    Texts texts;
    std::optional<std::size_t> checked;
    Texts textsAfter;
    Fault fault = Fault::none;
    std::string_view message = {};  // the error's message
    bool dialog = false;
    std::size_t fieldsRead = 3;
    std::vector<double> seen = {};  // quantities the computation got; empty: not checked
    char separator = ',';
};

const FrameCase frameCases[] = {
    {"writesIntoTheEmptySelectedField",
     {"", "6", "3"},
     0,
     {"2", "6", "3"},
     Fault::none,
     {},
     false,
     3,
     {0, 6, 3}},
    {"filledSelectedFieldIsReadAndOverwritten",
     {"99", "6", "4"},
     0,
     {"1,5", "6", "4"},
     Fault::none,
     {},
     false,
     3,
     {99, 6, 4}},
    {"secondSelector", {"2", "", "3"}, 1, {"2", "6", "3"}, Fault::none, {}, false, 3, {2, 0, 3}},
    {"fullStopSeparator",
     {"", "1.5", "3"},
     0,
     {".5", "1.5", "3"},
     Fault::none,
     {},
     false,
     3,
     {0, 1.5, 3},
     '.'},
    {"noSelectorWritesNothing", {"1", "2", "3"}, none, {"1", "2", "3"}},
    {"noSelectorStillMeetsEmptyFieldRule",
     {"", "", "3"},
     none,
     {"", "", "3"},
     Fault::none,
     {},
     true},
    {"twoEmptyShowDialog", {"", "", "3"}, 0, {"", "", "3"}, Fault::none, {}, true},
    {"allEmptyShowDialog", {"", "", ""}, 1, {"", "", ""}, Fault::none, {}, true},
    {"readingErrorBeforeEmptyFieldRule",
     {"", "", "abc"},
     0,
     {"", "", "abc"},
     Fault::convert,
     "'abc' is not a valid floating point value"},
    {"firstBadFieldEndsReading",
     {"x", "", "y"},
     0,
     {"x", "", "y"},
     Fault::convert,
     "'x' is not a valid floating point value",
     false,
     1},
    {"selectedFieldMustBeANumber",
     {"abc", "6", "3"},
     0,
     {"abc", "6", "3"},
     Fault::convert,
     "'abc' is not a valid floating point value",
     false,
     1},
    {"blanksAreNotEmpty",
     {"   ", "6", "3"},
     0,
     {"   ", "6", "3"},
     Fault::convert,
     "'   ' is not a valid floating point value",
     false,
     1},
    {"commaIsNoNumberWithFullStop",
     {"", "1,5", "3"},
     0,
     {"", "1,5", "3"},
     Fault::convert,
     "'1,5' is not a valid floating point value",
     false,
     2,
     {},
     '.'},
    {"oneEmptyOtherFieldCountsAsZero",
     {"5", "", "3"},
     0,
     {"", "", "3"},
     Fault::none,
     {},
     false,
     3,
     {5, 0, 3}},
    {"oneEmptyDivisorDividesByZero",
     {"5", "6", ""},
     0,
     {"5", "6", ""},
     Fault::zeroDivide,
     "Floating point division by zero"},
    {"zeroOverEmptyIsInvalid",
     {"5", "0", ""},
     0,
     {"5", "0", ""},
     Fault::invalidOp,
     "Invalid floating point operation"},
    {"storingAFieldOverflows",
     {"1E500", "6", "3"},
     0,
     {"1E500", "6", "3"},
     Fault::overflow,
     "Floating point overflow",
     false,
     1},
    {"overflowingFieldEndsReading",
     {"", "1E500", "abc"},
     0,
     {"", "1E500", "abc"},
     Fault::overflow,
     "Floating point overflow",
     false,
     2},
    {"resultBeyondDoubleOverflows",
     {"1E200", "", "1E200"},
     1,
     {"1E200", "", "1E200"},
     Fault::overflow,
     "Floating point overflow"},
};

class FrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameTest, RunsOneClick) {
    const FrameCase& row = GetParam();
    FakeView view(fakePage, {row.texts.begin(), row.texts.end()});
    view.checked = row.checked;
    seenQuantities.clear();

    const auto outcome = click(fakePage, view, row.separator);

    EXPECT_EQ(outcome.fault, row.fault);
    EXPECT_EQ(outcome.message, row.message);
    EXPECT_EQ(view.texts, std::vector<std::string>(row.textsAfter.begin(), row.textsAfter.end()));
    if (row.dialog) {
        EXPECT_EQ(view.dialogs, std::vector<std::string>{std::string(fakeMessage)});
    } else {
        EXPECT_TRUE(view.dialogs.empty());
    }
    if (row.fault != Fault::none || row.dialog || !row.checked) {
        EXPECT_TRUE(view.writes.empty()) << "nothing may be written";
    } else {
        EXPECT_EQ(view.writes.size(), 1u) << "exactly one field is written";
    }
    // Fields are read in order, each once, up to the one that fails.
    std::vector<std::size_t> expectedReads;
    for (std::size_t i = 0; i < row.fieldsRead; ++i) expectedReads.push_back(i);
    EXPECT_EQ(view.reads, expectedReads);
    if (!row.seen.empty()) {
        EXPECT_EQ(seenQuantities, row.seen);
    }
}

INSTANTIATE_TEST_SUITE_P(Clicks, FrameTest, ::testing::ValuesIn(frameCases), testing::RowName());

TEST(FrameAfterAnError, NextClickComputesNormally) {
    FakeView view(fakePage, {"", "6", "0"});
    view.checked = 0;
    EXPECT_EQ(click(fakePage, view, ',').fault, Fault::zeroDivide);
    view.texts[2] = "4";
    EXPECT_EQ(click(fakePage, view, ',').fault, Fault::none);
    EXPECT_EQ(view.texts[0], "1,5");
}

TEST(FrameAfterAZeroResult, EmptiedFieldMeetsTheEmptyFieldRule) {
    FakeView view(fakePage, {"5", "0", "3"});
    view.checked = 0;
    EXPECT_EQ(click(fakePage, view, ',').fault, Fault::none);
    EXPECT_EQ(view.texts[0], "");
    view.texts[1] = "";
    EXPECT_EQ(click(fakePage, view, ',').fault, Fault::none);
    EXPECT_EQ(view.dialogs.size(), 1u);
}

}  // namespace
}  // namespace motrel
