// Hand-run look at the rich-text label and hint window: the disclaimer text
// in its dialog's label size, a promotional description with links, a
// sampler of tags, and a rounded hint shown at start (point at the labels for
// more). Run with a display; links open through the desktop.
#include <QApplication>
#include <QTimer>
#include <memory>

#include "controls/richtext/TRichHint.h"
#include "controls/richtext/TRichLabel.h"
#include "platform/LinuxPlatform.h"
#include "runtime/ControlProperties.h"
#include "runtime/TApplication.h"
#include "runtime/TForm.h"

using namespace quorvant;
using controls::TRichLabel;

namespace {

const char* Disclaimer =
    "<P align=\"center\">Though effort was made to ensure the accuracy of these calculations, <b>there is NO "
    "WARRANTY,  express or implied, for the accuracy or applicability of this information to your particular "
    "financial question.</b>  Consult your financial advisor before making any financial decision.</P>";

const char* Promotion =
    "<P><font size=2><b>Equity Lens</b> shows what your home is really worth to you: the equity you hold "
    "today "
    "and how fast it grows. <a href=\"https://equitylens.example/?ref=Quorvant451\">Read "
    "more</a><br></font></P>"
    "<P><font size=2>Compare refinancing offers side by side, with closing costs and the break-even "
    "month.<br>"
    "</font></P><P><font size=2><i>Download the <a href=\"https://equitylens.example/?ref=Quorvant451\">free "
    "trial version</a> today.</i><br></font></P>";

const char* Sampler =
    "<font size=2>Plain, <b>bold</b>, <i>italic</i>, <u>underline</u>, <s>struck</s>, "
    "<font color=\"#c00000\">red</font>, <font color=\"clgreen\" size=3>green 12 pt</font>, "
    "x<sup>2</sup> and H<sub>2</sub>O, <sh>shadow</sh>, <e>misspelt</e>, &amp; &copy; &euro;."
    "<ul><li>first item<li>second item</ul><hr>"
    "<p align=\"right\">right aligned <a href=\"mailto:support@ostrel.example\">mail</a></p></font>";

TRichLabel* MakeLabel(QWidget* form, const QRect& geometry, const char* markup, const QFont& font)
{
    auto* label = new TRichLabel(form);
    label->setGeometry(geometry);
    label->setFont(font);
    label->SetMarkupText(QString::fromUtf8(markup));
    return label;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::SetPlatform(std::make_unique<platform::LinuxPlatform>());

    runtime::TForm form;
    runtime::Application().SetMainForm(&form);
    form.setWindowTitle(QStringLiteral("Rich text"));
    form.resize(700, 330);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, runtime::ToQColor(runtime::clBtnFace));
    form.setPalette(palette);
    form.setAutoFillBackground(true);

    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setPixelSize(12);
    auto* disclaimer = MakeLabel(&form, {4, 7, 330, 82}, Disclaimer, arial);
    runtime::SetHint(disclaimer, QStringLiteral("The warranty disclaimer|Shown by the Disclaimer command"));
    runtime::SetShowHint(disclaimer, true);

    QFont tahoma(QStringLiteral("DejaVu Sans"));
    tahoma.setPixelSize(11);
    auto* promotion = MakeLabel(&form, {350, 7, 320, 177}, Promotion, tahoma);
    promotion->SetColor(runtime::clWindow);
    promotion->SetHover(true);
    promotion->SetHoverFontColor(runtime::clRed);

    auto* sampler = MakeLabel(&form, {4, 100, 330, 220}, Sampler, tahoma);
    sampler->SetBevelOuter(runtime::bvLowered);
    sampler->SetColor(runtime::clWhite);
    sampler->SetColorTo(runtime::clSilver);
    sampler->SetGradientType(TRichLabel::gtFullVertical);

    // The main window's provider: rounded, black links, no margins.
    auto* hints = new controls::TRichHint(&form);
    QFont hintFont(QStringLiteral("Tahoma"));
    hintFont.setPixelSize(11);
    hints->SetHintFont(hintFont);
    hints->SetHintStyle(controls::TRichHint::hsRounded);
    hints->SetURLColor(runtime::clBlack);
    promotion->SetAnchorHint(true);
    runtime::SetShowHint(promotion, true);

    form.show();
    QTimer::singleShot(300, &form, [&form] {
        runtime::THintInfo info;
        info.HintMaxWidth = 1024;
        info.HintPos = form.mapToGlobal(QPoint(360, 200));
        QString text = QStringLiteral("Click to go online and learn more about <b>Equity Lens</b>");
        bool canShow = true;
        runtime::Application().OnShowHint(text, canShow, info);
        if (runtime::THintWindow* window = runtime::Application().HintWindow()) {
            QRect rect = window->CalcHintRect(info.HintMaxWidth, text);
            rect.moveTopLeft(info.HintPos);
            window->ActivateHint(rect, text);
        }
    });
    return app.exec();
}
