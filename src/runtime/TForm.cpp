#include "runtime/TForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>
#include <stdexcept>

#include "runtime/Guard.h"
#include "runtime/TApplication.h"
#include "runtime/TFocusEvents.h"
#include "runtime/TFormAccessible.h"
#include "runtime/TRuntimeAccessibleFactory.h"
#include "runtime/TScreen.h"

namespace quorvant::runtime {

namespace {
// The form's modal loop; one per nested ShowModal.
constexpr const char* ModalLoopKey = "quorvantModalLoop";
} // namespace

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    TRuntimeAccessibleFactory::Install();
    Application().FormBorn(this); // it also watches every form's events
    Screen().AddForm(this);
}

TForm::~TForm()
{
    Screen().RemoveForm(this);
    Application().FormGone(this);
}

void TForm::FormCreate(QObject*) {}
void TForm::FormShow(QObject*) {}
void TForm::FormActivate(QObject*) {}
void TForm::FormClose(QObject*, TCloseAction&) {}
void TForm::FormDestroy(QObject*) {}
void TForm::CreateParams(TCreateParams&) {}

void TForm::DoCreate()
{
    if (created_)
        return;
    created_ = true;
    Guarded(this, [&] {
        FormCreate(this);
        emit OnCreate(this);
    });
}

void TForm::DoDestroy()
{
    if (destroyed_)
        return;
    destroyed_ = true;
    Guarded(this, [&] {
        FormDestroy(this);
        emit OnDestroy(this);
    });
}

void TForm::Activated()
{
    Guarded(this, [&] {
        FormActivate(this);
        emit OnActivate(this);
    });
}

void TForm::setVisible(bool visible)
{
    if (visible && !paramsApplied_)
        ApplyCreateParams();
    if (visible && !shownOnce_) {
        shownOnce_ = true;
        if (centreOnFirstShow_)
            CentreOnScreen();
    }
    if (visible) {
        // The flags are final now, so the native window made here is the one
        // that is shown.
        winId();
        AttachToOwner();
        connect(windowHandle(), &QWindow::windowStateChanged, this, &TForm::RefuseMaximise,
                Qt::UniqueConnection);
    }
    QWidget::setVisible(visible);
}

// Every form but the main one belongs to the main window, as the ownerless
// forms of the original desktop belong to the application's window: no
// taskbar button of its own, kept above the main window, and on Wayland
// placed over it by the compositor (which ignores move()).
void TForm::AttachToOwner()
{
    TForm* owner = Application().MainForm();
    if (!owner || owner == this || !owner->windowHandle() || !windowHandle())
        return;
    if (windowHandle()->transientParent() != owner->windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
}

// A fixed-size window is never maximised or made full screen. Wayland
// decorations offer the button whatever the flags say, and a compositor ends
// a client whose window does not fill the maximised size; the request is
// taken back at once, before the compositor answers it.
void TForm::RefuseMaximise()
{
    QWindow* window = windowHandle();
    if (!window || minimumSize() != maximumSize())
        return;
    constexpr Qt::WindowStates refused = Qt::WindowMaximized | Qt::WindowFullScreen;
    const bool asked = window->windowStates() & refused;
    if (asked)
        window->setWindowStates(window->windowStates() & ~refused);
    if (windowState() & refused)
        setWindowState(windowState() & ~refused);
    // On Wayland the request has already gone out, and Qt sends no taking
    // back before the compositor has answered it. Shown anew, the window
    // leaves the request with a surface that is gone before the answer comes.
    constexpr const char* Remapping = "quorvantRemapping";
    if (asked && isVisible() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        !property(Remapping).toBool()) {
        setProperty(Remapping, true);
        QMetaObject::invokeMethod(
            this,
            [this] {
                QWidget::setVisible(false);
                QWidget::setVisible(true);
                setProperty(Remapping, false);
            },
            Qt::QueuedConnection);
    }
}

void TForm::ApplyCreateParams()
{
    paramsApplied_ = true;
    createParams_.WindowFlags = windowFlags();
    Guarded(this, [&] { CreateParams(createParams_); });
    Qt::WindowFlags flags = createParams_.WindowFlags;
    // A tool window gets no taskbar button; an application window always does.
    if ((createParams_.ExStyle & WS_EX_TOOLWINDOW) && !(createParams_.ExStyle & WS_EX_APPWINDOW))
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Tool;
    // A form owned by the main window is a dialog to the desktop (X11 writes
    // the owner only for dialog-like windows).
    if (TForm* owner = Application().MainForm();
        owner && owner != this && (flags & Qt::WindowType_Mask) == Qt::Window)
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
    setWindowFlags(flags);
    ApplyBorderIcons();
}

void TForm::ApplyBorderIcons()
{
    Qt::WindowFlags flags = windowFlags();
    flags &= ~(Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
               Qt::WindowContextHelpButtonHint);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    const bool fixed = minimumSize() == maximumSize();
    // Without the system menu there is neither a close box nor min/max boxes.
    if (borderIcons_ & biSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_ & biMinimize)
            flags |= Qt::WindowMinimizeButtonHint;
        if ((borderIcons_ & biMaximize) && !fixed)
            flags |= Qt::WindowMaximizeButtonHint;
        if (borderIcons_ & biHelp)
            flags |= Qt::WindowContextHelpButtonHint;
    }
    if (flags == windowFlags())
        return;
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible)
        QWidget::setVisible(true);
}

