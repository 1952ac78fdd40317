#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "controls/statusbar/EInvalidPanelOperation.h"
#include "controls/statusbar/EStatusPanelError.h"
#include "controls/statusbar/TPanelStatusBar.h"
#include "runtime/ControlProperties.h"
#include "runtime/TApplication.h"
#include "runtime/THintWindow.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using controls::TPanelStatusBar;
using controls::TPanelTextStyle;
using controls::TStatusPanel;

namespace {

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const controls::EStatusPanelError& e) {
        return e.what();
    }
    return "no error";
}

// The bounding box of pixels close to colour c inside r.
QRect InkOf(const QImage& image, const QRect& r, QColor c)
{
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
                    std::abs(p.blue() - c.blue()) <
                120)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

// The main window's bar: a web panel and a hint panel.
struct TwoPanelBar {
    QWidget form;
    TPanelStatusBar* bar = new TPanelStatusBar(&form);
    TStatusPanel* web = bar->Panels()->Add();
    TStatusPanel* hint = bar->Panels()->Add();
    TwoPanelBar()
    {
        form.resize(656, 100);
        web->SetName("WebPanel");
        web->SetWidth(120);
        hint->SetName("HintPanel");
        hint->SetWidth(482);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

} // namespace

TEST(PanelStatusBar, NewBarAndPanelDefaults)
{
    TPanelStatusBar bar;
    EXPECT_EQ(bar.height(), 19);
    EXPECT_TRUE(bar.SizeGrip());
    EXPECT_TRUE(bar.UseSystemFont());
    EXPECT_FALSE(bar.SimplePanel() || bar.AutoHint() || bar.ParentFont() || bar.ParentColor());
    EXPECT_EQ(bar.Color(), runtime::clBtnFace);
    EXPECT_EQ(bar.font(), QApplication::font("QStatusBar"));
    TStatusPanel* p = bar.Panels()->Add();
    EXPECT_EQ(p->Name(), "StatusPanel1");
    EXPECT_EQ(p->Width(), 50);
    EXPECT_EQ(p->Bevel(), TStatusPanel::apbLowered);
    EXPECT_EQ(p->PanelStyle(), TStatusPanel::apsText);
    EXPECT_TRUE(p->ParentFont() && p->ParentColor());
    EXPECT_EQ(p->TextStyle()->Alignment(), TPanelTextStyle::taLeftJustify);
    EXPECT_EQ(p->TextStyle()->Spacing(), 2);
    EXPECT_EQ(p->TextStyle()->GlyphIndex(), -1);
    EXPECT_EQ(p->LockKeyStyle()->Caption(), "NUM");
    EXPECT_EQ(p->ProgressBarStyle()->Caption(), "%d%%");
    EXPECT_EQ(bar.Panels()->Add()->Name(), "StatusPanel2");
    p->SetName("Other");
    EXPECT_EQ(bar.Panels()->Add()->Name(), "StatusPanel1"); // first free number
}

TEST(PanelStatusBar, PanelFollowsBarUntilGivenItsOwnFontOrColour)
{
    TPanelStatusBar bar;
    TStatusPanel* p = bar.Panels()->Add();
    bar.SetColor(runtime::clYellow);
    EXPECT_EQ(p->BrushColor(), runtime::clYellow);
    p->SetBrushColor(runtime::clRed);
    EXPECT_FALSE(p->ParentColor());
    bar.SetColor(runtime::clAqua);
    EXPECT_EQ(p->BrushColor(), runtime::clRed);

    QFont big = bar.font();
    big.setPixelSize(20);
    p->SetFont(big);
    EXPECT_FALSE(p->ParentFont());
    EXPECT_EQ(p->Font(), big);
    p->SetParentFont(true);
    EXPECT_EQ(p->Font(), bar.font());
}

TEST(PanelStatusBar, NamesAreCheckedAndLookupIgnoresCase)
{
    TwoPanelBar b;
    EXPECT_EQ(b.bar->PanelByName("webpanel"), b.web);
    EXPECT_EQ(ErrorOf([&] { b.bar->PanelByName("Nothing"); }), "Status panel 'Nothing' not found");
    EXPECT_EQ(ErrorOf([&] { b.hint->SetName("WebPanel"); }),
              "A status panel named ''WebPanel'' already exists");
    EXPECT_EQ(ErrorOf([&] { b.hint->SetName("  9lives "); }), "''9lives'' is not a valid status panel name");
    EXPECT_EQ(ErrorOf([&] { b.hint->SetName("   "); }), "'''' is not a valid status panel name");
    EXPECT_EQ(b.hint->Name(), "HintPanel");
    b.hint->SetName(" webPanel ");
    EXPECT_EQ(b.hint->Name(), "webPanel");
    b.web->SetName("WebPanel"); // its own name again
    EXPECT_EQ(b.bar->PanelByName("WEBPANEL"), b.web);
}

TEST(PanelStatusBar, PartsAreRunningSumsAndLastReachesRightEdge)
{
    TwoPanelBar b;
    ASSERT_EQ(b.bar->width(), 656);
    EXPECT_EQ(b.web->Rect().left(), 0);
    EXPECT_EQ(b.web->Rect().left() + b.web->Rect().width(), 120);
    EXPECT_EQ(b.hint->Rect().left(), 120);
    EXPECT_EQ(b.hint->Rect().left() + b.hint->Rect().width(), 656);
    b.hint->SetWidth(30);
    EXPECT_EQ(b.hint->Rect().left(), 120);
    EXPECT_EQ(b.hint->Rect().left() + b.hint->Rect().width(), 656);
    EXPECT_EQ(b.bar->PanelAtPos(QPoint(119, 10)), b.web);
    EXPECT_EQ(b.bar->PanelAtPos(QPoint(120, 10)), b.hint);

    b.web->SetVisible(false);
    EXPECT_EQ(b.web->Width(), 0);
    EXPECT_EQ(b.hint->Rect().left(), 0);
    EXPECT_EQ(b.bar->PanelAtPos(QPoint(0, 10)), b.hint);
    b.web->SetVisible(true);
    EXPECT_EQ(b.web->Width(), 120);
}

TEST(PanelStatusBar, CentredPanelDrawsInItsOwnFontWithoutBorder)
{
    TwoPanelBar b;
    b.bar->resize(656, 30); // room for a bigger font
    QFont blue = b.bar->font();
    blue.setPixelSize(16);
    blue.setUnderline(true);
    b.hint->SetFont(blue);
    b.hint->SetFontColor(runtime::clBlue);
    b.hint->SetBevel(TStatusPanel::apbNone);
    b.hint->TextStyle()->SetAlignment(TPanelTextStyle::taCenter);
    b.hint->SetText("abc");
    b.web->SetText("abc");
    runtime::TColor face = b.bar->Color();

    QImage image(b.bar->size(), QImage::Format_RGB32);
    b.bar->render(&image);
    const QRect part = b.hint->Rect();
    const QRect content = part.adjusted(1, 1, -1, -1);
    const QRect ink = InkOf(image, content, Qt::blue);
    ASSERT_FALSE(ink.isEmpty());
    const QFontMetrics fm(blue);
    // Centred both ways within a pixel or two, in the 16-pixel font.
    EXPECT_NEAR(ink.center().x(), content.center().x(), 2);
    EXPECT_NEAR(ink.width(), fm.horizontalAdvance("abc"), 3);
    const int top = content.top() + (content.height() - fm.height() + 1) / 2;
    EXPECT_GE(ink.top(), top);
    EXPECT_LE(ink.bottom(), top + fm.height());
    EXPECT_NEAR(ink.center().y(), content.center().y(), 3);
    EXPECT_GE(ink.height(), fm.ascent() - 4);
    // Underline: one row of blue running across the whole word.
    const int underlineY = ink.bottom();
    EXPECT_GE(InkOf(image, QRect(content.left(), underlineY, content.width(), 1), Qt::blue).width(),
              fm.horizontalAdvance("abc") - 2);
    // No border: the part's edges keep the bar's colour.
    EXPECT_EQ(image.pixel(part.left() + 5, part.top()), runtime::ToQColor(face).rgb());
    EXPECT_EQ(image.pixel(part.left() + 5, part.bottom()), runtime::ToQColor(face).rgb());

    // The other panel keeps the bar's font and colour, with its sunken edge.
    const QRect other = b.web->Rect().adjusted(1, 1, -1, -1);
    EXPECT_TRUE(InkOf(image, other, Qt::blue).isEmpty());
    const QRect dark = InkOf(image, other, Qt::black);
    ASSERT_FALSE(dark.isEmpty());
    EXPECT_NEAR(dark.left(), other.left() + 2, 1); // left aligned at x = 2
    EXPECT_LT(dark.height(), ink.height());
    EXPECT_EQ(image.pixel(b.web->Rect().left() + 5, b.web->Rect().top()),
              runtime::ToQColor(runtime::clBtnShadow).rgb());
}

TEST(PanelStatusBar, ReleaseOverPanelFiresPanelClickBeforeMouseUp)
{
    TwoPanelBar b;
    std::vector<std::string> order;
    TStatusPanel* clicked = nullptr;
    Qt::MouseButton button = Qt::NoButton;
    QObject::connect(
        b.bar, &TPanelStatusBar::OnPanelClick, b.bar,
        [&](QObject*, TStatusPanel* panel, Qt::MouseButton btn, Qt::KeyboardModifiers, int, int) {
            order.push_back("panel");
            clicked = panel;
            button = btn;
        });
    QObject::connect(
        b.bar, &TPanelStatusBar::OnMouseUp, b.bar,
        [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { order.push_back("up"); });
    QTest::mouseClick(b.bar, Qt::RightButton, {}, QPoint(200, 10));
    EXPECT_EQ(clicked, b.hint);
    EXPECT_EQ(button, Qt::RightButton);
    EXPECT_EQ(order, (std::vector<std::string>{"panel", "up"}));

    order.clear();
    QTest::mouseClick(b.bar, Qt::LeftButton, {}, QPoint(200, 0)); // above the parts
    EXPECT_EQ(order, std::vector<std::string>{"up"});
}

TEST(PanelStatusBar, DoubleClickReportsPanel)
{
    TwoPanelBar b;
    TStatusPanel* clicked = nullptr;
    QObject::connect(b.bar, &TPanelStatusBar::OnPanelDblClick, b.bar,
                     [&](QObject*, TStatusPanel* panel, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         clicked = panel;
                     });
    QTest::mouseDClick(b.bar, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicked, b.web);
}

TEST(PanelStatusBar, PanelHintAndMenuWinOverTheBars)
{
    TwoPanelBar b;
    b.web->SetHint("Visit us|Opens the home page");
    runtime::THintInfo info;
    info.CursorPos = QPoint(10, 10);
    info.HintStr = "bar hint";
    bool canShow = true;
    b.bar->HintShowRequest(info, canShow);
    EXPECT_EQ(info.HintStr, "Visit us|Opens the home page");
    EXPECT_EQ(info.CursorRect, b.web->Rect());

    QTest::mouseMove(b.bar, QPoint(300, 10)); // hints off: current panel unchanged
    QTest::mouseClick(b.bar, Qt::LeftButton, {}, QPoint(300, 10));
    runtime::THintInfo other;
    other.HintStr = "bar hint";
    b.bar->HintShowRequest(other, canShow);
    EXPECT_EQ(other.HintStr, "bar hint");

    QMenu barMenu, panelMenu;
    b.bar->SetPopupMenu(&barMenu);
    b.hint->SetPopupMenu(&panelMenu);
    EXPECT_EQ(b.bar->PopupMenuAt(QPoint(300, 10)), &panelMenu);
    EXPECT_EQ(b.bar->PopupMenuAt(QPoint(10, 10)), &barMenu);
}

TEST(PanelStatusBar, TooltipFollowsThePanelUnderTheMouse)
{
    TwoPanelBar b;
    auto& app = runtime::Application();
    app.SetShowHint(true);
    app.HintPause = 30;
    app.HintHidePause = 2000;
    runtime::SetShowHint(b.bar, true);
    runtime::SetHint(b.bar, "The bar");
    b.web->SetHint("Visit the home page");
    QTest::mouseMove(b.bar, QPoint(10, 10));
    QTRY_VERIFY_WITH_TIMEOUT(app.HintShowing(), 500);
    EXPECT_EQ(app.HintWindow()->Caption(), "Visit the home page");
    QTest::mouseMove(b.bar, QPoint(300, 10)); // the other panel has no hint of its own
    QTRY_VERIFY_WITH_TIMEOUT(app.HintShowing() && app.HintWindow()->Caption() == "The bar", 500);
    app.CancelHint();
}

TEST(PanelStatusBar, ResizeEventsExceptWhileLoading)
{
    TPanelStatusBar bar;
    QSignalSpy resizes(&bar, &TPanelStatusBar::OnResize);
    bar.BeginLoad();
    bar.resize(300, 19);
    bar.show();
    EXPECT_EQ(resizes.count(), 0);
    bar.Loaded();
    bar.resize(400, 19);
    QApplication::processEvents();
    EXPECT_EQ(resizes.count(), 1);
}

TEST(PanelStatusBar, SizeGripOnlyInSizeableWindow)
{
    QWidget sizeable;
    auto* a = new TPanelStatusBar(&sizeable);
    QWidget fixed;
    fixed.setFixedSize(300, 200);
    auto* b = new TPanelStatusBar(&fixed);
    EXPECT_TRUE(a->SizeGripShown());
    EXPECT_FALSE(b->SizeGripShown());
    a->SetSizeGrip(false);
    EXPECT_FALSE(a->SizeGripShown());
}

TEST(PanelStatusBar, ProgressCaptionAndRange)
{
    TPanelStatusBar bar;
    auto* style = bar.Panels()->Add()->ProgressBarStyle();
    style->SetProgress(250);
    EXPECT_EQ(style->Progress(), 100);
    style->SetMinValue(50);
    style->SetProgress(75);
    EXPECT_EQ(style->FormattedCaption(), "50%");
    style->SetProgressType(controls::TPanelProgressStyle::aptCount);
    EXPECT_EQ(style->FormattedCaption(), "25 of 50");
    style->SetCaption("%s broken");
    EXPECT_EQ(style->FormattedCaption(), "");
    try {
        style->SetMaxValue(50);
        ADD_FAILURE();
    } catch (const controls::EInvalidPanelOperation& e) {
        EXPECT_STREQ(e.what(), "Value must be between 51 and 2147483647");
    }
}

TEST(PanelStatusBar, ScrollingTextWrapsOrTurns)
{
    TPanelStatusBar bar;
    bar.resize(100, 19);
    TStatusPanel* p = bar.Panels()->Add();
    p->SetText("xyz");
    EXPECT_FALSE(bar.ScrollTimerActive());
    p->TextStyle()->SetScrollEffect(TPanelTextStyle::seFromLeftToRight);
    EXPECT_TRUE(bar.ScrollTimerActive());
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image); // measures the text
    const int width = p->Rect().width() - 2;
    for (int i = 0; i < width + 5; ++i)
        bar.ScrollTick();
    EXPECT_EQ(p->ScrollOffset(), -(p->ContentWidth() + 4));

    p->TextStyle()->SetScrollEffect(TPanelTextStyle::seChangeableDirection);
    for (int i = 0; i < width + 5; ++i)
        bar.ScrollTick();
    EXPECT_EQ(p->ScrollOffset(), width + 5);
    bar.ScrollTick();
    EXPECT_EQ(p->ScrollOffset(), width + 4); // turned round
    p->TextStyle()->SetShowText(false);
    EXPECT_FALSE(bar.ScrollTimerActive());
}

TEST(PanelStatusBar, AutoHintFillsAppHintPanelsOrSimpleText)
{
    TPanelStatusBar bar;
    bar.ApplicationHintChanged("ignored");
    EXPECT_EQ(bar.SimpleText(), "");
    bar.SetAutoHint(true);
    bar.ApplicationHintChanged("no panels");
    EXPECT_EQ(bar.SimpleText(), "no panels");
    TStatusPanel* text = bar.Panels()->Add();
    TStatusPanel* hints = bar.Panels()->Add();
    hints->SetPanelStyle(TStatusPanel::apsAppHint);
    bar.ApplicationHintChanged("Purchase price");
    EXPECT_EQ(hints->Text(), "Purchase price");
    EXPECT_EQ(text->Text(), "");
}

TEST(PanelStatusBar, AtMost128PartsAndNoPanelsDrawOneEmptyPart)
{
    TPanelStatusBar bar;
    bar.resize(2000, 19);
    for (int i = 0; i < 130; ++i)
        bar.Panels()->Add()->SetWidth(10);
    const QRect last = bar.Panels()->Items(127)->Rect();
    EXPECT_EQ(last.left(), 1270);
    EXPECT_EQ(last.left() + last.width(), 2000);
    EXPECT_TRUE(bar.Panels()->Items(128)->Rect().isEmpty());
    EXPECT_EQ(bar.PanelAtPos(QPoint(1999, 10)), bar.Panels()->Items(127));
    bar.Panels()->Clear();
    EXPECT_EQ(bar.PanelAtPos(QPoint(10, 10)), nullptr);
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image); // the lone empty part keeps its sunken edge
    EXPECT_EQ(image.pixel(10, 2), runtime::ToQColor(runtime::clBtnShadow).rgb());
}

