// OnEnter / OnExit: focus moves inside one form only, after the control's
// own focus-out work, never for window (de)activation.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/TApplication.h"
#include "runtime/TFocusEvents.h"
#include "runtime/TForm.h"
#include "support/ActiveFormTest.h"
#include "support/JournalField.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

std::vector<std::string> journal;

using quorvant::testing::JournalField;

class FocusForm : public TForm {
public:
    FocusForm()
    {
        a = new JournalField("a", this, journal, JournalField::FocusOut);
        b = new JournalField("b", this, journal, JournalField::FocusOut);
        c = new JournalField("c", this, journal, JournalField::FocusOut);
        a->move(0, 0);
        b->move(0, 30);
        c->move(0, 60);
        SetTabStop(c, false);
        for (QWidget* w : {a, b, c})
            JournalField::WatchFocusMoves(this, w, journal);
        resize(200, 120);
    }
    JournalField *a, *b, *c;
};

using FocusEvents = quorvant::testing::ActiveFormTest<FocusForm, journal>;

TEST_F(FocusEvents, TabFiresOneExitThenOneEnterAfterTheControlsOwnFocusOut)
{
    QTest::keyClick(form.a, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.b);
    EXPECT_EQ(journal, (std::vector<std::string>{"focusOut a", "exit a", "enter b"}));
}

TEST_F(FocusEvents, ShiftTabAndSkippedNonTabStop)
{
    form.b->setFocus(Qt::TabFocusReason);
    journal.clear();
    QTest::keyClick(form.b, Qt::Key_Tab); // c is no tab stop: back to a
    EXPECT_EQ(QApplication::focusWidget(), form.a);
    QTest::keyClick(form.a, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.b);
    EXPECT_EQ(journal, (std::vector<std::string>{"focusOut b", "exit b", "enter a", "focusOut a", "exit a",
                                                 "enter b"}));
}

TEST_F(FocusEvents, ClickFocusesANonTabStopAndCodeFocusExitsThePrevious)
{
    QTest::mouseClick(form.c, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), form.c);
    form.b->setFocus();
    EXPECT_EQ(journal, (std::vector<std::string>{"focusOut a", "exit a", "enter c", "focusOut c", "exit c",
                                                 "enter b"}));
}

TEST_F(FocusEvents, WindowDeactivationAndReturnFireNothing)
{
    TForm other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.a);
    // Only the control's own focus-out from the deactivation, no exit or enter.
    for (const auto& line : journal)
        EXPECT_TRUE(line.rfind("focusOut", 0) == 0) << line;
    EXPECT_EQ(form.ActiveControl(), form.a);
}

TEST_F(FocusEvents, ThrowingExitHandlerReachesOnExceptionAndFocusStillMoves)
{
    QObject* sender = nullptr;
    Application().OnException = [&](QObject* Sender, std::exception_ptr) { sender = Sender; };
    Bind(TFocusEvents::For(form.a), &TFocusEvents::OnExit, &form,
         [](QObject*) { throw std::runtime_error("exit failed"); });
    QTest::keyClick(form.a, Qt::Key_Tab);
    Application().OnException = nullptr;
    EXPECT_EQ(sender, form.a);
    EXPECT_EQ(QApplication::focusWidget(), form.b);
}

} // namespace

namespace {

TEST(FocusContainers, ExitsInnermostFirstThenEntersOutermostFirst)
{
    quorvant::testing::FreshPlatform();
    TForm form;
    form.resize(200, 200);
    auto* left = new QWidget(&form);
    left->setObjectName("left");
    left->setGeometry(0, 0, 100, 200);
    auto* right = new QWidget(&form);
    right->setObjectName("right");
    right->setGeometry(100, 0, 100, 200);
    auto* a = new JournalField("a", left, journal, JournalField::FocusOut);
    auto* b = new JournalField("b", right, journal, JournalField::FocusOut);
    for (QWidget* w : {left, right, static_cast<QWidget*>(a), static_cast<QWidget*>(b)})
        JournalField::WatchFocusMoves(&form, w, journal);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    a->setFocus();
    journal.clear();
    b->setFocus();
    EXPECT_EQ(journal,
              (std::vector<std::string>{"focusOut a", "exit a", "exit left", "enter right", "enter b"}));
}

} // namespace
