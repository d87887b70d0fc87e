// Checked extended arithmetic: which operation raises which error, with which message.
#include "motrel/extended.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>

#include "calc_test_support.h"
#include "motrel/errors.h"

namespace motrel {
namespace {

using testing::Fault;
using testing::faultOf;
using testing::fullPrecision;

TEST(ErrorKinds, FormTheirHierarchy) {
    static_assert(std::is_base_of_v<EMathError, EInvalidOp>);
    static_assert(std::is_base_of_v<EMathError, EZeroDivide>);
    static_assert(std::is_base_of_v<EMathError, EOverflow>);
    static_assert(std::is_base_of_v<EExternal, EMathError>);
    static_assert(std::is_base_of_v<Exception, EExternal>);
    static_assert(std::is_base_of_v<Exception, EConvertError>);
    static_assert(!std::is_base_of_v<EMathError, EConvertError>);
    static_assert(!std::is_base_of_v<EExternal, EConvertError>);
}

TEST(ErrorKinds, CarryTheirMessages) {
    EXPECT_EQ(std::string(EInvalidOp().what()), "Invalid floating point operation");
    EXPECT_EQ(std::string(EZeroDivide().what()), "Floating point division by zero");
    EXPECT_EQ(std::string(EOverflow().what()), "Floating point overflow");
    EXPECT_EQ(std::string(EConvertError("  x ").what()),
              "'  x ' is not a valid floating point value");
}

TEST(ErrorKinds, AreCaughtAsTheirBases) {
    EXPECT_THROW(throw EInvalidOp(), EMathError);
    EXPECT_THROW(throw EZeroDivide(), EExternal);
    EXPECT_THROW(throw EOverflow(), Exception);
    EXPECT_THROW(throw EConvertError("a"), Exception);
}

constexpr long double extendedMax = std::numeric_limits<long double>::max();

struct OperationCase {
    const char* name;
    std::function<Extended()> operation;
    Fault fault;
};

const OperationCase operationCases[] = {
    {"zeroOverZeroIsInvalid", [] { return Extended(0.0) / Extended(0.0); }, Fault::invalidOp},
    {"minusZeroOverZeroIsInvalid", [] { return Extended(-0.0) / Extended(0.0); }, Fault::invalidOp},
    {"oneOverZeroDividesByZero", [] { return Extended(1.0) / Extended(0.0); }, Fault::zeroDivide},
    {"negativeOverMinusZeroDividesByZero", [] { return Extended(-5.0) / Extended(-0.0); },
     Fault::zeroDivide},
    {"tinyOverZeroDividesByZero", [] { return Extended(4e-4950L) / Extended(0.0); },
     Fault::zeroDivide},
    {"sqrtOfMinusOneIsInvalid", [] { return sqrt(Extended(-1.0)); }, Fault::invalidOp},
    {"sqrtOfTinyNegativeIsInvalid", [] { return sqrt(Extended(-1e-4000L)); }, Fault::invalidOp},
    {"sqrtOfMinusZeroIsFine", [] { return sqrt(Extended(-0.0)); }, Fault::none},
    {"arcsinBeyondOneIsInvalid", [] { return arcsin(Extended(1.0000001)); }, Fault::invalidOp},
    {"arccosBelowMinusOneIsInvalid", [] { return arccos(Extended(std::nextafter(-1.0, -2.0))); },
     Fault::invalidOp},
    {"productBeyondExtendedOverflows", [] { return Extended(extendedMax) * Extended(2.0); },
     Fault::overflow},
    {"sumBeyondExtendedOverflows", [] { return Extended(extendedMax) + Extended(extendedMax); },
     Fault::overflow},
    {"quotientBeyondExtendedOverflows", [] { return Extended(1e4000L) / Extended(1e-4000L); },
     Fault::overflow},
    // An intermediate beyond the double range but inside the extended range raises nothing.
    {"beyondDoubleInsideExtendedIsFine", [] { return Extended(DBL_MAX) * Extended(DBL_MAX); },
     Fault::none},
    {"underflowIsSilent", [] { return Extended(1e-4000L) * Extended(1e-4000L); }, Fault::none},
    {"underflowingQuotientIsSilent", [] { return Extended(1e-4000L) / Extended(1e4000L); },
     Fault::none},
};

class CheckedOperationTest : public ::testing::TestWithParam<OperationCase> {};

TEST_P(CheckedOperationTest, RaisesItsFault) {
    EXPECT_EQ(faultOf(GetParam().operation), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(Operations, CheckedOperationTest, ::testing::ValuesIn(operationCases),
                         testing::RowName());

TEST(CheckedOperation, UnderflowGivesZero) {
    const long double product = (Extended(1e-4000L) * Extended(1e-4000L)).value();
    EXPECT_EQ(product, 0.0L) << fullPrecision(product);
}

struct StoringCase {
    const char* name;
    long double value;
    bool overflows;
};

// Half a unit in the last place of DBL_MAX is 2^970: below it the value rounds down to DBL_MAX;
// at it the tie goes to the even neighbour, which is 2^1024.
const StoringCase storingCases[] = {
    {"largestDouble", DBL_MAX, false},
    {"roundsDownToLargestDouble", static_cast<long double>(DBL_MAX) + 0x1p969L, false},
    {"tieRoundsUpBeyondLargestDouble", static_cast<long double>(DBL_MAX) + 0x1p970L, true},
    {"beyondDoubleRange", 1e309L, true},
    {"negativeBeyondDoubleRange", -1e309L, true},
    {"extendedMaximum", extendedMax, true},
    {"subnormalIsSilent", 1e-320L, false},
    {"tooSmallIsSilent", 1e-400L, false},
};

class StoringTest : public ::testing::TestWithParam<StoringCase> {};

TEST_P(StoringTest, OverflowsOnlyBeyondTheLargestDouble) {
    const auto& row = GetParam();
    if (row.overflows) {
        EXPECT_THROW(roundToDouble(row.value), EOverflow) << fullPrecision(row.value);
    } else {
        EXPECT_NO_THROW(roundToDouble(row.value)) << fullPrecision(row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, StoringTest, ::testing::ValuesIn(storingCases),
                         testing::RowName());

TEST(Storing, RoundsToNearestDouble) {
    EXPECT_EQ(roundToDouble(static_cast<long double>(DBL_MAX) + 0x1p969L), DBL_MAX);
    EXPECT_EQ(roundToDouble(1e-400L), 0.0);
    EXPECT_EQ(roundToDouble(1.0L + 0x1p-60L), 1.0);
}

TEST(Trigonometry, SineAndCosineAreZeroFrom2To63) {
    for (const long double x : {0x1p63L, -0x1p63L, 0x1p64L, 1e21L, 1e4000L}) {
        SCOPED_TRACE(fullPrecision(x));
        EXPECT_EQ(sin(Extended(x)).value(), 0.0L);
        EXPECT_EQ(cos(Extended(x)).value(), 0.0L);
    }
}

TEST(Trigonometry, SineAndCosineBelow2To63AreOrdinary) {
    const long double x = std::nextafter(0x1p63L, 0.0L);
    EXPECT_NE(sin(Extended(x)).value(), 0.0L) << fullPrecision(x);
    EXPECT_NE(cos(Extended(x)).value(), 0.0L) << fullPrecision(x);
    EXPECT_EQ(cos(Extended(0.0)).value(), 1.0L);
    EXPECT_NEAR(static_cast<double>(sin(Extended(0.5L)).value()), 0.47942553860420301, 1e-16);
}

// arcsin(1) and arccos(-1) come from the arc tangent, so they give the extended pi, which the
// stored pi lies below.
TEST(Trigonometry, ArcFunctionsReachTheExtendedPi) {
    const long double pi = 3.14159265358979323846264338327950288L;
    EXPECT_EQ(arccos(Extended(-1.0)).value(), std::atan2(0.0L, -1.0L));
    EXPECT_NEAR(static_cast<double>(arccos(Extended(-1.0)).value() - pi), 0.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(arcsin(Extended(1.0)).value() - pi / 2), 0.0, 1e-18);
    EXPECT_EQ(arccos(Extended(1.0)).value(), 0.0L);
    EXPECT_GT(arccos(Extended(-1.0)).value(), static_cast<long double>(storedPi));
}

TEST(Trigonometry, ArcSineKeepsTheSign) {
    EXPECT_NEAR(static_cast<double>(arcsin(Extended(-0.5)).value()), -0.52359877559829887, 1e-15);
    EXPECT_NEAR(static_cast<double>(arccos(Extended(0.5)).value()), 1.0471975511965976, 1e-15);
}

TEST(StoredPi, HasItsBitPattern) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(storedPi), 0x400921FB54442D11u);
}

}  // namespace
}  // namespace motrel