TEST(PanelStatusBar, OwnerDrawnPanelPaintsThroughOnDrawPanel)
{
    TPanelStatusBar bar;
    bar.resize(200, 19);
    TStatusPanel* p = bar.Panels()->Add();
    p->SetPanelStyle(TStatusPanel::apsOwnerDraw);
    TStatusPanel* seen = nullptr;
    QObject::connect(&bar, &TPanelStatusBar::OnDrawPanel, &bar,
                     [&](TPanelStatusBar* sb, TStatusPanel* panel, const QRect& r) {
                         seen = panel;
                         sb->Canvas()->fillRect(r.adjusted(1, 1, -1, -1), Qt::magenta);
                     });
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image);
    EXPECT_EQ(seen, p);
    EXPECT_EQ(image.pixelColor(100, 10), QColor(Qt::magenta));
}

namespace {
// Runs the event loop for ms milliseconds and counts its wake-ups.
int WakeupsDuring(int ms)
{
    int wakeups = 0;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    const auto counter = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { ++wakeups; });
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(counter);
    return wakeups;
}
} // namespace

TEST(PanelStatusBar, PollsLockKeysOnlyWhileAPanelShowsOne)
{
    TPanelStatusBar bar;
    TStatusPanel* p = bar.Panels()->Add();
    int asked = 0;
    bar.LockKeyState = [&](controls::TPanelLockKeyStyle::TLockKeyType) {
        ++asked;
        return true;
    };
    bar.show();
    QApplication::processEvents();
    EXPECT_LT(WakeupsDuring(550), 3); // a polling bar would wake five times

    p->SetPanelStyle(TStatusPanel::apsLockKey);
    WakeupsDuring(250);
    EXPECT_GE(asked, 1);

    p->SetPanelStyle(TStatusPanel::apsText);
    const int before = asked;
    WakeupsDuring(250);
    EXPECT_EQ(asked, before);
}
