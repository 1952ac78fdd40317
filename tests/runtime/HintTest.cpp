// The application's current hint (on idle, long part, change-only event)
// and tooltips (HintPause, hint-window class, HintHidePause, show request).
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "runtime/ControlProperties.h"
#include "runtime/TApplication.h"
#include "runtime/TForm.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

class FancyHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
};

class ShapingButton : public QPushButton, public THintShowTarget {
public:
    using QPushButton::QPushButton;
    void HintShowRequest(THintInfo& info, bool& canShow) override
    {
        ++requests;
        info.HintStr = "shaped " + info.HintStr;
        canShow = allow;
    }
    int requests = 0;
    bool allow = true;
};

class ToolTipCounter : public QWidget {
public:
    using QWidget::QWidget;
    int toolTips = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip)
            ++toolTips;
        return QWidget::event(e);
    }
};

class HintForm : public TForm {
public:
    HintForm()
    {
        resize(300, 200);
        btnReset = new QPushButton("R", this);
        btnReset->setGeometry(0, 0, 40, 30);
        SetHint(btnReset, "Reset| Reset Default Values ...");
        btnUpdate = new QPushButton("U", this);
        btnUpdate->setGeometry(50, 0, 40, 30);
        SetHint(btnUpdate, " Check for New Version ...");
        bars = new QPushButton("B", this);
        bars->setGeometry(100, 0, 40, 30);
        SetHint(bars, "a|b|c");
        panel = new QWidget(this);
        panel->setGeometry(0, 100, 100, 50);
        SetHint(panel, "panel|panel long");
        inner = new QWidget(panel);
        inner->setGeometry(10, 10, 30, 30);
        shown = new ShapingButton("S", this);
        shown->setGeometry(150, 0, 40, 30);
        SetHint(shown, "Short|Long");
        SetShowHint(shown, true);
        plain = new QWidget(this);
        plain->setGeometry(200, 100, 50, 50);
    }
    QPushButton *btnReset, *btnUpdate, *bars;
    QWidget *panel, *inner, *plain;
    ShapingButton* shown;
};

class Hints : public ::testing::Test {
protected:
    void SetUp() override
    {
        quorvant::testing::FreshPlatform();
        Application().OnHint = [this](QObject*) { ++hintEvents; };
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        // Qt drops a move to where the mouse already is: start from a known spot.
        QTest::mouseMove(form.plain, {1, 1});
        Application().RunIdleStep();
        Application().CancelHint();
        hintEvents = 0;
    }
    void TearDown() override
    {
        Application().OnHint = nullptr;
        Application().OnShowHint = nullptr;
        Application().CancelHint();
        Application().HintPause = 500;
        Application().HintHidePause = 2500;
        Application().SetHintWindowClass<THintWindow>();
    }
    void MoveTo(QWidget* w, QPoint at = {5, 5})
    {
        QTest::mouseMove(w, at);
        Application().RunIdleStep();
    }
    HintForm form;
    int hintEvents = 0;
};

TEST_F(Hints, MovingBetweenControlsChangesTheHintOnIdle)
{
    QTest::mouseMove(form.btnReset, {5, 5});
    Application().RunIdleStep();
    EXPECT_EQ(Application().Hint(), " Reset Default Values ...");
    QTest::mouseMove(form.btnUpdate, {5, 5});
    EXPECT_EQ(Application().Hint(), " Reset Default Values ...") << "changes only on idle";
    Application().RunIdleStep();
    EXPECT_EQ(Application().Hint(), " Check for New Version ...");
    EXPECT_EQ(hintEvents, 2);
}

TEST_F(Hints, LongPartIsAfterTheFirstBarOnly)
{
    MoveTo(form.bars);
    EXPECT_EQ(Application().Hint(), "b|c");
}

TEST_F(Hints, OnHintFiresOnlyWhenTheStringChanges)
{
    MoveTo(form.btnUpdate);
    const int after = hintEvents;
    MoveTo(form.btnUpdate, {10, 10});
    Application().RunIdleStep();
    EXPECT_EQ(hintEvents, after);
}

