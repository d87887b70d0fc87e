// Actual (chord) width of a port against its port-map (arc) width on the bore.
#include "motrel/port_width.h"

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
using namespace port_width;

struct WidthCase {
    const char* name;
    double given;  // the port-map width for the actual width, the actual width for the other
    double B;
    Expected expected;
};

const WidthCase actualWidthCases[] = {
    {"m20", 20, 40, {.digits = "19.177", .text = "19,18"}},
    {"moreThanHalfTheCircumference", 100, 40, {.text = "23,94"}},
    {"negativeWidth", -20, 40, {.text = "-19,18"}},
    {"negativeBore", 20, -40, {.text = "19,18"}},
    {"zeroWidthIsEmpty", 0, 40, {.text = ""}},
    // |M / B| from 2^63 on: the sine is 0.
    {"hugeAngleGivesZero", 1e20, 1, {.text = ""}},
    {"noBoreDividesByZero", 20, 0, {.fault = Fault::zeroDivide}},
    {"noBoreNoWidthIsInvalid", 0, 0, {.fault = Fault::invalidOp}},
};

class ActualWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ActualWidthTest, FromPortMapWidth) {
    const auto& row = GetParam();
    expectResult([&] { return actualWidth(row.given, row.B); }, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, ActualWidthTest, ::testing::ValuesIn(actualWidthCases),
                         testing::RowName());

const WidthCase portMapWidthCases[] = {
    {"fromDisplayedWidth", 19.18, 40, {.digits = "20.003", .text = "20"}},
    {"fullBoreIsQuarterCircumference", 40, 40, {.text = "62,83"}},
    {"arcOfAtMostHalfTheCircumference", 23.94, 40, {.text = "25,67"}},
    {"negativeWidth", -19.18, 40, {.text = "-20"}},
    {"negativeBore", 19.18, -40, {.text = "20"}},
    {"zeroWidthIsEmpty", 0, 40, {.text = ""}},
    {"justWiderThanBoreIsInvalid", 40.001, 40, {.fault = Fault::invalidOp}},
    {"noBoreDividesByZero", 20, 0, {.fault = Fault::zeroDivide}},
    {"noBoreNoWidthIsInvalid", 0, 0, {.fault = Fault::invalidOp}},
    // pi/2 times a bore above about 1.14e308 leaves the double range.
    {"hugeBoreOverflows", 1.7e308, 1.7e308, {.fault = Fault::overflow}},
    {"largeBoreFits", 1.1e308, 1.1e308, {}},
};

class PortMapWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(PortMapWidthTest, FromActualWidth) {
    const auto& row = GetParam();
    expectResult([&] { return portMapWidth(row.given, row.B); }, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, PortMapWidthTest, ::testing::ValuesIn(portMapWidthCases),
                         testing::RowName());

// Arcs up to 0.95 of a quarter circumference; closer to it the arc sine's slope grows without
// bound.
TEST(PortWidthRoundTrip, ArcThroughChordReturnsTheArc) {
    int failures = 0;
    const double pi = 3.14159265358979323846;
    for (double b = 38; b <= 70; b += 4) {
        for (double fraction = -0.95; fraction <= 0.95; fraction += 0.05) {
            const double m = fraction * pi * b / 2;
            const double w = roundToDouble(actualWidth(m, b));
            const double back = roundToDouble(portMapWidth(w, b));
            if (std::fabs(back - m) > 1e-10 && ++failures <= 10) {
                ADD_FAILURE() << "B " << b << " M " << fullPrecision(m) << ": width "
                              << fullPrecision(w) << " gives " << fullPrecision(back);
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

// Fields: actual width, port-map width, bore.
const testing::PageCase pageCases[] = {
    {"actualWidth", {"", "20", "40"}, "WerkelijkebreedteRadioButton", Fault::none, "19,18"},
    {"portMapWidth", {"19,18", "", "40"}, "PoortmapbreedteRadioButton", Fault::none, "20"},
    {"emptyActualWidthGivesEmpty", {"", "5", "40"}, "PoortmapbreedteRadioButton", Fault::none, ""},
    {"emptyPortMapWidthGivesEmpty",
     {"5", "", "40"},
     "WerkelijkebreedteRadioButton",
     Fault::none,
     ""},
    {"twoEmptyShowDialog",
     {"", "20", ""},
     "WerkelijkebreedteRadioButton",
     Fault::none,
     {},
     true},
    {"oneEmptyBoreDividesByZero",
     {"1", "20", ""},
     "WerkelijkebreedteRadioButton",
     Fault::zeroDivide,
     "Floating point division by zero"},
    {"selectedWidthMustBeANumber",
     {"abc", "20", "40"},
     "WerkelijkebreedteRadioButton",
     Fault::convert,
     "'abc' is not a valid floating point value"},
    {"widerThanBore",
     {"40,001", "", "40"},
     "PoortmapbreedteRadioButton",
     Fault::invalidOp,
     "Invalid floating point operation"},
    {"noSelectorStillMeetsEmptyFieldRule", {"", "", "40"}, nullptr, Fault::none, {}, true},
    {"noSelectorChangesNothing", {"1", "2", "40"}, nullptr},
};

class PortWidthPageTest : public ::testing::TestWithParam<testing::PageCase> {};

TEST_P(PortWidthPageTest, Click) { testing::expectClick(page(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(Clicks, PortWidthPageTest, ::testing::ValuesIn(pageCases),
                         testing::RowName());

TEST(PortWidthPage, HasItsEmptyFieldMessage) {
    EXPECT_EQ(page().emptyFieldMessage, "There are too many fields left empty, fill them out.   ");
}

}  // namespace
}  // namespace motrel
