#pragma once
// The worksheet calculation, written once for both a plain record and the
// main window's fields: inputs are read and results written through
// WorksheetFields, so the order of writes and what has been written when a
// step fails are the same wherever it runs.
//
//   read inputs -> Months -> fees -> DownPayment (written at once)
//     -> LoanPayment -> WholeYears -> SolveApr -> write Apr, fees, loan, payment

#include <stdexcept>
#include <string>

#include "worksheet/LoanWorksheet.h"

namespace quorvant {

class WorksheetFields {
public:
    virtual ~WorksheetFields() = default;
    virtual double ReadInput(WorksheetInput input) = 0;
    virtual void WriteResult(WorksheetResult result, double value) = 0;
};

// A term that is not a whole number of months or years.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid integer value")
    {
    }
};

// Runs the calculation over Fields and returns the inputs that become
// LastValues (the term as whole years). Raises MathError or ConversionError;
// nothing is returned then, and only what was written before stays written.
WorksheetInputs CalculateWorksheet(WorksheetFields& fields, char decimalSeparator);

// The same on a record: results are stored in it.
WorksheetInputs CalculateWorksheet(LoanWorksheet& worksheet, char decimalSeparator);

// A real written with 15 significant digits and read back as an integer, as
// the term conversions do.
int WholeNumber(double value, char decimalSeparator);

} // namespace quorvant
