// Hand-run look at the numeric field with the program's three masks: two
// input fields, a term field and two yellow result fields that Tab passes
// over. Leaving an input field copies its value, doubled, into a result.
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QWidget>
#include <memory>

#include "controls/entry/TNumericField.h"
#include "platform/LinuxPlatform.h"
#include "runtime/TFocusEvents.h"

using quorvant::controls::TNumericField;

namespace {

TNumericField* Field(QWidget* form, const QString& mask, bool result)
{
    auto* f = new TNumericField(form);
    f->SetDataType(TNumericField::nftDouble);
    f->SetPictureMask(mask);
    f->SetOptions({});
    f->SetCaretOvrShape(TNumericField::csBlock);
    f->setFixedSize(103, 23);
    if (result) {
        f->SetColor(quorvant::runtime::clYellow);
        f->SetTabStop(false);
    }
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quorvant::platform::SetPlatform(std::make_unique<quorvant::platform::LinuxPlatform>());

    QWidget form;
    form.setWindowTitle("Numeric field");
    auto* layout = new QFormLayout(&form);
    TNumericField* price = Field(&form, "##,###,###.##", false);
    TNumericField* rate = Field(&form, "###.####", false);
    TNumericField* term = Field(&form, "###", false);
    TNumericField* doubled = Field(&form, "##,###,###.##", true);
    TNumericField* ratio = Field(&form, "###.####", true);
    layout->addRow("Home Purchase Price:", price);
    layout->addRow("Interest Rate:", rate);
    layout->addRow("Term in Years:", term);
    layout->addRow("Price doubled:", doubled);
    layout->addRow("Rate per year:", ratio);

    price->SetNumberValue(120000);
    rate->SetNumberValue(7.25);
    term->SetNumberValue(30);
    auto recalc = [&] {
        const double p = price->NumberValue() * 2;
        doubled->SetNumberValue(doubled->ValueFits(p) ? p : 0);
        const double t = term->NumberValue();
        ratio->SetNumberValue(t > 0 ? rate->NumberValue() / t : 0);
    };
    for (TNumericField* f : {price, rate, term})
        QObject::connect(quorvant::runtime::TFocusEvents::For(f), &quorvant::runtime::TFocusEvents::OnExit, f,
                         recalc);
    recalc();
    form.resize(300, 190);
    form.show();
    price->setFocus(Qt::TabFocusReason);
    const int code = app.exec();
    quorvant::platform::SetPlatform(nullptr);
    return code;
}
