// Leaving an input field of the real main window (the field's own exit work,
// the form's exit event, the calculation through the thirteen fields and the
// repaint of the five result fields) against the bare calculation on a plain
// worksheet record with the same inputs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "BenchRatio.h"
#include "app/TfrmMain.h"
#include "platform/RecordingPlatform.h"
#include "worksheet/SettingsFile.h"
#include "worksheet/WorksheetCalculation.h"

using quorvant::WorksheetResult;

namespace {

constexpr WorksheetResult Results[] = {WorksheetResult::DownPayment, WorksheetResult::LoanAmount,
                                       WorksheetResult::MonthlyPayment, WorksheetResult::FixedFeesTotal,
                                       WorksheetResult::Apr};

void LeaveFieldToRepaint(benchmark::State& state)
{
    auto* form = new quorvant::app::TfrmMain;
    form->show();
    QApplication::setActiveWindow(form);
    QApplication::processEvents();
    QWidget* fields[] = {form->edtPurchasePrice, form->edtDownPaymentPercent};
    fields[0]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    // One leave outside the timing shows that the calculation runs at all.
    fields[1]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (form->ResultField(WorksheetResult::Apr)->NumberValue() == 0) {
        state.SkipWithError("leaving the field ran no calculation");
        form->Free();
        return;
    }
    int next = 0;
    for (auto _ : state) {
        // Each move leaves an input field, which runs the calculation.
        fields[next]->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        for (WorksheetResult result : Results)
            form->ResultField(result)->repaint();
        next = 1 - next;
    }
    benchmark::DoNotOptimize(form->LastValues);
    form->Free();
    QApplication::processEvents();
}

void BareCalculation(benchmark::State& state)
{
    quorvant::LoanWorksheet sheet;
    static_cast<quorvant::WorksheetInputs&>(sheet) = quorvant::DefaultInputs();
    for (auto _ : state) {
        quorvant::CalculateWorksheet(sheet, '.');
        benchmark::DoNotOptimize(sheet.Apr);
    }
}

} // namespace

BENCHMARK(LeaveFieldToRepaint);
BENCHMARK(BareCalculation);

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // An empty settings folder: the window starts with the default inputs,
    // which the floor calculates too; Run is set so no help topic opens.
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Quorvant"));
    {
        QFile settings(folder.filePath(QStringLiteral("Quorvant/quorvant.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("[GeneralValues]\r\nRun=1\r\n");
    }
    auto platform = std::make_unique<quorvant::platform::RecordingPlatform>();
    platform->configFolder = folder.path().toStdString();
    quorvant::platform::SetPlatform(std::move(platform));
    const int result =
        quorvant::bench::RunWithRatios(argc, argv, {{"LeaveFieldToRepaint", "BareCalculation", 1.5}});
    quorvant::platform::SetPlatform(nullptr);
    return result;
}
