// Hand-run look at the notebook, the link label and the panel status bar:
// three pages (fields, labels and a panel on the first), a visible link that
// opens an address, and a two-panel status bar showing where the mouse is.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "controls/entry/TNumericField.h"
#include "controls/notebook/TTabNotebook.h"
#include "controls/notebook/TTabPage.h"
#include "controls/richtext/TLinkLabel.h"
#include "controls/statusbar/TPanelStatusBar.h"
#include "platform/LinuxPlatform.h"
#include "runtime/ControlProperties.h"

using namespace quorvant;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::SetPlatform(std::make_unique<platform::LinuxPlatform>());

    QWidget form;
    form.setWindowTitle("Notebook demo");
    form.resize(520, 360);
    QFont formFont("Liberation Sans");
    formFont.setPixelSize(12);
    form.setFont(formFont);
    runtime::SetKeyboardCuesVisible(&form, true);

    auto* nb = new controls::TTabNotebook(&form);
    nb->setGeometry(0, 0, 520, 320);
    nb->SetActiveTabFont(formFont);
    auto* calc = nb->AddPage("&Calculator");
    auto* promo = nb->AddPage("&Products");
    auto* more = nb->AddPage("&More");
    more->SetEnabled(false);
    auto* extra = nb->AddPage("E&xtras");
    extra->SetTabColor(runtime::clInfoBk);

    auto* priceLabel = new QLabel("Purchase price", calc);
    priceLabel->setGeometry(16, 16, 120, 20);
    auto* price = new controls::TNumericField(calc);
    price->setGeometry(150, 14, 130, 22);
    auto* rateLabel = new QLabel("Interest rate", calc);
    rateLabel->setGeometry(16, 48, 120, 20);
    auto* rate = new QLineEdit("7.2500", calc);
    rate->setGeometry(150, 46, 130, 22);
    auto* panel = new QFrame(calc);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(16, 90, 264, 60);
    auto* link = new controls::TLinkLabel(calc);
    link->setGeometry(16, 170, 260, 20);
    link->SetFontColor(runtime::clBlue);
    link->SetURL("https://www.quorvant.example/");
    auto* promoText = new QLabel("Other products of the maker", promo);
    promoText->setGeometry(16, 16, 300, 20);

    auto* bar = new controls::TPanelStatusBar(&form);
    auto* web = bar->Panels()->Add();
    web->SetName("WebPanel");
    web->SetWidth(120);
    web->SetText("quorvant.example");
    web->SetBevel(controls::TStatusPanel::apbNone);
    web->TextStyle()->SetAlignment(controls::TPanelTextStyle::taCenter);
    QFont webFont = bar->font();
    webFont.setUnderline(true);
    web->SetFont(webFont);
    web->SetFontColor(runtime::clBlue);
    auto* hint = bar->Panels()->Add();
    hint->SetName("HintPanel");
    hint->SetWidth(400);
    hint->SetText("Move the mouse over the notebook");

    QObject::connect(
        nb, &controls::TTabNotebook::OnMouseMove, nb, [hint](QObject*, Qt::KeyboardModifiers, int x, int y) {
            hint->SetText(QStringLiteral("Notebook at %1, %2").arg(QString::number(x), QString::number(y)));
        });
    QObject::connect(nb, &controls::TTabNotebook::OnPageChanged, nb, [hint, nb](QObject*, int) {
        hint->SetText("Page: " + nb->ActivePage()->Caption().remove(u'&'));
    });
    QObject::connect(
        bar, &controls::TPanelStatusBar::OnPanelClick, bar,
        [link, web](QObject*, controls::TStatusPanel* p, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            if (p == web)
                link->Click();
        });

    form.show();
    return app.exec();
}