void TForm::SetBorderIcons(unsigned icons)
{
    if (borderIcons_ == icons)
        return;
    borderIcons_ = icons;
    if (paramsApplied_)
        ApplyBorderIcons();
}

void TForm::SetFixedFormSize(int width, int height)
{
    setFixedSize(width, height);
    if (paramsApplied_)
        ApplyBorderIcons();
}

void TForm::CentreOnScreen()
{
    QScreen* screen = nullptr;
    if (QWidget* active = QApplication::activeWindow(); active && active != this)
        screen = active->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    Guarded(this, [&] {
        FormShow(this);
        emit OnShow(this);
    });
}

bool TForm::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        Screen().FormActivated(this);
        TFormAccessible::Activated(this);
        break;
    case QEvent::DeferredDelete:
        DoDestroy();
        break;
    case QEvent::WindowStateChange:
        RefuseMaximise();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

int TForm::ShowModal()
{
    if (modal_ || isVisible())
        throw std::logic_error("Cannot make a visible window modal");
    QPointer<TForm> self(this);
    modal_ = true;
    modalResult_ = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    setProperty(ModalLoopKey, QVariant::fromValue<QObject*>(&loop));
    int result = mrCancel;
    for (;;) {
        if (modalResult_ == mrNone)
            loop.exec(QEventLoop::DialogExec);
        if (!self)
            return mrCancel; // destroyed while modal
        if (modalResult_ == mrNone)
            continue;
        TCloseAction action = TCloseAction::caHide;
        Guarded(this, [&] {
            FormClose(this, action);
            emit OnClose(this, action);
        });
        if (!self)
            return mrCancel;
        if (action == TCloseAction::caNone) {
            modalResult_ = mrNone;
            continue;
        }
        result = modalResult_;
        if (action == TCloseAction::caFree)
            Release();
        break;
    }
    setProperty(ModalLoopKey, QVariant());
    QWidget::setVisible(false);
    setWindowModality(Qt::NonModal);
    modal_ = false;
    return result;
}

void TForm::SetModalResult(int result)
{
    modalResult_ = result;
    if (!modal_ || result == mrNone)
        return;
    if (auto* loop = qobject_cast<QEventLoop*>(property(ModalLoopKey).value<QObject*>()))
        loop->quit();
}

void TForm::Release()
{
    if (releasing_)
        return;
    releasing_ = true;
    deleteLater();
}

void TForm::Free()
{
    DoDestroy();
    delete this;
}

void TForm::Close()
{
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    RunCloseSequence();
}

bool TForm::RunCloseSequence()
{
    TCloseAction action = TCloseAction::caHide;
    QPointer<TForm> self(this);
    // An exception in FormClose is reported; the action as it stood then
    // still applies, so that a failing handler cannot keep a window open.
    Guarded(this, [&] {
        FormClose(this, action);
        emit OnClose(this, action);
    });
    if (!self || action == TCloseAction::caNone)
        return false;
    const bool isMain = Application().MainForm() == this;
    switch (action) {
    case TCloseAction::caMinimize:
        if (!isMain) {
            showMinimized();
            return false;
        }
        [[fallthrough]];
    case TCloseAction::caHide:
        QWidget::setVisible(false);
        break;
    case TCloseAction::caFree:
        QWidget::setVisible(false);
        Release();
        break;
    case TCloseAction::caNone:
        break;
    }
    if (isMain)
        Application().Terminate();
    return true;
}

void TForm::closeEvent(QCloseEvent* event)
{
    // The close sequence decides what happens; Qt must not hide on its own.
    // A form without a close box (no system menu) still gets one from
    // Wayland decorations: closing there is the same Close as the form's own
    // OK button runs, never a way around the close sequence.
    event->ignore();
    if (closing_)
        return;
    closing_ = true;
    QPointer<TForm> self(this);
    Close();
    if (self)
        closing_ = false;
}

QWidget* TForm::ActiveControl() const
{
    if (QWidget* last = TFocusEvents::LastFocused(this))
        return last;
    return focusWidget();
}

void TForm::SetActiveControl(QWidget* control)
{
    if (control)
        control->setFocus(Qt::OtherFocusReason);
}

} // namespace quorvant::runtime
