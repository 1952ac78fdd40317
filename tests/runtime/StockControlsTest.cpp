// Stock controls: accelerator drawing by cue state, mouse pass-through of
// non-windowed controls, glyph strips, modal results, shapes and panels.
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/TBitBtn.h"
#include "runtime/TForm.h"
#include "runtime/TImage.h"
#include "runtime/TLabel.h"
#include "runtime/TPanel.h"
#include "runtime/TShape.h"
#include "runtime/TSpeedButton.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

QImage Render(QWidget* w)
{
    QImage image(w->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w->render(&image, {}, {}, QWidget::DrawChildren); // no window background
    return image;
}

class MoveCounter : public QWidget {
public:
    MoveCounter()
    {
        setMouseTracking(true);
        resize(200, 100);
    }
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
};

// Images of 16 x 16 on a magenta ground, whose bottom-left pixel makes the
// ground transparent.
QPixmap Strip(std::initializer_list<QColor> colours)
{
    QPixmap strip(16 * static_cast<int>(colours.size()), 16);
    strip.fill(Qt::magenta);
    QPainter p(&strip);
    int x = 0;
    for (const QColor& c : colours) {
        p.fillRect(x + 2, 2, 12, 12, c);
        x += 16;
    }
    return strip;
}

class StockControls : public ::testing::Test {
protected:
    void SetUp() override { quorvant::testing::FreshPlatform(); }
};

TEST_F(StockControls, LabelUnderlinesOnlyWithCuesAndNeverRepaintsByItself)
{
    TForm form;
    auto* label = new TLabel(&form);
    label->SetCaption("&Purchase");
    form.show();
    SetKeyboardCuesVisible(&form, false);
    const QImage hidden = Render(label);
    SetKeyboardCuesVisible(&form, true);
    const QImage shown = Render(label);
    EXPECT_NE(hidden, shown) << "no underline difference between cue states";

    TLabel doubled(&form);
    doubled.SetCaption("A&&B");
    TLabel literal(&form);
    literal.SetShowAccelChar(false);
    literal.SetCaption("A&B");
    EXPECT_EQ(doubled.size(), literal.size());
    EXPECT_EQ(Render(&doubled), Render(&literal)) << "\"&&\" must show as one \"&\"";
}

TEST_F(StockControls, RightAlignedAutoSizeLabelKeepsItsRightEdge)
{
    QWidget parent;
    TLabel label(&parent);
    label.SetAlignment(taRightJustify);
    label.setGeometry(100, 10, 70, 13);
    label.SetCaption("Purchase Price");
    EXPECT_EQ(label.geometry().right(), 169);
    label.SetCaption("Term");
    EXPECT_EQ(label.geometry().right(), 169);
    EXPECT_LT(label.width(), 70);
}

TEST_F(StockControls, NonWindowedControlsPassMouseMovesToTheirParent)
{
    MoveCounter parent;
    auto* label = new TLabel(&parent);
    label->SetCaption("Over here");
    label->move(10, 10);
    auto* shape = new TShape(&parent);
    shape->setGeometry(100, 10, 30, 30);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy labelMoves(label, &TGraphicControl::OnMouseMove);
    QTest::mouseMove(label, {3, 3});
    QTest::mouseMove(shape, {5, 5});
    EXPECT_EQ(labelMoves.count(), 1);
    EXPECT_EQ(parent.moves, 2);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST_F(StockControls, SpeedButtonGlyphStripPerStateAndClick)
{
    TSpeedButton button;
    button.SetGlyph(Strip({Qt::red, Qt::blue}));
    button.SetNumGlyphs(2);
    EXPECT_EQ(button.GlyphFor(TSpeedButton::Up).size(), QSize(16, 16));
    EXPECT_EQ(button.GlyphFor(TSpeedButton::Up).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(button.GlyphFor(TSpeedButton::Disabled).toImage().pixelColor(8, 8), QColor(Qt::blue));
    // No own image for "down": the up image.
    EXPECT_EQ(button.GlyphFor(TSpeedButton::Down).toImage().pixelColor(8, 8), QColor(Qt::red));
    button.setEnabled(false);
    EXPECT_EQ(button.CurrentState(), TSpeedButton::Disabled);
    button.setEnabled(true);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(button.Flat());

    button.show();
    QSignalSpy clicks(&button, &TGraphicControl::OnClick);
    QTest::mouseClick(&button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicks.count(), 1);
    // Released outside: no click.
    QTest::mousePress(&button, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {50, 50});
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(StockControls, GlyphButtonModalResultEndsTheModalRun)
{
    TForm dialog;
    dialog.resize(200, 100);
    auto* ok = new TBitBtn(&dialog);
    ok->SetCaption("&OK");
    ok->SetModalResult(mrOk);
    int clicks = 0;
    Bind(ok, &TBitBtn::OnClick, &dialog, [&](QObject* Sender) {
        EXPECT_EQ(Sender, ok);
        ++clicks;
    });
    QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(ok, Qt::LeftButton); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(clicks, 1);
}

TEST_F(StockControls, GlyphButtonDrawsItsAcceleratorByCueState)
{
    TForm form;
    auto* button = new TBitBtn(&form);
    button->SetCaption("Read &License");
    button->resize(120, 25);
    form.show();
    SetKeyboardCuesVisible(&form, false);
    const QImage hidden = Render(button);
    SetKeyboardCuesVisible(&form, true);
    EXPECT_NE(Render(button), hidden);
}

TEST_F(StockControls, ShapePenLiesInsideTheBounds)
{
    TShape shape;
    shape.resize(20, 10);
    shape.SetPenColor(clRed);
    shape.SetPenWidth(3);
    shape.SetBrushColor(clYellow);
    const QImage image = Render(&shape);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(19, 9), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::yellow));
    shape.SetBrushStyle(bsClear);
    EXPECT_EQ(Render(&shape).pixelColor(10, 5), QColor(Qt::white));
}

TEST_F(StockControls, PanelOpaqueOrParentBackgroundAndBevel)
{
    TPanel panel;
    panel.resize(40, 20);
    panel.SetColor(clBlack);
    EXPECT_TRUE(panel.ParentBackground());
    panel.SetParentBackground(false);
    const QImage image = Render(&panel);
    EXPECT_EQ(image.pixelColor(20, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixel(0, 0), ToQColor(clBtnHighlight).rgb()) << "raised bevel";
    EXPECT_EQ(image.pixel(39, 19), ToQColor(clBtnShadow).rgb());
    EXPECT_EQ(panel.ClientRect(), QRect(1, 1, 38, 18));
}

TEST_F(StockControls, ImageSizesToItsPictureWithAutoSize)
{
    TImage image;
    image.SetAutoSize(true);
    image.SetPicture(Strip({Qt::green, Qt::green}));
    EXPECT_EQ(image.size(), QSize(32, 16));
    SetHint(&image, "Screenshot|Click to visit");
    EXPECT_EQ(GetShortHint(Hint(&image)), "Screenshot");
}

} // namespace

namespace {

TEST_F(StockControls, MenuShortcutReachesItsItemWhileAnEntryFieldHasTheFocus)
{
    TForm form;
    form.resize(200, 100);
    auto* bar = new QMenuBar(&form);
    QMenu* help = bar->addMenu("&Help");
    QAction* contents = help->addAction("&Contents");
    contents->setShortcut(Qt::Key_F1);
    auto* edit = new QLineEdit(&form);
    edit->move(10, 40);
    int runs = 0;
    Bind(contents, &QAction::triggered, &form, [&] { ++runs; });
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(runs, 1);
}

} // namespace

namespace {

TEST_F(StockControls, LabelAcceleratorFocusesItsControl)
{
    TForm form;
    form.resize(200, 100);
    auto* other = new QLineEdit(&form);
    auto* edit = new QLineEdit(&form);
    edit->move(0, 40);
    auto* label = new TLabel(&form);
    label->move(0, 70);
    label->SetCaption("&Purchase Price");
    label->SetFocusControl(edit);
    auto* plain = new TLabel(&form);
    plain->SetCaption("&Term"); // no control: the key stays free
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    other->setFocus();
    QTest::keyClick(other, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_TRUE(plain->findChildren<QShortcut*>().isEmpty());
}

} // namespace

namespace {

QPixmap OnMagenta(int width)
{
    QPixmap strip(width, 16);
    strip.fill(Qt::magenta);
    QPainter p(&strip);
    for (int x = 0; x < width; x += 16)
        p.fillRect(x + 4, 4, 8, 8, Qt::red);
    return strip;
}

TEST_F(StockControls, GlyphsAndTransparentPicturesDropTheirBottomLeftColour)
{
    TSpeedButton button;
    button.SetGlyph(OnMagenta(32));
    button.SetNumGlyphs(2);
    const QImage up = button.GlyphFor(TSpeedButton::Up).toImage();
    EXPECT_EQ(qAlpha(up.pixel(0, 0)), 0) << "background not transparent";
    EXPECT_EQ(up.pixelColor(8, 8), QColor(Qt::red));

    TImage picture;
    picture.resize(16, 16);
    picture.SetPicture(OnMagenta(16));
    EXPECT_EQ(Render(&picture).pixelColor(0, 0), QColor(Qt::magenta));
    picture.SetTransparent(true);
    const QImage shown = Render(&picture);
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white)) << "parent must show through";
    EXPECT_EQ(shown.pixelColor(8, 8), QColor(Qt::red));
}

} // namespace
