// Exceptions that escape bound handlers, idle steps and timers reach the
// application's exception event with their sender and never unwind into Qt.
#include <QAction>
#include <QEventLoop>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/UiRuntimeHooks.h"
#include "runtime/Guard.h"
#include "runtime/MessageBoxes.h"
#include "runtime/TApplication.h"
#include "runtime/TForm.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

int qtWarnings = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        ++qtWarnings;
}

struct Caught {
    QObject* sender = nullptr;
    std::string what;
    int count = 0;
};

class ApplicationEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform_ = &quorvant::testing::FreshPlatform();
        qtWarnings = 0;
        previousHandler_ = qInstallMessageHandler(CountWarnings);
        Application().OnException = [this](QObject* Sender, std::exception_ptr E) {
            ++caught_.count;
            caught_.sender = Sender;
            try {
                std::rethrow_exception(E);
            } catch (const std::exception& e) {
                caught_.what = e.what();
            }
        };
    }
    void TearDown() override
    {
        Application().OnException = nullptr;
        Application().OnIdle = nullptr;
        qInstallMessageHandler(previousHandler_);
        EXPECT_EQ(qtWarnings, 0) << "Qt complained (an exception reached it?)";
    }
    QtMessageHandler previousHandler_ = nullptr;
    platform::RecordingPlatform* platform_ = nullptr;
    Caught caught_;
};

class HandlerForm : public TForm {
public:
    void Calculate(QObject* Sender)
    {
        lastSender = Sender;
        throw std::runtime_error("calculate failed");
    }
    QObject* lastSender = nullptr;
};

TEST_F(ApplicationEvents, ExceptionFromBoundClickReachesOnExceptionWithSender)
{
    HandlerForm form;
    auto* button = new QPushButton("Go", &form);
    Bind(button, &QPushButton::clicked, &form, &HandlerForm::Calculate);
    form.show();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(caught_.count, 1);
    EXPECT_EQ(caught_.sender, button);
    EXPECT_EQ(form.lastSender, button);
    EXPECT_EQ(caught_.what, "calculate failed");
    // The program keeps running: a second click is handled the same way.
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(caught_.count, 2);
}

TEST_F(ApplicationEvents, ExceptionFromMenuCommandReachesOnExceptionWithTheItem)
{
    QAction item("&Contents");
    Bind(&item, &QAction::triggered, &item, [](QObject*) { throw std::out_of_range("menu"); });
    item.trigger();
    EXPECT_EQ(caught_.count, 1);
    EXPECT_EQ(caught_.sender, &item);
    EXPECT_EQ(caught_.what, "menu");
}

TEST_F(ApplicationEvents, BoundLambdaGetsSignalArgumentsOrSender)
{
    QPushButton button;
    button.setCheckable(true);
    bool checkedSeen = false;
    QObject* senderSeen = nullptr;
    Bind(&button, &QPushButton::toggled, &button, [&](bool checked) { checkedSeen = checked; });
    Bind(&button, &QPushButton::toggled, &button, [&](QObject* Sender) { senderSeen = Sender; });
    button.toggle();
    EXPECT_TRUE(checkedSeen);
    EXPECT_EQ(senderSeen, &button);
}

TEST_F(ApplicationEvents, ExceptionFromIdleAndFromIdleHandlersIsCaught)
{
    Application().OnIdle = [](QObject*, bool&) { throw std::runtime_error("idle"); };
    int later = 0;
    const int id = platform::UiRuntimeHooks::AddIdleHandler([&](QObject*, bool&) {
        ++later;
        throw std::logic_error("sweep");
    });
    Application().RunIdleStep();
    platform::UiRuntimeHooks::RemoveIdleHandler(id);
    // The failing OnIdle does not keep the other idle handlers from running.
    EXPECT_EQ(later, 1);
    EXPECT_EQ(caught_.count, 2);
    EXPECT_EQ(caught_.what, "sweep");
    EXPECT_EQ(caught_.sender, &Application());
    Application().RunIdleStep();
    EXPECT_EQ(later, 1) << "a removed idle handler still ran";
}

TEST_F(ApplicationEvents, ExceptionFromTimerIsCaught)
{
    QTimer timer;
    timer.setSingleShot(true);
    Bind(&timer, &QTimer::timeout, &timer, [] { throw std::runtime_error("tick"); });
    timer.start(1);
    QTest::qWait(30);
    EXPECT_EQ(caught_.count, 1);
    EXPECT_EQ(caught_.sender, &timer);
}

TEST_F(ApplicationEvents, WithoutHandlerTheDefaultBoxShowsTheText)
{
    Application().OnException = nullptr;
    Application().Title = "Quorvant, 4.5";
    Guarded(nullptr, [] { throw std::runtime_error("plain failure"); });
    ASSERT_EQ(platform_->messageBoxes.size(), 1u);
    EXPECT_EQ(platform_->messageBoxes[0].text, "plain failure");
    EXPECT_EQ(platform_->messageBoxes[0].caption, "Quorvant, 4.5");
    EXPECT_EQ(platform_->messageBoxes[0].icon, platform::MessageBoxIcon::Error);
}

TEST_F(ApplicationEvents, ThrowingExceptionHandlerFallsBackToTheDefaultBox)
{
    Application().OnException = [](QObject*, std::exception_ptr) {
        throw std::runtime_error("handler broke");
    };
    Guarded(nullptr, [] { throw std::runtime_error("first"); });
    ASSERT_EQ(platform_->messageBoxes.size(), 1u);
    EXPECT_EQ(platform_->messageBoxes[0].text, "handler broke");
}

TEST_F(ApplicationEvents, TheEventLoopRunsIdleBeforeItWaits)
{
    int runs = 0;
    Application().OnIdle = [&](QObject*, bool&) { ++runs; };
    QEventLoop loop;
    QTimer::singleShot(30, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(runs, 1);
}

TEST_F(ApplicationEvents, MessageBoxesGoThroughThePlatformWithTheirTextUnchanged)
{
    TForm owner;
    InformationBox("Results\n\rusing", &owner);
    Application().Title = "Quorvant, 4.5";
    ErrorBox("broken");
    ASSERT_EQ(platform_->messageBoxes.size(), 2u);
    EXPECT_EQ(platform_->messageBoxes[0].text, "Results\n\rusing");
    EXPECT_EQ(platform_->messageBoxes[0].caption, "Information");
    EXPECT_EQ(platform_->messageBoxes[0].icon, platform::MessageBoxIcon::Information);
    EXPECT_EQ(platform_->messageBoxes[0].owner, static_cast<QWidget*>(&owner));
    EXPECT_EQ(platform_->messageBoxes[1].caption, "Quorvant, 4.5");
    EXPECT_EQ(platform_->messageBoxes[1].icon, platform::MessageBoxIcon::Error);
}

TEST_F(ApplicationEvents, IdleStepRunsOnIdleWithDoneTrue)
{
    bool doneSeen = false;
    int runs = 0;
    Application().OnIdle = [&](QObject* Sender, bool& Done) {
        ++runs;
        doneSeen = Done;
        EXPECT_EQ(Sender, &Application());
    };
    Application().RunIdleStep();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(doneSeen);
}

} // namespace
