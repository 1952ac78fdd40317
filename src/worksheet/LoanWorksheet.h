#pragma once
// The loan worksheet behind the calculator page: thirteen inputs in the order
// the calculation reads them (also the order of the settings file) and five
// results.

#include <array>
#include <cstddef>

namespace quorvant {

enum class WorksheetInput {
    PurchasePrice,
    DownPaymentPercent,
    Term,
    Interest,
    OriginationFees,
    Points,
    PrepaidInterest,
    MIP,
    Buydown,
    FloodCheck,
    TaxService,
    Other1,
    Other2,
};
inline constexpr std::size_t WorksheetInputCount = 13;

enum class WorksheetResult { DownPayment, LoanAmount, MonthlyPayment, FixedFeesTotal, Apr };
inline constexpr std::size_t WorksheetResultCount = 5;

// The thirteen inputs; also the type of the main window's LastValues.
struct WorksheetInputs {
    double PurchasePrice = 0;
    double DownPaymentPercent = 0;
    double Term = 0; // years
    double Interest = 0;
    double OriginationFees = 0;
    double Points = 0;
    double PrepaidInterest = 0;
    double MIP = 0;
    double Buydown = 0;
    double FloodCheck = 0;
    double TaxService = 0;
    double Other1 = 0; // appraisal
    double Other2 = 0; // other loan and closing fees

    double& operator[](WorksheetInput input) { return this->*Members[static_cast<std::size_t>(input)]; }
    double operator[](WorksheetInput input) const { return this->*Members[static_cast<std::size_t>(input)]; }
    bool operator==(const WorksheetInputs&) const = default;

    static constexpr std::array<double WorksheetInputs::*, WorksheetInputCount> Members{
        &WorksheetInputs::PurchasePrice,
        &WorksheetInputs::DownPaymentPercent,
        &WorksheetInputs::Term,
        &WorksheetInputs::Interest,
        &WorksheetInputs::OriginationFees,
        &WorksheetInputs::Points,
        &WorksheetInputs::PrepaidInterest,
        &WorksheetInputs::MIP,
        &WorksheetInputs::Buydown,
        &WorksheetInputs::FloodCheck,
        &WorksheetInputs::TaxService,
        &WorksheetInputs::Other1,
        &WorksheetInputs::Other2,
    };
};

struct LoanWorksheet : WorksheetInputs {
    double DownPayment = 0;
    double LoanAmount = 0;
    double MonthlyPayment = 0;
    double FixedFeesTotal = 0;
    double Apr = 0;

    double& operator[](WorksheetResult result);
    using WorksheetInputs::operator[];
};

inline double& LoanWorksheet::operator[](WorksheetResult result)
{
    switch (result) {
    case WorksheetResult::DownPayment:
        return DownPayment;
    case WorksheetResult::LoanAmount:
        return LoanAmount;
    case WorksheetResult::MonthlyPayment:
        return MonthlyPayment;
    case WorksheetResult::FixedFeesTotal:
        return FixedFeesTotal;
    case WorksheetResult::Apr:
        break;
    }
    return Apr;
}

// Every input in table order, for loops.
inline constexpr std::array<WorksheetInput, WorksheetInputCount> AllWorksheetInputs{
    WorksheetInput::PurchasePrice,
    WorksheetInput::DownPaymentPercent,
    WorksheetInput::Term,
    WorksheetInput::Interest,
    WorksheetInput::OriginationFees,
    WorksheetInput::Points,
    WorksheetInput::PrepaidInterest,
    WorksheetInput::MIP,
    WorksheetInput::Buydown,
    WorksheetInput::FloodCheck,
    WorksheetInput::TaxService,
    WorksheetInput::Other1,
    WorksheetInput::Other2,
};

} // namespace quorvant
