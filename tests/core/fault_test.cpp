#include "number/fault.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

namespace zolk {
namespace {

struct Raised {
    int flags;
    Fault fault;
};

class FaultPriority : public testing::TestWithParam<Raised> {};

TEST_P(FaultPriority, MostSeriousFlagWins) {
    ClearFloatFaults({});
    std::feraiseexcept(GetParam().flags);
    EXPECT_EQ(RaisedFloatFault({}), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FaultPriority,
    testing::Values(Raised{0, Fault::None}, Raised{FE_INEXACT | FE_UNDERFLOW, Fault::None},
                    Raised{FE_INVALID, Fault::InvalidOperation},
                    Raised{FE_DIVBYZERO, Fault::DivisionByZero},
                    Raised{FE_OVERFLOW, Fault::Overflow},
                    Raised{FE_INVALID | FE_DIVBYZERO, Fault::DivisionByZero},
                    Raised{FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW, Fault::Overflow}));

TEST(Fault, ResultThatIsNotFiniteCountsWithoutAFlag) {
    const double infinite[] = {1, std::numeric_limits<double>::infinity()};
    const double notANumber[] = {std::numeric_limits<double>::quiet_NaN()};
    ClearFloatFaults({});
    EXPECT_EQ(RaisedFloatFault(infinite), Fault::Overflow);
    EXPECT_EQ(RaisedFloatFault(notANumber), Fault::InvalidOperation);
}

TEST(Fault, Messages) {
    EXPECT_EQ(FaultMessage(Fault::InvalidOperation), "Invalid floating point operation");
    EXPECT_EQ(FaultMessage(Fault::DivisionByZero), "Floating point division by zero");
    EXPECT_EQ(FaultMessage(Fault::Overflow), "Floating point overflow");
    EXPECT_EQ(FaultMessage(Fault::None), "");
}

} // namespace
} // namespace zolk
