#include "worksheet/WorksheetCalculation.h"

#include "finance/LoanFinance.h"
#include "worksheet/RealText.h"

namespace quorvant {

int WholeNumber(double value, char decimalSeparator)
{
    const std::string text = FormatReal(value, decimalSeparator);
    const auto whole = ParseDecimalInteger(text);
    if (!whole)
        throw ConversionError(text);
    return *whole;
}

WorksheetInputs CalculateWorksheet(WorksheetFields& fields, char decimalSeparator)
{
    using In = WorksheetInput;
    using Out = WorksheetResult;
    WorksheetInputs in;

    in.PurchasePrice = fields.ReadInput(In::PurchasePrice);
    in.DownPaymentPercent = fields.ReadInput(In::DownPaymentPercent);
    in.Term = fields.ReadInput(In::Term);
    const int Months = WholeNumber(in.Term * 12, decimalSeparator);

    for (std::size_t i = static_cast<std::size_t>(In::Interest); i < WorksheetInputCount; ++i)
        in[AllWorksheetInputs[i]] = fields.ReadInput(AllWorksheetInputs[i]);

    const double FixedFeesTotal = in.OriginationFees + in.Points + in.PrepaidInterest + in.MIP + in.Buydown +
                                  in.FloodCheck + in.TaxService + in.Other1 + in.Other2;
    const double DownPayment = in.DownPaymentPercent / 100 * in.PurchasePrice;
    fields.WriteResult(Out::DownPayment, DownPayment);

    const double LoanAmount = in.PurchasePrice - DownPayment;
    const double MonthlyPayment = LoanAmount > 0 ? LoanPayment(Months, LoanAmount, in.Interest / 1200) : 0;
    const double AmountFinanced = LoanAmount - FixedFeesTotal;
    const int WholeYears = WholeNumber(static_cast<double>(Months) / 12, decimalSeparator);
    const double Apr = SolveApr(WholeYears, AmountFinanced, MonthlyPayment);

    fields.WriteResult(Out::Apr, Apr);
    fields.WriteResult(Out::FixedFeesTotal, FixedFeesTotal);
    fields.WriteResult(Out::LoanAmount, LoanAmount);
    fields.WriteResult(Out::MonthlyPayment, MonthlyPayment);

    in.Term = WholeYears;
    return in;
}

namespace {

class RecordFields final : public WorksheetFields {
public:
    explicit RecordFields(LoanWorksheet& worksheet) : worksheet_(worksheet) {}
    double ReadInput(WorksheetInput input) override { return worksheet_[input]; }
    void WriteResult(WorksheetResult result, double value) override { worksheet_[result] = value; }

private:
    LoanWorksheet& worksheet_;
};

} // namespace

WorksheetInputs CalculateWorksheet(LoanWorksheet& worksheet, char decimalSeparator)
{
    RecordFields fields(worksheet);
    return CalculateWorksheet(fields, decimalSeparator);
}

} // namespace quorvant
