// Forms: modal runs, deferred release, close actions, window flags, screen list.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <stdexcept>

#include "runtime/TApplication.h"
#include "runtime/TForm.h"
#include "runtime/TScreen.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

int destroyCount = 0;

class Dialog : public TForm {
public:
    explicit Dialog(TCloseAction action = TCloseAction::caHide) : action_(action)
    {
        resize(200, 100);
        DoCreate();
    }
    ~Dialog() override { ++destructed; }
    int created = 0, shown = 0, closed = 0;
    static inline int destructed = 0;
    void SetAction(TCloseAction action) { action_ = action; }

protected:
    void FormCreate(QObject*) override { ++created; }
    void FormShow(QObject*) override { ++shown; }
    void FormClose(QObject*, TCloseAction& Action) override
    {
        ++closed;
        Action = action_;
    }
    void FormDestroy(QObject*) override { ++destroyCount; }

private:
    TCloseAction action_;
};

void FlushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Forms : public ::testing::Test {
protected:
    void SetUp() override
    {
        quorvant::testing::FreshPlatform();
        destroyCount = 0;
        Dialog::destructed = 0;
    }
};

TEST_F(Forms, ShowModalThenReleaseTwiceDestroysOnce)
{
    QPointer<Dialog> dialog = new Dialog;
    EXPECT_EQ(dialog->created, 1);
    QTimer::singleShot(0, dialog, [&] {
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->isModal());
        dialog->SetModalResult(mrOk);
    });
    const int result = dialog->ShowModal();
    EXPECT_EQ(result, mrOk);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->closed, 1);
    EXPECT_EQ(dialog->shown, 1);
    dialog->Release();
    dialog->Release();
    EXPECT_TRUE(dialog) << "release is deferred";
    FlushDeferredDeletes();
    EXPECT_FALSE(dialog);
    EXPECT_EQ(Dialog::destructed, 1);
    EXPECT_EQ(destroyCount, 1);
}

TEST_F(Forms, CloseInsideModalRunEndsItWithCancel)
{
    Dialog dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); }); // the close box
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(Forms, CloseActionNoneKeepsTheModalRunGoing)
{
    Dialog dialog(TCloseAction::caNone);
    // First close is refused by caNone; then the form allows it.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.Close();
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(dialog.isVisible()) << "caNone must keep the dialog open";
            dialog.SetAction(TCloseAction::caHide);
            dialog.Close();
        });
    });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(dialog.closed, 2);
}

TEST_F(Forms, CloseActionsOfModelessForms)
{
    Dialog hide(TCloseAction::caHide);
    hide.show();
    hide.Close();
    EXPECT_FALSE(hide.isVisible());

    Dialog none(TCloseAction::caNone);
    none.show();
    none.close();
    EXPECT_TRUE(none.isVisible());

    QPointer<Dialog> freed = new Dialog(TCloseAction::caFree);
    freed->show();
    freed->Close();
    EXPECT_FALSE(freed->isVisible());
    FlushDeferredDeletes();
    EXPECT_FALSE(freed);
    EXPECT_EQ(destroyCount, 1);
}

TEST_F(Forms, ScreenListsLiveFormsInCreationOrder)
{
    const int before = Screen().FormCount();
    auto* a = new Dialog;
    auto* b = new Dialog;
    ASSERT_EQ(Screen().FormCount(), before + 2);
    EXPECT_EQ(Screen().Forms(before), a);
    EXPECT_EQ(Screen().Forms(before + 1), b);
    a->Free();
    EXPECT_EQ(Screen().FormCount(), before + 1);
    EXPECT_EQ(Screen().Forms(before), b);
    b->Release();
    FlushDeferredDeletes();
    EXPECT_EQ(Screen().FormCount(), before);
}

TEST_F(Forms, FixedSizeBorderIconsAndCentring)
{
    Dialog dialog;
    dialog.SetFixedFormSize(300, 200);
    dialog.SetBorderIcons(biSystemMenu | biMinimize);
    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(dialog.geometry().center().x() - area.center().x()), 2);
    EXPECT_LE(std::abs(dialog.geometry().center().y() - area.center().y()), 2);

    Dialog bare;
    bare.SetBorderIcons(0);
    bare.show();
    EXPECT_FALSE(bare.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(bare.windowFlags() & Qt::WindowSystemMenuHint);
}

