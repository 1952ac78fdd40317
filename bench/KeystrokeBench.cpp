// One keystroke into a numeric field (key translation, calculator entry and a
// full buffered repaint of a 103 x 23 field) against a floor of one repaint
// of the same field with no key and no model work. Digits and Backspace
// alternate, so the entry never fills up.
#include <QApplication>
#include <QKeyEvent>
#include <cstdlib>
#include <memory>

#include "BenchRatio.h"
#include "controls/entry/TNumericField.h"
#include "platform/RecordingPlatform.h"

using quorvant::controls::TNumericField;

namespace {

std::unique_ptr<TNumericField> MakeField()
{
    auto field = std::make_unique<TNumericField>();
    field->SetDataType(TNumericField::nftDouble);
    field->SetPictureMask("##,###,###.##");
    field->SetOptions({});
    field->resize(103, 23);
    field->show();
    field->SetNumberValue(1234.5);
    // Focused, so the caret and the selection are drawn as when typing.
    QApplication::setActiveWindow(field.get());
    field->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    return field;
}

void Keystroke(benchmark::State& state)
{
    auto field = MakeField();
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    bool typeDigit = true;
    for (auto _ : state) {
        QApplication::sendEvent(field.get(), typeDigit ? &digit : &back);
        field->repaint();
        typeDigit = !typeDigit;
    }
}

void RepaintFloor(benchmark::State& state)
{
    auto field = MakeField();
    for (auto _ : state)
        field->repaint();
}

} // namespace

BENCHMARK(Keystroke);
BENCHMARK(RepaintFloor);

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    quorvant::platform::SetPlatform(std::make_unique<quorvant::platform::RecordingPlatform>());
    const int result = quorvant::bench::RunWithRatios(argc, argv, {{"Keystroke", "RepaintFloor", 1.25}});
    quorvant::platform::SetPlatform(nullptr);
    return result;
}
