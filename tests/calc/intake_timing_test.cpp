// Intake (piston-port) timing, intake height and piston length.
#include "motrel/intake_timing.h"

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
using namespace intake_timing;

// Stroke and rod of the page at start; deck 1 and piston length 40 unless a row says otherwise.
struct Engine {
    double D = 1;
    double P = 40;
    double S = 38;
    double L = 85;
};

struct HeightCase {
    const char* name;
    double T;
    Engine engine;
    Expected expected;
};

const HeightCase heightCases[] = {
    {"t130", 130, {}, {.digits = "53.732780"}},
    {"t140", 140, {}, {.digits = "55.397893"}},
    {"t180", 180, {}, {.digits = "62.150739"}},
    {"t0IsDeckPlusPiston", 0, {}, {.text = "41"}},
    {"t360IsDeckPlusPistonPlusStroke", 360, {}, {.text = "79"}},
    {"rodTooShort", 180, {.L = 10}, {.fault = Fault::invalidOp}},
    {"heightBeyondDoubleRange",
     360,
     {.D = 1e308, .P = 1e308, .S = 1, .L = 1},
     {.fault = Fault::overflow}},
};

class IntakeHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(IntakeHeightTest, FromTimingAndPistonLength) {
    const auto& row = GetParam();
    const Engine& e = row.engine;
    expectResult([&] { return intakeHeight(row.T, e.P, e.D, e.S, e.L); }, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Timings, IntakeHeightTest, ::testing::ValuesIn(heightCases),
                         testing::RowName());

struct TimingCase {
    const char* name;
    double I;
    Engine engine;
    Expected expected;
};

const TimingCase timingCases[] = {
    {"i50", 50, {}, {.digits = "106.458468"}},
    {"i60", 60, {}, {.digits = "167.165893"}},
    // With I - D - P between 2L and 2L + S the formula gives a timing again.
    {"beyondTwiceTheRod", 212, {}, {.digits = "42.237453"}},
    // X = 1 exactly.
    {"atDeckPlusPistonIsExactlyZero", 41, {}, {.exact = 0.0}},
    {"atHalfDeckPlusPistonIsExactlyZero", 40.5, {.D = 0.5}, {.exact = 0.0}},
    // X = -1: arccos gives the extended pi, above the stored pi.
    {"atBdcIsJustAbove360", 79, {}, {.text = "360", .exact = 360.0000000000004}},
    {"portNeverOpens", 40.9, {}, {.fault = Fault::invalidOp}},
    {"belowTheSkirtAtBdc", 79.1, {}, {.fault = Fault::invalidOp}},
    {"betweenStrokeAndTwiceTheRod", 100, {}, {.fault = Fault::invalidOp}},
    {"beyondTwiceRodPlusStroke", 249.5, {}, {.fault = Fault::invalidOp}},
    // D + P only up to the rounding of 40.3 and 0.3: X is about 1e-16 above 1.
    {"deckPlusPistonByRounding", 40.3, {.D = 0.3}, {.fault = Fault::invalidOp}},
    {"atCrankRadiusPlusRodPlusDeckPlusPiston", 145, {}, {.fault = Fault::zeroDivide}},
    {"noStroke", 60, {.S = 0}, {.fault = Fault::zeroDivide}},
    {"noStrokeAtDeckPlusPiston", 41, {.S = 0}, {.fault = Fault::invalidOp}},
};

class IntakeTimingTest : public ::testing::TestWithParam<TimingCase> {};

TEST_P(IntakeTimingTest, FromIntakeHeightAndPistonLength) {
    const auto& row = GetParam();
    const Engine& e = row.engine;
    expectResult([&] { return timing(row.I, e.P, e.D, e.S, e.L); }, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Heights, IntakeTimingTest, ::testing::ValuesIn(timingCases),
                         testing::RowName());

struct PistonCase {
    const char* name;
    double T;
    double I;
    Engine engine;
    Expected expected;
};

const PistonCase pistonCases[] = {
    {"fromDisplayedHeight", 130, 53.73, {}, {.digits = "39.997219", .text = "40"}},
    {"t140", 140, 55, {}, {.digits = "39.602106"}},
    {"negative", 130, 10, {}, {.digits = "-3.732780"}},
    {"atTdc", 0, 41, {}, {.text = "40"}},
    {"atBdc", 360, 79, {}, {.text = "40"}},
    {"rodTooShort", 180, 60, {.L = 10}, {.fault = Fault::invalidOp}},
};

class PistonLengthTest : public ::testing::TestWithParam<PistonCase> {};

TEST_P(PistonLengthTest, FromTimingAndIntakeHeight) {
    const auto& row = GetParam();
    const Engine& e = row.engine;
    expectResult([&] { return pistonLength(row.T, row.I, e.D, e.S, e.L); }, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Timings, PistonLengthTest, ::testing::ValuesIn(pistonCases),
                         testing::RowName());

std::string heightText(double t) {
    return formatResult(roundToDouble(intakeHeight(t, 40, 1, 38, 85)), ',');
}
std::string pistonText(double t) {
    return formatResult(roundToDouble(pistonLength(t, 60, 1, 38, 85)), ',');
}

TEST(IntakeHeight, IsSymmetricInTheTiming) {
    for (const double t : {1.0, 130.0, 180.0, 250.0, 359.0}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(heightText(-t), heightText(t));
        EXPECT_EQ(heightText(720 - t), heightText(t));
        EXPECT_EQ(pistonText(-t), pistonText(t));
        EXPECT_EQ(pistonText(720 - t), pistonText(t));
    }
}

// From theta = T / 2 degrees = 2^63 radians on (a timing of about 1.057e21) the cosine is 0.
TEST(IntakeHeight, HugeTimingsGiveTheValuesFor180) {
    for (const double t : {1.06e21, -1.06e21, 1e22, 1e300}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(heightText(t), heightText(180));
        EXPECT_EQ(pistonText(t), pistonText(180));
    }
}

// Over realistic engines: timing -> intake height -> timing returns the timing, and piston
// length and intake height invert each other.
TEST(IntakeRoundTrip, TimingHeightAndPistonLengthInvertEachOther) {
    int failures = 0;
    auto report = [&](bool ok, const std::string& what) {
        if (!ok && ++failures <= 10) ADD_FAILURE() << what;
    };
    for (double s = 30; s <= 70; s += 10) {
        for (double l = 80; l <= 130; l += 10) {
            for (double d = -1; d <= 3; d += 1) {
                for (double p = 30; p <= 50; p += 10) {
                    for (double t = 1; t <= 359; t += 2) {
                        const std::string engine = "S " + std::to_string(s) + " L " +
                                                   std::to_string(l) + " D " + std::to_string(d) +
                                                   " P " + std::to_string(p) + " T " +
                                                   std::to_string(t);
                        const double i = roundToDouble(intakeHeight(t, p, d, s, l));
                        const double tBack = roundToDouble(timing(i, p, d, s, l));
                        report(std::fabs(tBack - t) <= 1e-9,
                               engine + ": timing back " + fullPrecision(tBack));
                        const double pBack = roundToDouble(pistonLength(t, i, d, s, l));
                        report(std::fabs(pBack - p) <= 1e-12,
                               engine + ": piston length back " + fullPrecision(pBack));
                        const double iBack = roundToDouble(intakeHeight(t, pBack, d, s, l));
                        report(std::fabs(iBack - i) <= 1e-12, engine + ": intake height back " +
                                                                  fullPrecision(iBack) + " from " +
                                                                  fullPrecision(i));
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

// Fields: timing, intake height, piston length, deck, stroke, rod.
const testing::PageCase pageCases[] = {
    {"heightFor130",
     {"130", "", "40", "1", "38", "85"},
     "InlaathoogteRadioButton",
     Fault::none,
     "53,73"},
    {"pistonFromDisplayedHeight",
     {"130", "53,73", "", "1", "38", "85"},
     "ZuigerlengteRadioButton",
     Fault::none,
     "40"},
    {"timingAtDeckPlusPistonIsEmpty",
     {"", "41", "40", "1", "38", "85"},
     "TimingRadioButton1",
     Fault::none,
     ""},
    {"deckPlusPistonByRoundingFails",
     {"", "40,3", "40", "0,3", "38", "85"},
     "TimingRadioButton1",
     Fault::invalidOp,
     "Invalid floating point operation"},
    // An empty deck is no deck, an empty piston length a skirt edge level with the crown.
    {"emptyDeckIsNoDeck",
     {"130", "1", "40", "", "38", "85"},
     "InlaathoogteRadioButton",
     Fault::none,
     "52,73"},
    {"emptyPistonLength",
     {"130", "1", "", "1", "38", "85"},
     "InlaathoogteRadioButton",
     Fault::none,
     "13,73"},
    {"emptyStrokeDividesByZero",
     {"0", "60", "40", "1", "", "85"},
     "TimingRadioButton1",
     Fault::zeroDivide,
     "Floating point division by zero"},
    {"selectedTimingMustBeANumber",
     {"abc", "60", "40", "1", "38", "85"},
     "TimingRadioButton1",
     Fault::convert,
     "'abc' is not a valid floating point value"},
    {"noSelectorChangesNothing", {"1", "2", "3", "4", "38", "85"}, nullptr},
    {"atStart", {"", "", "", "", "38", "85"}, "ZuigerlengteRadioButton", Fault::none, {}, true},
};

class IntakePageTest : public ::testing::TestWithParam<testing::PageCase> {};

TEST_P(IntakePageTest, Click) { testing::expectClick(page(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(Clicks, IntakePageTest, ::testing::ValuesIn(pageCases),
                         testing::RowName());

TEST(IntakePage, HasItsEmptyFieldMessage) {
    EXPECT_EQ(page().emptyFieldMessage, "There are too many fields left empty, fill them out.   ");
}

}  // namespace
}  // namespace motrel