TEST_F(Forms, EveryOtherFormIsOwnedByTheMainWindowHoweverItIsShown)
{
    auto* main = Application().CreateForm<Dialog>();
    struct FreeAfterwards {
        Dialog* form;
        ~FreeAfterwards() { form->Free(); }
    } freeMain{main};
    main->show();
    EXPECT_EQ(main->windowType(), Qt::Window);

    Dialog modeless;
    modeless.show();
    EXPECT_EQ(modeless.windowType(), Qt::Dialog);
    ASSERT_NE(modeless.windowHandle(), nullptr);
    EXPECT_EQ(modeless.windowHandle()->transientParent(), main->windowHandle());

    // The border icons change the window flags at the first show, after
    // ShowModal has begun.
    Dialog modal;
    modal.SetFixedFormSize(300, 200);
    modal.SetBorderIcons(0);
    QWindow* owner = nullptr;
    QTimer::singleShot(0, &modal, [&] {
        owner = modal.windowHandle() ? modal.windowHandle()->transientParent() : nullptr;
        modal.SetModalResult(mrOk);
    });
    modal.ShowModal();
    EXPECT_EQ(owner, main->windowHandle());
    EXPECT_EQ(modal.windowType(), Qt::Dialog);
}

TEST_F(Forms, AFixedSizeWindowRefusesToBeMaximised)
{
    Dialog fixed;
    fixed.SetFixedFormSize(300, 200);
    fixed.show();
    ASSERT_NE(fixed.windowHandle(), nullptr);
    // As a title bar's maximise button asks, whatever the window's flags say.
    fixed.windowHandle()->setWindowStates(Qt::WindowMaximized);
    EXPECT_FALSE(fixed.windowHandle()->windowStates() & Qt::WindowMaximized);
    fixed.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(fixed.windowHandle()->windowStates() & Qt::WindowMaximized);
    EXPECT_FALSE(fixed.windowState() & Qt::WindowMaximized);
    fixed.showFullScreen();
    QCoreApplication::processEvents();
    EXPECT_FALSE(fixed.windowHandle()->windowStates() & Qt::WindowFullScreen);
    EXPECT_EQ(fixed.size(), QSize(300, 200));

    Dialog sizeable;
    sizeable.show();
    sizeable.windowHandle()->setWindowStates(Qt::WindowMaximized);
    EXPECT_TRUE(sizeable.windowHandle()->windowStates() & Qt::WindowMaximized);
}

class ToolForm : public TForm {
protected:
    void CreateParams(TCreateParams& params) override { params.ExStyle |= WS_EX_TOOLWINDOW; }
};

TEST_F(Forms, CreationParametersApplyBeforeTheFirstShow)
{
    ToolForm form;
    form.show();
    EXPECT_EQ(form.windowType(), Qt::Tool);
    EXPECT_TRUE(form.ExStyle() & WS_EX_TOOLWINDOW);
}

class FailingCreate : public TForm {
public:
    FailingCreate() { DoCreate(); }
    bool after = false;

protected:
    void FormCreate(QObject*) override
    {
        throw std::runtime_error("create failed");
        after = true;
    }
};

TEST_F(Forms, ExceptionInFormCreateIsReportedAndTheFormStillShows)
{
    QObject* sender = nullptr;
    Application().OnException = [&](QObject* Sender, std::exception_ptr) { sender = Sender; };
    FailingCreate form;
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(sender, &form);
    Application().OnException = nullptr;
}

TEST_F(Forms, ShowModalOnVisibleFormThrows)
{
    Dialog dialog;
    dialog.show();
    EXPECT_THROW(dialog.ShowModal(), std::logic_error);
}

} // namespace

namespace {

class ActivationForm : public TForm {
public:
    int activations = 0;

protected:
    void FormActivate(QObject*) override { ++activations; }
};

TEST_F(Forms, FormActivateFiresWhenTheActiveFormChanges)
{
    ActivationForm a, b;
    a.resize(100, 100);
    b.resize(100, 100);
    a.show();
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    EXPECT_EQ(a.activations, 1);
    EXPECT_EQ(Screen().ActiveForm(), &a);
    b.show();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    EXPECT_EQ(Screen().ActiveForm(), &b);
    a.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    EXPECT_EQ(a.activations, 2);
    EXPECT_EQ(b.activations, 1);
}

} // namespace

namespace {

class MainCandidate : public TForm {
public:
    MainCandidate() { DoCreate(); }
    TForm* mainDuringCreate = nullptr;

protected:
    void FormCreate(QObject*) override { mainDuringCreate = Application().MainForm(); }
};

TEST_F(Forms, CreateFormMakesTheFirstFormMainAlreadyDuringItsCreate)
{
    ASSERT_EQ(Application().MainForm(), nullptr);
    auto* main = Application().CreateForm<MainCandidate>();
    EXPECT_EQ(main->mainDuringCreate, main);
    EXPECT_EQ(Application().MainForm(), main);
    auto* second = Application().CreateForm<MainCandidate>();
    EXPECT_EQ(Application().MainForm(), main);
    second->Free();
    main->Free();
    EXPECT_EQ(Application().MainForm(), nullptr);
}

} // namespace
