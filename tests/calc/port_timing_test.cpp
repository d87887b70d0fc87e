// Transfer / exhaust port timing against port height.
#include "motrel/port_timing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc_test_support.h"
#include "motrel/number_text.h"

namespace motrel {
namespace {

using testing::Expected;
using testing::expectResult;
using testing::Fault;
using testing::fullPrecision;
using namespace port_timing;

// Stroke and rod of the page at start; deck 1 unless a row says otherwise.
struct Engine {
    double D = 1;
    double S = 38;
    double L = 85;
};

struct ComputationCase {
    const char* name;
    double given;  // the timing for the height, the height for the timing
    Engine engine;
    Expected expected;
};

const ComputationCase heightCases[] = {
    {"t120", 120, {}, {.digits = "31.107854"}},
    {"t180", 180, {}, {.digits = "22.150739"}},
    {"t0IsDeckPlusStroke", 0, {}, {.text = "39"}},
    {"t360IsDeck", 360, {}, {.text = "1"}},
    {"t360WithNegativeDeck", 360, {.D = -1}, {.text = "-1"}},
    {"t400IsHeightFor320", 400, {}, {.digits = "2.394609"}},
    // A rod shorter than r |sin theta|: the square root of a negative number.
    {"rodTooShort", 180, {.L = 10}, {.fault = Fault::invalidOp}},
    {"heightBeyondDoubleRange",
     0,
     {.D = 1e308, .S = 1e308, .L = 1e308},
     {.fault = Fault::overflow}},
};

class PortHeightTest : public ::testing::TestWithParam<ComputationCase> {};

TEST_P(PortHeightTest, FromTiming) {
    const auto& row = GetParam();
    expectResult([&] { return portHeight(row.given, row.engine.D, row.engine.S, row.engine.L); },
                 row.expected);
}

INSTANTIATE_TEST_SUITE_P(Timings, PortHeightTest, ::testing::ValuesIn(heightCases),
                         testing::RowName());

const ComputationCase timingCases[] = {
    {"h25", 25, {}, {.digits = "162.441077"}},
    {"h20", 20, {}, {.digits = "192.834106"}},
    {"displayedHeightReadBack", 31.11, {}, {.digits = "119.983133"}},
    // With H - D between 2L and 2L + S the formula gives a timing again.
    {"beyondTwiceTheRod", 172, {}, {.digits = "317.762546"}},
    {"atDeckIsExactly360", 1, {}, {.exact = 360.0}},
    // X = -1: arccos gives the extended pi, above the stored pi, so T is about -3.7e-13.
    {"atDeckPlusStrokeIsEmpty", 39, {}, {.text = ""}},
    {"atTwiceRodPlusStrokeIsEmpty", 209, {}, {.text = ""}},
    {"aboveTheCrownAtTdc", 0.9, {}, {.fault = Fault::invalidOp}},
    {"belowTheCrownAtBdc", 39.1, {}, {.fault = Fault::invalidOp}},
    {"betweenStrokeAndTwiceTheRod", 100, {}, {.fault = Fault::invalidOp}},
    {"beyondTwiceRodPlusStroke", 209.5, {}, {.fault = Fault::invalidOp}},
    // D + S only up to the rounding of 38.7 and 0.7: X is about 2e-16 below -1.
    {"deckPlusStrokeByRounding", 38.7, {.D = 0.7}, {.fault = Fault::invalidOp}},
    {"atCrankRadiusPlusRodPlusDeck", 105, {}, {.fault = Fault::zeroDivide}},
    {"noStroke", 20, {.S = 0}, {.fault = Fault::zeroDivide}},
    {"noStrokeAtDeck", 1, {.S = 0}, {.fault = Fault::invalidOp}},
};

class PortTimingTest : public ::testing::TestWithParam<ComputationCase> {};

TEST_P(PortTimingTest, FromHeight) {
    const auto& row = GetParam();
    expectResult([&] { return timing(row.given, row.engine.D, row.engine.S, row.engine.L); },
                 row.expected);
}

INSTANTIATE_TEST_SUITE_P(Heights, PortTimingTest, ::testing::ValuesIn(timingCases),
                         testing::RowName());

TEST(PortTiming, AtDeckPlusStrokeIsJustBelowZero) {
    const double t = roundToDouble(timing(39, 1, 38, 85));
    EXPECT_LT(t, 0.0) << fullPrecision(t);
    EXPECT_GT(t, -1e-12) << fullPrecision(t);
}

std::string heightText(double t) {
    return formatResult(roundToDouble(portHeight(t, 1, 38, 85)), ',');
}

TEST(PortHeight, IsSymmetricInTheTiming) {
    for (const double t : {1.0, 30.0, 120.0, 180.0, 320.0, 359.0}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(heightText(-t), heightText(t));
        EXPECT_EQ(heightText(720 - t), heightText(t));
    }
}

// From |theta| = 2^63 radians on (a timing of about 1.057e21) the cosine is 0, as at T = 180.
TEST(PortHeight, HugeTimingsGiveTheHeightFor180) {
    for (const double t : {1.06e21, -1.06e21, 1e22, 1e300}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(heightText(t), heightText(180));
    }
}

// Timing -> height -> timing over realistic engines. The height is stored as a double in
// between; near 0 and 360 degrees that costs up to about 3e-10 degrees.
TEST(PortTimingRoundTrip, TimingThroughHeightReturnsTheTiming) {
    int failures = 0;
    for (double s = 30; s <= 70; s += 10) {
        for (double l = 80; l <= 130; l += 10) {
            for (double d = -1; d <= 3; d += 1) {
                for (double t = 1; t <= 359; t += 2) {
                    const double h = roundToDouble(portHeight(t, d, s, l));
                    const double back = roundToDouble(timing(h, d, s, l));
                    if (std::fabs(back - t) > 1e-9 && ++failures <= 10) {
                        ADD_FAILURE()
                            << "S " << s << " L " << l << " D " << d << " T " << t << ": height "
                            << fullPrecision(h) << " gives " << fullPrecision(back);
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

const testing::PageCase pageCases[] = {
    {"heightFor120", {"120", "", "1", "38", "85"}, "PoorthoogteRadioButton", Fault::none, "31,11"},
    {"timingFromDisplayedHeight",
     {"", "31,11", "1", "38", "85"},
     "TimingRadioButton",
     Fault::none,
     "119,98"},
    {"timingAtDeckPlusStrokeIsEmpty",
     {"", "39", "1", "38", "85"},
     "TimingRadioButton",
     Fault::none,
     ""},
    {"deckPlusStrokeByRoundingFails",
     {"", "38,7", "0,7", "38", "85"},
     "TimingRadioButton",
     Fault::invalidOp,
     "Invalid floating point operation"},
    // 156.044911... by the slider-crank geometry with D = 0.
    {"emptyDeckIsNoDeck", {"10", "25", "", "38", "85"}, "TimingRadioButton", Fault::none, "156,04"},
    {"emptyStrokeDividesByZero",
     {"0", "20", "1", "", "85"},
     "TimingRadioButton",
     Fault::zeroDivide,
     "Floating point division by zero"},
    {"selectedTimingMustBeANumber",
     {"abc", "25", "1", "38", "85"},
     "TimingRadioButton",
     Fault::convert,
     "'abc' is not a valid floating point value"},
    {"noSelectorChangesNothing", {"1", "2", "3", "38", "85"}, nullptr},
    {"atStart", {"", "", "", "38", "85"}, "TimingRadioButton", Fault::none, {}, true},
};

class PortTimingPageTest : public ::testing::TestWithParam<testing::PageCase> {};

TEST_P(PortTimingPageTest, Click) { testing::expectClick(page(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(Clicks, PortTimingPageTest, ::testing::ValuesIn(pageCases),
                         testing::RowName());

TEST(PortTimingPage, HasItsEmptyFieldMessage) {
    EXPECT_EQ(page().emptyFieldMessage, "There are too many fields left empty, fill them out.   ");
}

}  // namespace
}  // namespace motrel
