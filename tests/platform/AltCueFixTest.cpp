// The Alt-key cue fix: hooks forms at the idle sweep after they appear,
// repaints only forms that received the cue event, once per idle moment,
// drops entries of gone forms, and stays inactive on older systems.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

#include "platform/TAltCueFix.h"
#include "platform/UiRuntimeHooks.h"
#include "runtime/ControlProperties.h"
#include "runtime/TApplication.h"
#include "runtime/TForm.h"
#include "support/TestPlatform.h"

namespace {
std::atomic<bool> countAllocations{false};
std::atomic<int> allocations{0};
} // namespace

void* operator new(std::size_t size)
{
    if (countAllocations)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

using namespace quorvant;
using namespace quorvant::platform;
using quorvant::runtime::TForm;

namespace {

class PaintCounter : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class CueForm : public TForm {
public:
    CueForm()
    {
        resize(120, 80);
        counter = new PaintCounter(this);
        counter->setGeometry(10, 10, 40, 20);
    }
    PaintCounter* counter;
    int cueEvents = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == UiStateEventType())
            ++cueEvents;
        return TForm::event(e);
    }
};

void ShowActive(QWidget* w)
{
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

bool Hooked(const TAltCueFix& fix, const QWidget* form)
{
    for (const auto& entry : fix.FormObjects())
        if (entry->Hooks(form))
            return true;
    return false;
}

class AltCueFix : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform_ = &quorvant::testing::FreshPlatform();
        ShowActive(&main);
    }
    RecordingPlatform* platform_ = nullptr;
    CueForm main;
};

TEST_F(AltCueFix, AltInADialogRepaintsTheDialogOnlyAtTheNextSweep)
{
    TAltCueFix fix(&main);
    ASSERT_TRUE(fix.Active());
    auto* dialog = new CueForm;
    ShowActive(dialog);
    runtime::Application().RunIdleStep();
    EXPECT_TRUE(Hooked(fix, &main));
    EXPECT_TRUE(Hooked(fix, dialog));

    QTest::keyPress(dialog, Qt::Key_Alt);
    EXPECT_TRUE(runtime::KeyboardCuesVisible(dialog->counter));
    EXPECT_FALSE(runtime::KeyboardCuesVisible(main.counter));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(dialog->cueEvents, 1) << "the hook must pass the event on";
    dialog->counter->paints = 0;
    main.counter->paints = 0;
    EXPECT_EQ(dialog->counter->paints, 0) << "controls must not repaint by themselves";
    runtime::Application().RunIdleStep();
    EXPECT_EQ(dialog->counter->paints, 1);
    EXPECT_EQ(main.counter->paints, 0);

    QTest::keyRelease(dialog, Qt::Key_Alt);
    EXPECT_FALSE(runtime::KeyboardCuesVisible(dialog->counter));
    QCoreApplication::sendPostedEvents();
    runtime::Application().RunIdleStep();
    EXPECT_EQ(dialog->counter->paints, 2);

    // A closed dialog's entry is gone after the next sweep.
    QPointer<CueForm> gone = dialog;
    const QWidget* address = dialog;
    dialog->Release();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(gone);
    // Before the sweep the entry is stale; it no longer claims the address,
    // which a new form may be given.
    EXPECT_EQ(fix.FormObjects().size(), 2u);
    EXPECT_FALSE(Hooked(fix, address));
    runtime::Application().RunIdleStep();
    EXPECT_EQ(fix.FormObjects().size(), 1u);
    EXPECT_TRUE(Hooked(fix, &main));
}

TEST_F(AltCueFix, SeveralCueEventsBeforeIdleGiveOneRepaint)
{
    TAltCueFix fix(&main);
    runtime::Application().RunIdleStep();
    QCoreApplication::postEvent(&main, new QEvent(UiStateEventType()));
    QCoreApplication::postEvent(&main, new QEvent(UiStateEventType()));
    QCoreApplication::sendPostedEvents();
    main.counter->paints = 0;
    runtime::Application().RunIdleStep();
    runtime::Application().RunIdleStep();
    EXPECT_EQ(main.counter->paints, 1);
}

TEST_F(AltCueFix, SweepWithoutNewFormsAllocatesNothing)
{
    TAltCueFix fix(&main);
    CueForm other;
    bool done = true;
    fix.SweepForms(nullptr, done);
    ASSERT_EQ(fix.FormObjects().size(), 2u);
    allocations = 0;
    countAllocations = true;
    fix.SweepForms(nullptr, done);
    fix.SweepForms(nullptr, done);
    countAllocations = false;
    EXPECT_EQ(allocations, 0);
    EXPECT_TRUE(done);
}

TEST_F(AltCueFix, InactiveOnVersionFiveOrWithThemesOff)
{
    const int handlers = UiRuntimeHooks::IdleHandlerCount();
    platform_->version.MajorVersion = 5;
    TAltCueFix old(&main);
    platform_->version.MajorVersion = 6;
    platform_->themesEnabled = false;
    TAltCueFix plain(&main);
    platform_->themesEnabled = true; // noticed by neither afterwards
    runtime::Application().RunIdleStep();
    EXPECT_FALSE(old.Active());
    EXPECT_FALSE(plain.Active());
    EXPECT_TRUE(old.FormObjects().empty());
    EXPECT_TRUE(plain.FormObjects().empty());
    EXPECT_EQ(UiRuntimeHooks::IdleHandlerCount(), handlers);
}

TEST_F(AltCueFix, DestroyedFixLeavesTheIdleLoopAndFormsAlone)
{
    const int handlers = UiRuntimeHooks::IdleHandlerCount();
    auto* fix = new TAltCueFix(&main);
    runtime::Application().RunIdleStep();
    EXPECT_EQ(UiRuntimeHooks::IdleHandlerCount(), handlers + 1);
    delete fix;
    EXPECT_EQ(UiRuntimeHooks::IdleHandlerCount(), handlers);
    QCoreApplication::postEvent(&main, new QEvent(UiStateEventType()));
    QCoreApplication::sendPostedEvents();
    runtime::Application().RunIdleStep();
    EXPECT_EQ(main.cueEvents, 1);
}

} // namespace
