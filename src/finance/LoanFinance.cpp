#include "finance/LoanFinance.h"

#include <cmath>

#include "finance/MathError.h"

namespace quorvant {

// Intermediate arithmetic runs in extended precision (long double, 80-bit
// on x86-64); every named value is rounded to double when it is formed.
namespace {

using Extended = long double;

[[noreturn, gnu::noinline, gnu::cold]] void Raise(MathError::Kind kind)
{
    throw MathError(kind);
}

// Rounds to double, raising on a result outside the double range. The test
// runs on the double: a value beyond the range has rounded to infinity.
[[gnu::always_inline]] inline double Named(Extended value)
{
    const double rounded = static_cast<double>(value);
    if (!std::isfinite(rounded)) [[unlikely]]
        Raise(std::isnan(rounded) ? MathError::Kind::InvalidOperation : MathError::Kind::Overflow);
    return rounded;
}

[[gnu::always_inline]] inline Extended Ln(Extended x)
{
    if (!(x > 0)) [[unlikely]]
        Raise(x == 0 ? MathError::Kind::DivisionByZero : MathError::Kind::InvalidOperation);
    return std::log(x);
}

[[gnu::always_inline]] inline Extended Divide(Extended numerator, Extended denominator)
{
    if (denominator == 0) [[unlikely]]
        Raise(numerator == 0 ? MathError::Kind::InvalidOperation : MathError::Kind::DivisionByZero);
    return numerator / denominator;
}

// e^t as a double; underflow is not an error.
[[gnu::always_inline]] inline double ExpToDouble(Extended t)
{
    // ln(DBL_MAX) is about 709.78: anything above cannot be a double.
    if (t > static_cast<Extended>(709.782712893384)) [[unlikely]]
        Raise(MathError::Kind::Overflow);
    return Named(std::exp(t));
}

} // namespace

double LoanPayment(std::int32_t Periods, double Principal, double PeriodRate)
{
    if (Periods == 0)
        return 0;
    if (PeriodRate == 0)
        return Named(Divide(Principal, Periods));
    const double v = ExpToDouble(Ln(Extended(1) + PeriodRate) * -Extended(Periods));
    return Named(Divide(Extended(Principal) * PeriodRate, Extended(1) - v));
}

double ClampedPower(double Base, double Exponent)
{
    if (Base == 0)
        return 0;
    if (Base < 0) [[unlikely]]
        Raise(MathError::Kind::InvalidOperation);
    double t = Named(Ln(Base) * Exponent);
    if (t > 88)
        t = 88;
    return ExpToDouble(t);
}

double AnnuityDueFactor(std::int32_t Periods, double PeriodRate)
{
    double acc = Named(Divide(1, Extended(1) + PeriodRate) + 1);
    // The base is the same for every term.
    const double b = Named(Extended(1) + PeriodRate);
    for (std::int32_t i = 2; i < Periods; ++i) {
        const double term = Named(Divide(1, ClampedPower(b, static_cast<double>(i))));
        acc = Named(Extended(acc) + term);
    }
    return acc;
}

double SolveApr(std::int32_t Years, double AmountFinanced, double Payment)
{
    // Integer arithmetic wraps as the 32-bit original did, instead of
    // being undefined.
    const auto n = static_cast<std::int32_t>(static_cast<std::uint32_t>(Years) * 12u);
    if (n == 0)
        return 0;
    if (Payment == 0)
        return 0;
    double g = 12.5;
    for (int iteration = 0; iteration < 30; ++iteration) {
        const double r1 = Named(Extended(g) / 1200);
        const double V1 = Named(Divide(Extended(AnnuityDueFactor(n, r1)) * Payment, Extended(1) + r1));
        const double g2 = Named(Extended(g) + 0.1L);
        const double r2 = Named(Extended(g2) / 1200);
        const double V2 = Named(Divide(Extended(AnnuityDueFactor(n, r2)) * Payment, Extended(1) + r2));
        g = Named(g + Divide(0.1L * (Extended(AmountFinanced) - V1), Extended(V2) - V1));
    }
    return g;
}

} // namespace quorvant
