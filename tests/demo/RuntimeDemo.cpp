// Hand-run look at the runtime's stock controls, hints, tooltips and
// keyboard cues (press Alt to see the underlines). Not installed.
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <memory>

#include "platform/LinuxPlatform.h"
#include "platform/TAltCueFix.h"
#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/MessageBoxes.h"
#include "runtime/TApplication.h"
#include "runtime/TBitBtn.h"
#include "runtime/TForm.h"
#include "runtime/TImage.h"
#include "runtime/TLabel.h"
#include "runtime/TPanel.h"
#include "runtime/TShape.h"
#include "runtime/TSpeedButton.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

QPixmap GlyphStrip()
{
    QPixmap strip(32, 16);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setBrush(QColor(0, 128, 0));
    p.drawEllipse(2, 2, 12, 12);
    p.setBrush(QColor(160, 160, 160));
    p.drawEllipse(18, 2, 12, 12);
    return strip;
}

QPixmap Picture()
{
    QPixmap picture(64, 48);
    QPainter p(&picture);
    p.fillRect(picture.rect(), QColor(0, 0, 128));
    p.setPen(Qt::white);
    p.drawText(picture.rect(), Qt::AlignCenter, "image");
    return picture;
}

class DemoForm : public TForm {
public:
    DemoForm()
    {
        setWindowTitle("Runtime demo");
        SetFixedFormSize(420, 300);
        SetBorderIcons(biSystemMenu | biMinimize);
        auto* menu = new QMenuBar(this);
        QMenu* file = menu->addMenu("&File");
        QAction* exit = file->addAction("E&xit");
        Bind(exit, &QAction::triggered, this, [this] { Close(); });

        auto* top = new TPanel(this);
        top->setGeometry(0, 24, 420, 36);
        top->SetParentBackground(false);
        auto* speed = new TSpeedButton(top);
        speed->setGeometry(6, 6, 24, 24);
        speed->SetGlyph(GlyphStrip());
        speed->SetNumGlyphs(2);
        SetHint(speed, "Reset| Reset Default Values ...");
        auto* speedOff = new TSpeedButton(top);
        speedOff->setGeometry(34, 6, 24, 24);
        speedOff->SetGlyph(GlyphStrip());
        speedOff->SetNumGlyphs(2);
        speedOff->setEnabled(false);

        auto* caption = new TLabel(this);
        caption->SetAlignment(taRightJustify);
        caption->setGeometry(20, 80, 150, 16);
        caption->SetCaption("&Purchase Price");
        auto* amp = new TLabel(this);
        amp->setGeometry(20, 104, 150, 16);
        amp->SetCaption("Fees && Points");
        SetHint(amp, "Fees|Every fee of the loan");

        auto* shape = new TShape(this);
        shape->setGeometry(200, 80, 60, 40);
        shape->SetPenWidth(2);
        shape->SetPenColor(clNavy);
        shape->SetBrushColor(clYellow);

        auto* image = new TImage(this);
        image->move(280, 80);
        image->SetAutoSize(true);
        image->SetPicture(Picture());
        SetHint(image, "A picture|Click the picture");
        SetShowHint(image, true);
        Bind(image, &TImage::OnClick, this,
             [](QObject*) { InformationBox("Picture clicked.\r\nSecond line."); });

        auto* ok = new TBitBtn(this);
        ok->setGeometry(230, 220, 80, 27);
        ok->SetCaption("&OK");
        ok->SetGlyph(GlyphStrip());
        ok->SetNumGlyphs(2);
        auto* license = new TBitBtn(this);
        license->setGeometry(100, 220, 110, 27);
        license->SetCaption("Read &License");
        SetHint(license, "Show Software License ...");
        SetShowHint(license, true);

        status = new TPanel(this);
        status->setGeometry(0, 276, 420, 24);
        status->SetBevelOuter(bvLowered);
        status->SetAlignment(taLeftJustify);
        DoCreate();
    }
    TPanel* status;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::SetPlatform(std::make_unique<platform::LinuxPlatform>());
    Application().Title = "Runtime demo";
    Application().HintPause = 400;
    Application().HintHidePause = 4000;
    auto* form = Application().CreateForm<DemoForm>();
    new platform::TAltCueFix(form);
    Application().OnHint = [form](QObject*) { form->status->SetCaption(GetLongHint(Application().Hint())); };
    Application().Run();
    return 0;
}
