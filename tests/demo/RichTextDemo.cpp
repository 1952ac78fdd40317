// Hand-run look at the rich-text label: the disclaimer text in its dialog's
// label size, a promotional description with links, and a sampler of tags.
// Run with a display; links open through the desktop.
#include <QApplication>
#include <QWidget>
#include <memory>

#include "controls/TRichLabel.h"
#include "platform/LinuxPlatform.h"

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

    QWidget form;
    form.setWindowTitle(QStringLiteral("Rich text"));
    form.resize(700, 330);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, runtime::ToQColor(runtime::clBtnFace));
    form.setPalette(palette);
    form.setAutoFillBackground(true);

    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setPixelSize(12);
    MakeLabel(&form, {4, 7, 330, 82}, Disclaimer, arial);

    QFont tahoma(QStringLiteral("DejaVu Sans"));
    tahoma.setPixelSize(11);
    auto* promotion = MakeLabel(&form, {350, 7, 320, 177}, Promotion, tahoma);
    promotion->SetColor(runtime::clWindow);
    promotion->SetHover(true);
    promotion->SetHoverFontColor(runtime::clRed);

    auto* sampler = MakeLabel(&form, {4, 100, 330, 220}, Sampler, tahoma);
    sampler->SetBevelOuter(TRichLabel::bvLowered);
    sampler->SetColor(runtime::clWhite);
    sampler->SetColorTo(runtime::clSilver);
    sampler->SetGradientType(TRichLabel::gtFullVertical);

    form.show();
    return app.exec();
}
