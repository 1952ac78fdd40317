#pragma once
// Pure loan finance functions: no state, no settings, no user interface.
// Period rates are fractions per month (annual per cent / 1200); SolveApr
// takes and returns annual per cent. Every failure raises MathError.

#include <cstdint>

namespace quorvant {

// Level payment per period of an amortising loan.
double LoanPayment(std::int32_t Periods, double Principal, double PeriodRate);

// Sum of (1 + PeriodRate)^-k for k = 0 .. Periods - 1, term by term; the
// terms for k = 0 and 1 are always present.
double AnnuityDueFactor(std::int32_t Periods, double PeriodRate);

// Base^Exponent with the exponent of e capped at 88; a zero base gives 0.
double ClampedPower(double Base, double Exponent);

// The annual percentage rate at which Payment at the end of each of
// Years * 12 months is worth AmountFinanced: 30 secant steps from 12.5 %.
double SolveApr(std::int32_t Years, double AmountFinanced, double Payment);

} // namespace quorvant
