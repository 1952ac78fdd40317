#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "finance/MathError.h"
#include "worksheet/SettingsFile.h"
#include "worksheet/WorksheetCalculation.h"

using namespace quorvant;

namespace {

// Fields that log every read and write, to check the calculation's order.
class LoggingFields : public WorksheetFields {
public:
    explicit LoggingFields(LoanWorksheet sheet) : sheet(sheet) {}
    double ReadInput(WorksheetInput input) override
    {
        reads.push_back(input);
        return sheet[input];
    }
    void WriteResult(WorksheetResult result, double value) override
    {
        writes.push_back(result);
        sheet[result] = value;
    }
    LoanWorksheet sheet;
    std::vector<WorksheetInput> reads;
    std::vector<WorksheetResult> writes;
};

LoanWorksheet Defaults()
{
    LoanWorksheet sheet;
    static_cast<WorksheetInputs&>(sheet) = DefaultInputs();
    return sheet;
}

void ExpectClose(double expected, double actual, double relative = 1e-13)
{
    EXPECT_NEAR(expected, actual, std::fabs(expected) * relative);
}

} // namespace

TEST(WorksheetCalculation, DefaultWorksheet)
{
    LoggingFields fields(Defaults());
    const WorksheetInputs last = CalculateWorksheet(fields, '.');
    EXPECT_EQ(12000, fields.sheet.DownPayment);
    EXPECT_EQ(108000, fields.sheet.LoanAmount);
    ExpectClose(700.4859442936728, fields.sheet.MonthlyPayment, 1e-15);
    EXPECT_EQ(3500, fields.sheet.FixedFeesTotal);
    ExpectClose(7.0746200766647, fields.sheet.Apr);
    EXPECT_EQ(DefaultInputs(), last);
}

TEST(WorksheetCalculation, ReadsInTableOrderAndWritesDownPaymentFirst)
{
    LoggingFields fields(Defaults());
    CalculateWorksheet(fields, '.');
    EXPECT_EQ(std::vector<WorksheetInput>(AllWorksheetInputs.begin(), AllWorksheetInputs.end()),
              fields.reads);
    using R = WorksheetResult;
    EXPECT_EQ((std::vector<R>{R::DownPayment, R::Apr, R::FixedFeesTotal, R::LoanAmount, R::MonthlyPayment}),
              fields.writes);
}

TEST(WorksheetCalculation, Variants)
{
    {
        LoanWorksheet sheet = Defaults();
        for (std::size_t i = 4; i < WorksheetInputCount; ++i)
            sheet[AllWorksheetInputs[i]] = 0;
        CalculateWorksheet(sheet, '.');
        ExpectClose(6.75, sheet.Apr, 1e-12);
        EXPECT_EQ(0, sheet.FixedFeesTotal);
    }
    {
        LoanWorksheet sheet = Defaults();
        sheet.Interest = 0;
        CalculateWorksheet(sheet, '.');
        EXPECT_EQ(300, sheet.MonthlyPayment);
        EXPECT_NEAR(0.2202486, sheet.Apr, 1e-6);
    }
    {
        LoanWorksheet sheet = Defaults();
        sheet.DownPaymentPercent = 100;
        CalculateWorksheet(sheet, '.');
        EXPECT_EQ(0, sheet.LoanAmount);
        EXPECT_EQ(0, sheet.MonthlyPayment);
        EXPECT_EQ(0, sheet.Apr);
        EXPECT_EQ(3500, sheet.FixedFeesTotal);
    }
    {
        LoanWorksheet sheet = Defaults();
        sheet.DownPaymentPercent = 120; // a negative loan amount pays nothing
        CalculateWorksheet(sheet, '.');
        EXPECT_EQ(-24000, sheet.LoanAmount);
        EXPECT_EQ(0, sheet.MonthlyPayment);
        EXPECT_EQ(0, sheet.Apr);
    }
    {
        LoanWorksheet sheet = Defaults();
        sheet.Term = 0;
        CalculateWorksheet(sheet, '.');
        EXPECT_EQ(0, sheet.MonthlyPayment);
        EXPECT_EQ(0, sheet.Apr);
    }
    {
        // Fees equal to the loan amount: nothing financed, an absurd APR but no error.
        LoanWorksheet sheet = Defaults();
        sheet.OriginationFees = 108000 - 2300;
        CalculateWorksheet(sheet, '.');
        EXPECT_GT(sheet.Apr, 1.3e10);
        EXPECT_LT(sheet.Apr, 1.5e10);
    }
}

TEST(WorksheetCalculation, MathErrorLeavesOnlyTheDownPaymentWritten)
{
    LoanWorksheet sheet = Defaults();
    sheet.OriginationFees = 200000;
    sheet.LoanAmount = 1;
    sheet.MonthlyPayment = 2;
    sheet.FixedFeesTotal = 3;
    sheet.Apr = 4;
    LoggingFields fields(sheet);
    EXPECT_THROW(CalculateWorksheet(fields, '.'), MathError);
    EXPECT_EQ(std::vector<WorksheetResult>{WorksheetResult::DownPayment}, fields.writes);
    EXPECT_EQ(12000, fields.sheet.DownPayment);
    EXPECT_EQ(4, fields.sheet.Apr);
}

TEST(WorksheetCalculation, TermConversions)
{
    {
        // 30.05 years is no whole number of months: fails before any write.
        LoanWorksheet sheet = Defaults();
        sheet.Term = 30.05;
        LoggingFields fields(sheet);
        try {
            CalculateWorksheet(fields, '.');
            FAIL() << "no conversion error";
        } catch (const ConversionError& e) {
            EXPECT_STREQ("'360.6' is not a valid integer value", e.what());
        }
        EXPECT_TRUE(fields.writes.empty());
        EXPECT_EQ(3u, fields.reads.size());
    }
    {
        // 2.5 years is 30 months but no whole number of years: fails in the
        // second conversion, after the down payment is written.
        LoanWorksheet sheet = Defaults();
        sheet.Term = 2.5;
        LoggingFields fields(sheet);
        EXPECT_THROW(CalculateWorksheet(fields, '.'), ConversionError);
        EXPECT_EQ(std::vector<WorksheetResult>{WorksheetResult::DownPayment}, fields.writes);
    }
    {
        // A product that rounds to a whole number at 15 digits passes, and
        // LastValues keeps the whole years.
        LoanWorksheet sheet = Defaults();
        sheet.Term = 30 + 1e-14;
        ASSERT_NE(30, sheet.Term);
        const WorksheetInputs last = CalculateWorksheet(sheet, '.');
        EXPECT_EQ(30, last.Term);
        sheet.Term = 30 + 1e-13; // 360.000000000001 months
        EXPECT_THROW(CalculateWorksheet(sheet, '.'), ConversionError);
    }
    EXPECT_THROW(WholeNumber(1e20, '.'), ConversionError); // "1.2E21"
    EXPECT_THROW(WholeNumber(3e9, '.'), ConversionError);  // beyond 32 bits
    EXPECT_EQ(-24, WholeNumber(-24, ','));
}