TEST_F(Hints, NearestAncestorWithAHintAndEmptyOutsideOurWindows)
{
    MoveTo(form.inner);
    EXPECT_EQ(Application().Hint(), "panel long");
    MoveTo(form.plain);
    EXPECT_EQ(Application().Hint(), "");
    MoveTo(form.btnReset);
    form.hide(); // nothing of ours under the mouse any more
    Application().RunIdleStep();
    EXPECT_EQ(Application().Hint(), "");
}

TEST_F(Hints, TooltipShowsAfterHintPauseInTheCurrentClassAndHides)
{
    Application().SetHintWindowClass<FancyHintWindow>();
    Application().SetShowHint(false);
    Application().SetShowHint(true);
    Application().HintPause = 60;
    Application().HintHidePause = 150;
    QTest::mouseMove(form.shown, {5, 5});
    QTest::qWait(20);
    EXPECT_FALSE(Application().HintShowing()) << "shown before HintPause";
    QTest::qWait(80);
    ASSERT_TRUE(Application().HintShowing());
    auto* window = dynamic_cast<FancyHintWindow*>(Application().HintWindow());
    ASSERT_NE(window, nullptr) << "not the replaced hint-window class";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Caption(), "shaped Short");
    EXPECT_EQ(form.shown->requests, 1);
    QTest::qWait(200);
    EXPECT_FALSE(Application().HintShowing());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Hints, NoTooltipWhereHintDisplayIsOffOrARequestRefuses)
{
    Application().HintPause = 20;
    QTest::mouseMove(form.btnReset, {5, 5});
    QTest::qWait(60);
    EXPECT_FALSE(Application().HintShowing());

    form.shown->allow = false;
    QTest::mouseMove(form.shown, {5, 5});
    QTest::qWait(60);
    EXPECT_EQ(form.shown->requests, 1);
    EXPECT_FALSE(Application().HintShowing());

    form.shown->allow = true;
    Application().OnShowHint = [](QString&, bool& CanShow, THintInfo& Info) {
        EXPECT_EQ(Info.HideTimeout, Application().HintHidePause);
        CanShow = false;
    };
    QTest::mouseMove(form.btnUpdate, {5, 5});
    QTest::mouseMove(form.shown, {5, 5});
    QTest::qWait(60);
    EXPECT_EQ(form.shown->requests, 2);
    EXPECT_FALSE(Application().HintShowing());
}

TEST_F(Hints, MovingOutOfTheControlEndsTheTooltip)
{
    Application().HintPause = 20;
    QTest::mouseMove(form.shown, {5, 5});
    QTest::qWait(60);
    ASSERT_TRUE(Application().HintShowing());
    QTest::mouseMove(form.btnReset, {5, 5});
    EXPECT_FALSE(Application().HintShowing());
}

TEST_F(Hints, ATooltipBelongsToTheWindowOfTheControlItHints)
{
    Application().HintPause = 20;
    QTest::mouseMove(form.shown, {5, 5});
    QTest::qWait(60);
    ASSERT_TRUE(Application().HintShowing());
    QWindow* hint = Application().HintWindow()->windowHandle();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->transientParent(), form.windowHandle());

    HintForm other;
    other.SetCentreOnFirstShow(false);
    other.move(0, 0);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    QTest::mouseMove(other.shown, {5, 5});
    QTest::qWait(60);
    ASSERT_TRUE(Application().HintShowing());
    EXPECT_EQ(Application().HintControl(), other.shown);
    EXPECT_EQ(Application().HintWindow()->windowHandle()->transientParent(), other.windowHandle());
    EXPECT_TRUE(Application().HintWindow()->isVisible());
}

TEST_F(Hints, QtToolTipEventsAreSuppressed)
{
    ToolTipCounter counter(&form);
    counter.setGeometry(0, 160, 20, 20);
    counter.show();
    QHelpEvent help(QEvent::ToolTip, {2, 2}, counter.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&counter, &help);
    EXPECT_EQ(counter.toolTips, 0);
}

} // namespace

namespace {

TEST_F(Hints, LeavingTheWindowEmptiesTheHint)
{
    MoveTo(form.btnReset);
    ASSERT_EQ(Application().Hint(), " Reset Default Values ...");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form.windowHandle(), &leave);
    Application().RunIdleStep();
    EXPECT_EQ(Application().Hint(), "");
}

} // namespace
