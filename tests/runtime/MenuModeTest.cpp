// Menu mode, keyboard cues of Qt's own widgets, speed-button accelerators
// and context menus after the button's release.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/TApplication.h"
#include "runtime/TFocusEvents.h"
#include "runtime/TForm.h"
#include "runtime/TSpeedButton.h"
#include "support/ActiveFormTest.h"
#include "support/JournalField.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

std::vector<std::string> journal;

using quorvant::testing::JournalField;

class MenuForm : public TForm {
public:
    MenuForm()
    {
        bar = new QMenuBar(this);
        file = bar->addMenu("&File");
        file->addAction("E&xit");
        a = new JournalField("a", this, journal, JournalField::ExitDue);
        b = new JournalField("b", this, journal, JournalField::ExitDue);
        a->move(0, 40);
        b->move(0, 70);
        for (QWidget* w : {a, b})
            JournalField::WatchFocusMoves(this, w, journal);
        resize(200, 120);
    }
    QMenuBar* bar;
    QMenu* file;
    JournalField *a, *b;
};

using MenuMode = quorvant::testing::ActiveFormTest<MenuForm, journal>;

TEST_F(MenuMode, TheMenuBarTakingTheKeyboardIsNoFocusMove)
{
    form.bar->setFocus(Qt::MenuBarFocusReason);
    form.a->setFocus(Qt::MenuBarFocusReason);
    EXPECT_TRUE(journal.empty()) << journal.front();
    EXPECT_EQ(form.ActiveControl(), form.a);

    // A move from menu mode to another control: the old one is told first.
    form.bar->setFocus(Qt::MenuBarFocusReason);
    form.b->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(journal, (std::vector<std::string>{"due a", "exit a", "enter b"}));
}

TEST_F(MenuMode, CuesShowWhileAltIsHeldAndWhileTheMenuBarHasTheKeyboard)
{
    QTest::keyPress(form.a, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(KeyboardCuesVisible(form.a));
    // Alt tapped: Qt's menu bar takes the keyboard.
    form.bar->setFocus(Qt::MenuBarFocusReason);
    QTest::keyRelease(form.bar, Qt::Key_Alt);
    EXPECT_TRUE(KeyboardCuesVisible(form.a));
    EXPECT_TRUE(KeyboardCuesVisible(form.file)) << "a drop-down menu shows its form's cues";
    form.a->setFocus(Qt::MenuBarFocusReason);
    EXPECT_FALSE(KeyboardCuesVisible(form.a));
    EXPECT_FALSE(KeyboardCuesVisible(form.file));
}

TEST_F(MenuMode, MenuBarAndMenusUnderlineByTheCueState)
{
    SetKeyboardCuesVisible(&form, false);
    EXPECT_EQ(form.bar->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, form.bar), 0);
    EXPECT_EQ(form.file->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, form.file), 0);
    const QImage hidden = form.bar->grab().toImage();
    SetKeyboardCuesVisible(&form, true);
    EXPECT_EQ(form.bar->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, form.bar), 1);
    EXPECT_EQ(form.file->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, form.file), 1);
    EXPECT_NE(form.bar->grab().toImage(), hidden) << "no underline drawn";
}

TEST_F(MenuMode, SpeedButtonAnswersTheAcceleratorOfItsCaption)
{
    auto* ok = new TSpeedButton(&form);
    ok->SetCaption(" &OK");
    ok->setGeometry(100, 40, 60, 22);
    ok->show();
    QSignalSpy clicks(ok, &TGraphicControl::OnClick);
    QTest::keyClick(form.a, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    ok->setEnabled(false);
    QTest::keyClick(form.a, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    ok->setEnabled(true);
    ok->SetCaption("Close"); // no accelerator any more
    QTest::keyClick(form.a, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

class ClickRecorder : public QWidget {
public:
    explicit ClickRecorder(QWidget* parent) : QWidget(parent) { resize(100, 30); }

protected:
    void mouseReleaseEvent(QMouseEvent*) override { journal.push_back("release"); }
    void contextMenuEvent(QContextMenuEvent* e) override
    {
        journal.push_back("menu at " + std::to_string(e->pos().x()));
        e->accept();
    }
};

TEST_F(MenuMode, TheContextMenuComesAfterTheRightButtonsRelease)
{
    auto* recorder = new ClickRecorder(&form);
    recorder->move(0, 90);
    recorder->show();
    // Through the window, as the platform delivers them: Qt raises the
    // context menu itself.
    QWindow* window = form.windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, recorder->mapTo(&form, QPoint(10, 5)));
    QApplication::processEvents();
    EXPECT_TRUE(journal.empty()) << journal.front();
    QTest::mouseRelease(window, Qt::RightButton, {}, recorder->mapTo(&form, QPoint(12, 5)));
    QApplication::processEvents();
    EXPECT_EQ(journal, (std::vector<std::string>{"release", "menu at 12"}));
    // From the keyboard it comes at once.
    journal.clear();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, {3, 3}, recorder->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(recorder, &key);
    EXPECT_EQ(journal, (std::vector<std::string>{"menu at 3"}));
}

} // namespace
