#include <gtest/gtest.h>

#include <cmath>

#include "finance/LoanFinance.h"
#include "finance/MathError.h"

using namespace quorvant;

namespace {

// Results may differ from the reference values in the last one or two digits.
void ExpectClose(double expected, double actual, double relative = 1e-14)
{
    EXPECT_NEAR(expected, actual, std::fabs(expected) * relative) << "expected " << expected;
}

} // namespace

TEST(LoanPayment, DefaultWorksheetAndShortcuts)
{
    ExpectClose(700.4859442936728, LoanPayment(360, 108000, 0.005625));
    EXPECT_EQ(300.0, LoanPayment(360, 108000, 0));
    // The period test comes before the rate test.
    EXPECT_EQ(0.0, LoanPayment(0, 108000, 0.005625));
    EXPECT_EQ(0.0, LoanPayment(0, 108000, -5));
}

TEST(LoanPayment, NegativePeriodsGiveANegativePayment)
{
    EXPECT_LT(LoanPayment(-12, 1000, 0.01), 0);
}

TEST(LoanPayment, FailuresRaiseMathError)
{
    EXPECT_THROW(LoanPayment(360, 108000, -1), MathError);   // log of zero
    EXPECT_THROW(LoanPayment(360, 108000, -1.5), MathError); // log of a negative
    EXPECT_THROW(LoanPayment(-1100, 1, 1), MathError);       // 2^1100 overflows
    EXPECT_NO_THROW(LoanPayment(-1000, 1, 1));               // 2^1000 does not
    EXPECT_THROW(LoanPayment(360, 1000, 1e-25), MathError);  // 1 - v is 0
}

TEST(ClampedPower, ZeroBaseCapAndNegativeBase)
{
    EXPECT_EQ(0.0, ClampedPower(0, -5));
    EXPECT_EQ(0.0, ClampedPower(0, 0));
    ExpectClose(1.6516362549940018e38, ClampedPower(1e-30, -5)); // 345.4 capped at 88
    ExpectClose(1.6516362549940018e38, ClampedPower(10, 1000));
    ExpectClose(8.0, ClampedPower(2, 3));
    // No lower cap: a tiny power underflows quietly.
    EXPECT_EQ(0.0, ClampedPower(1e-30, 20));
    EXPECT_THROW(ClampedPower(-2, 2), MathError);
}

TEST(AnnuityDueFactor, TermsAddedOneByOne)
{
    ExpectClose(2.970395059307911, AnnuityDueFactor(3, 0.01));
    for (int periods : {2, 1, 0, -7})
        ExpectClose(1.99009900990099, AnnuityDueFactor(periods, 0.01));
    ExpectClose(360.0, AnnuityDueFactor(360, 0));
}

TEST(AnnuityDueFactor, Failures)
{
    EXPECT_THROW(AnnuityDueFactor(360, -1), MathError);         // 1 / 0 in the first step
    EXPECT_THROW(AnnuityDueFactor(3, -2), MathError);           // negative base reaches the power
    EXPECT_NO_THROW(AnnuityDueFactor(2, -2));                   // ... but only when the loop runs
    EXPECT_THROW(AnnuityDueFactor(100, -1 + 1e-10), MathError); // a power underflows
}

TEST(SolveApr, DefaultWorksheetAndWithoutFees)
{
    ExpectClose(7.0746200766647, SolveApr(30, 104500, 700.4859442936728), 1e-13);
    ExpectClose(6.75, SolveApr(30, 108000, 700.4859442936728), 1e-12);
}

TEST(SolveApr, ShortcutsRunNoIteration)
{
    EXPECT_EQ(0.0, SolveApr(0, 104500, 700.49));
    EXPECT_EQ(0.0, SolveApr(30, 104500, 0));
    // A zero payment wins even over an absurd amount.
    EXPECT_EQ(0.0, SolveApr(30, -1e300, 0));
}

TEST(SolveApr, DivergingEstimates)
{
    // Nothing is financed: the estimate roughly doubles 30 times.
    const double g = SolveApr(30, 0, 700.4859442936728);
    EXPECT_GT(g, 1.3e10);
    EXPECT_LT(g, 1.5e10);
    // Financing a negative amount grows until g + 0.1 == g, then divides by zero.
    EXPECT_THROW(SolveApr(30, -92000, 700.4859442936728), MathError);
}
