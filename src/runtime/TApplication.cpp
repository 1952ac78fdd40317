#include "runtime/TApplication.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "platform/Platform.h"
#include "platform/UiRuntimeHooks.h"
#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/MessageBoxes.h"
#include "runtime/TFocusEvents.h"
#include "runtime/TForm.h"
#include "runtime/TKeyboardCueStyle.h"
#include "runtime/TScreen.h"
#include "runtime/help/HtmlHelpApi.h"

namespace quorvant::runtime {

namespace {
TApplication* theApplication = nullptr;

void DeleteApplication()
{
    delete theApplication;
    theApplication = nullptr;
}

QString ExceptionText(std::exception_ptr e)
{
    try {
        if (e)
            std::rethrow_exception(e);
    } catch (const std::exception& ex) {
        return QString::fromUtf8(ex.what());
    } catch (...) {
    }
    return QStringLiteral("Unknown exception");
}

// The hint of a control, or of its nearest ancestor that has one.
QString InheritedHint(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        QString h = quorvant::runtime::Hint(w);
        if (!h.isEmpty())
            return h;
    }
    return {};
}

QWidget* WidgetOfWindow(const QWindow* window)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowHandle() == window)
            return w;
    return nullptr;
}

bool IsHintWindow(const QWidget* w)
{
    return w && w->windowType() == Qt::ToolTip;
}

// The menu bar of the form has the keyboard: menu mode by Alt, F10, an
// accelerator, or Escape out of a drop-down menu.
bool MenuHasKeyboard(const QWidget* form)
{
    const auto* bar = qobject_cast<const QMenuBar*>(QApplication::focusWidget());
    return bar && bar->window() == form;
}

constexpr int CursorHeight = 20; // the tooltip goes below the pointer

// A tooltip belongs to the hinted control's window: stacked above it, and on
// Wayland a pop-up placed relative to it. Without an owner it would be a
// top-level window of its own wherever the compositor puts it, or borrow
// whichever window has the keyboard.
void AttachHintWindow(THintWindow* hint, QWidget* control)
{
    QWindow* owner = control->window()->windowHandle();
    if (!owner)
        return;
    hint->winId();
    QWindow* window = hint->windowHandle();
    if (!window || window->transientParent() == owner)
        return;
    // The platform takes a new owner only when the window is shown again.
    if (hint->isVisible())
        hint->ReleaseHint();
    window->setTransientParent(owner);
}
} // namespace

void HandleEscapedException(QObject* sender, std::exception_ptr e) noexcept
{
    try {
        Application().HandleException(sender, e);
    } catch (...) {
        // Nothing may unwind into Qt; the report itself failed.
    }
}

TApplication& Application()
{
    if (!theApplication) {
        theApplication = new TApplication;
        // Before QApplication takes the widgets down, not after.
        qAddPostRoutine(DeleteApplication);
    }
    return *theApplication;
}

TApplication::TApplication(QObject* parent) : QObject(parent)
{
    Screen();
    TKeyboardCueStyle::Install();
    hintWindowFactory_ = [] { return new THintWindow(nullptr); };
    qApp->installEventFilter(this);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (!inIdle_)
                RunIdleStep();
        });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &TApplication::ApplicationStateChanged);
    wasActive_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
    for (QTimer* t : {&hintPauseTimer_, &hintHideTimer_, &hintReshowTimer_})
        t->setSingleShot(true);
    connect(&hintPauseTimer_, &QTimer::timeout, this, [this] { Guarded(this, [this] { ShowTooltip(); }); });
    connect(&hintReshowTimer_, &QTimer::timeout, this, [this] {
        Guarded(this, [this] {
            hintShowing_ = false;
            ShowTooltip();
        });
    });
    connect(&hintHideTimer_, &QTimer::timeout, this, [this] {
        // The hint stays down until the mouse reaches another control.
        hintReshowTimer_.stop();
        if (hintWindow_)
            hintWindow_->ReleaseHint();
        hintShowing_ = false;
    });
}

TApplication::~TApplication()
{
    if (qApp)
        qApp->removeEventFilter(this);
    ReleaseHelpRuntime();
}

void TApplication::SetMainForm(TForm* form)
{
    mainForm_ = form;
}

void TApplication::FormBorn(TForm* form)
{
    if (!mainFormPending_)
        return;
    mainFormPending_ = false;
    mainForm_ = form;
}

void TApplication::FormGone(TForm* form)
{
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

void TApplication::Run()
{
    if (!mainForm_ && Screen().FormCount() > 0)
        mainForm_ = Screen().Forms(0);
    if (!mainForm_)
        return;
    // Closing the main form ends the loop, not closing the last window.
    QApplication::setQuitOnLastWindowClosed(false);
    mainForm_->show();
    QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TApplication::Terminate()
{
    QCoreApplication::quit();
}

void TApplication::HandleException(QObject* Sender, std::exception_ptr E)
{
    if (OnException) {
        const auto handler = OnException; // may replace itself
        try {
            handler(Sender, E);
            return;
        } catch (...) {
            E = std::current_exception();
        }
    }
    const QString caption = Title.isEmpty() ? QCoreApplication::applicationName() : Title;
    ShowMessageBox(nullptr, ExceptionText(E), caption, platform::MessageBoxIcon::Error);
}

void TApplication::RunIdleStep()
{
    if (inIdle_)
        return;
    inIdle_ = true;
    bool done = true;
    Guarded(this, [this] { UpdateHint(); });
    if (OnIdle) {
        const auto handler = OnIdle;
        Guarded(this, [&] { handler(this, done); });
    }
    platform::UiRuntimeHooks::RunIdleHandlers(done,
                                              [](const platform::UiRuntimeHooks::IdleHandler& h, bool& d) {
                                                  Guarded(&Application(), [&] { h(&Application(), d); });
                                              });
    inIdle_ = false;
    // Done left false asks for another idle pass before the loop waits.
    if (!done)
        QMetaObject::invokeMethod(
            this, [] {}, Qt::QueuedConnection);
}

// ---- hints -------------------------------------------------------------

void TApplication::SetHint(const QString& hint)
{
    if (hint_ == hint)
        return;
    hint_ = hint;
    if (OnHint) {
        const auto handler = OnHint;
        Guarded(this, [&] { handler(this); });
    }
}

QWidget* TApplication::ControlAtMouse() const
{
    QWidget* window = mouseWindow_;
    if (!window || !window->isVisible() || IsHintWindow(window))
        return nullptr;
    const QPoint local = window->mapFromGlobal(mouseGlobal_);
    if (!window->rect().contains(local))
        return nullptr;
    QWidget* child = window->childAt(local);
    return child ? child : window;
}

void TApplication::UpdateHint()
{
    SetHint(GetLongHint(InheritedHint(ControlAtMouse())));
}

void TApplication::MouseMoved(const QPoint& globalPos, QWidget* window)
{
    if (IsHintWindow(window))
        return;
    mouseGlobal_ = globalPos;
    mouseWindow_ = window;
    QWidget* control = ControlAtMouse();
    // The nearest control that shows hints owns the tooltip.
    QWidget* target = control;
    while (target && !quorvant::runtime::ShowHint(target))
        target = target->parentWidget();
    TrackTooltip(target);
}

void TApplication::MouseLeft(QWidget* window)
{
    if (mouseWindow_ != window)
        return;
    mouseWindow_ = nullptr;
    TrackTooltip(nullptr);
}

void TApplication::TrackTooltip(QWidget* control)
{
    const bool outOfRect =
        hintShowing_ && hintControl_ && !hintCursorRect_.contains(hintControl_->mapFromGlobal(mouseGlobal_));
    if (control == hintControl_ && !outOfRect)
        return;
    CancelHint();
    hintControl_ = control;
    if (control && showHint_)
        hintPauseTimer_.start(HintPause);
}

void TApplication::CancelHint()
{
    hintPauseTimer_.stop();
    hintHideTimer_.stop();
    hintReshowTimer_.stop();
    if (hintShowing_ && hintWindow_)
        hintWindow_->ReleaseHint();
    hintShowing_ = false;
    hintControl_ = nullptr;
}

THintWindow* TApplication::HintWindow()
{
    if (!showHint_)
        return nullptr;
    if (!hintWindow_)
        hintWindow_.reset(hintWindowFactory_());
    return hintWindow_.get();
}

void TApplication::SetShowHint(bool show)
{
    if (showHint_ == show)
        return;
    showHint_ = show;
    CancelHint();
    hintWindow_.reset();
    if (show)
        hintWindow_.reset(hintWindowFactory_());
}

void TApplication::ShowTooltip()
{
    QWidget* control = hintControl_;
    if (!control || !showHint_ || !control->isVisible())
        return;
    THintInfo info;
    info.HintControl = control;
    const QScreen* screen = control->screen();
    info.HintMaxWidth = screen ? screen->geometry().width() : 1024;
    info.HintColor = clInfoBk;
    info.CursorRect = control->rect();
    info.CursorPos = control->mapFromGlobal(mouseGlobal_);
    info.HintPos = mouseGlobal_ + QPoint(0, CursorHeight);
    info.HideTimeout = HintHidePause;
    info.HintStr = GetShortHint(InheritedHint(control));
    bool canShow = true;
    if (auto* target = dynamic_cast<THintShowTarget*>(control))
        target->HintShowRequest(info, canShow);
    if (canShow && OnShowHint) {
        const auto handler = OnShowHint;
        handler(info.HintStr, canShow, info);
    }
    if (hintControl_ != control)
        return; // a handler moved on
    hintCursorRect_ = info.CursorRect;
    if (info.ReshowTimeout > 0)
        hintReshowTimer_.start(info.ReshowTimeout);
    if (!canShow || info.HintStr.isEmpty())
        return;
    THintWindow* window = HintWindow();
    if (!window)
        return;
    AttachHintWindow(window, control);
    QRect rect = window->CalcHintRect(info.HintMaxWidth, info.HintStr);
    rect.moveTopLeft(info.HintPos);
    window->ActivateHint(rect, info.HintStr);
    hintShowing_ = true;
    if (info.HideTimeout > 0)
        hintHideTimer_.start(info.HideTimeout);
}

// ---- events seen application-wide ---------------------------------------

bool TApplication::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // Tooltips are ours (HintPause, the hint-window class), not Qt's.
        return watched->isWidgetType();
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        QWidget* window = nullptr;
        if (watched->isWindowType())
            window = WidgetOfWindow(static_cast<QWindow*>(watched));
        else if (watched->isWidgetType())
            window = static_cast<QWidget*>(watched)->window();
        if (window)
            MouseMoved(me->globalPosition().toPoint(), window);
        break;
    }
    case QEvent::Leave:
        if (watched->isWindowType())
            MouseLeft(WidgetOfWindow(static_cast<QWindow*>(watched)));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            contextMenuTarget_ = nullptr; // a new click, a new menu
        CancelHint();
        break;
    case QEvent::Wheel:
        CancelHint();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress)
            CancelHint();
        if (ke->key() == Qt::Key_Alt && !ke->isAutoRepeat()) {
            altDown_ = event->type() == QEvent::KeyPress;
            QWidget* form = QApplication::activeWindow();
            if (!form && watched->isWidgetType())
                form = static_cast<QWidget*>(watched)->window();
            if (form)
                UpdateKeyboardCues(form);
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // The menu bar takes or gives back the keyboard: menu mode shows the
        // cues until it ends.
        if (auto* bar = qobject_cast<QMenuBar*>(watched))
            UpdateKeyboardCues(bar->window());
        break;
    case QEvent::WindowDeactivate:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            altDown_ = false; // its release goes to the other window
            SetKeyboardCues(static_cast<QWidget*>(watched), false);
            CancelHint();
        }
        break;
    case QEvent::WindowActivate:
        if (activatePending_)
            QMetaObject::invokeMethod(this, &TApplication::RunPendingActivate, Qt::QueuedConnection);
        break;
    case QEvent::ContextMenu:
        if (DeferContextMenu(watched, static_cast<QContextMenuEvent*>(event)))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            ContextMenuAfterRelease(static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return false;
}

void TApplication::UpdateKeyboardCues(QWidget* form)
{
    SetKeyboardCues(form, altDown_ || MenuHasKeyboard(form));
}

void TApplication::SetKeyboardCues(QWidget* form, bool visible)
{
    if (IsHintWindow(form) || KeyboardCuesVisible(form) == visible)
        return;
    SetKeyboardCuesVisible(form, visible);
    // Controls do not repaint on their own; the Alt-key fix reacts to this.
    QCoreApplication::postEvent(form, new QEvent(platform::UiStateEventType()));
}

// ---- context menus ---------------------------------------------------------

// Qt on X11 and Wayland raises the context menu when the right button goes
// down; our controls expect it after the button is released, when the
// control under the mouse has seen the release (a status-bar panel click).
bool TApplication::DeferContextMenu(QObject* watched, QContextMenuEvent* event)
{
    if (resendingContextMenu_ || !event->spontaneous() || event->reason() != QContextMenuEvent::Mouse ||
        !watched->isWidgetType() || !(QGuiApplication::mouseButtons() & Qt::RightButton))
        return false;
    auto* target = static_cast<QWidget*>(watched);
    if (target->window()->windowType() == Qt::Popup)
        return false; // inside a menu: as Qt does it
    contextMenuTarget_ = target;
    return true;
}

void TApplication::ContextMenuAfterRelease(QMouseEvent* release)
{
    QPointer<QWidget> target = contextMenuTarget_;
    contextMenuTarget_ = nullptr;
    if (!target)
        return;
    const QPoint global = release->globalPosition().toPoint();
    const Qt::KeyboardModifiers modifiers = release->modifiers();
    // Queued: the release reaches its control first.
    QMetaObject::invokeMethod(
        this,
        [this, target, global, modifiers] {
            if (!target || !target->isVisible())
                return;
            QContextMenuEvent menu(QContextMenuEvent::Mouse, target->mapFromGlobal(global), global,
                                   modifiers);
            resendingContextMenu_ = true;
            QCoreApplication::sendEvent(target, &menu);
            resendingContextMenu_ = false;
        },
        Qt::QueuedConnection);
}

// ---- activation ------------------------------------------------------------

// The application comes to the front before any of its windows is active.
// OnActivate waits for the window: a focus move made in it is then an
// ordinary one, with the whole exit work of the control that is left.
void TApplication::ApplicationStateChanged(Qt::ApplicationState state)
{
    const bool active = state == Qt::ApplicationActive;
    const bool becameActive = active && !wasActive_;
    wasActive_ = active;
    activatePending_ = becameActive;
    if (becameActive)
        QMetaObject::invokeMethod(this, &TApplication::RunPendingActivate, Qt::QueuedConnection);
}

void TApplication::RunPendingActivate()
{
    if (!activatePending_ || !QApplication::activeWindow())
        return; // not yet: the window's activation runs it
    activatePending_ = false;
    if (OnActivate) {
        const auto handler = OnActivate;
        Guarded(this, [&] { handler(); });
    }
}

// ---- help ----------------------------------------------------------------

namespace {
// The help runtime stays loaded once found, for the platform that gave it.
platform::Platform* helpPlatform = nullptr;
} // namespace

bool TApplication::LoadHelpRuntime()
{
    if (!platform::HasPlatform())
        return false;
    platform::Platform& p = platform::ThePlatform();
    if (helpEntry_ && helpPlatform == &p && p.Libraries().LoadCount(HtmlHelpLibrary) > 0)
        return true;
    if (helpPlatform != &p) {
        // A different platform (tests): the old handle means nothing there.
        helpLibrary_ = nullptr;
        helpEntry_ = nullptr;
        helpInitialized_ = false;
        helpCookie_ = 0;
    }
    helpPlatform = &p;
    helpEntry_ = nullptr;
    platform::LibraryTable& libraries = p.Libraries();
    platform::LibraryHandle library = libraries.LoadLibrary(HtmlHelpLibrary);
    if (!library)
        return false;
    void* entryA = libraries.GetProcAddress(library, HtmlHelpEntryA);
    void* entryW = libraries.GetProcAddress(library, HtmlHelpEntryW);
    if (!entryA || !entryW) {
        libraries.FreeLibrary(library);
        return false;
    }
    helpLibrary_ = library;
    helpEntry_ = entryA;
    if (!helpInitialized_) {
        helpInitialized_ = true;
        reinterpret_cast<HtmlHelpFunc>(helpEntry_)(nullptr, nullptr, HH_INITIALIZE,
                                                   reinterpret_cast<std::intptr_t>(&helpCookie_));
    }
    return true;
}

void TApplication::ReleaseHelpRuntime()
{
    if (!helpEntry_ || !platform::HasPlatform() || helpPlatform != &platform::ThePlatform())
        return;
    auto help = reinterpret_cast<HtmlHelpFunc>(helpEntry_);
    helpEntry_ = nullptr;
    try {
        help(nullptr, nullptr, HH_UNINITIALIZE, static_cast<std::intptr_t>(helpCookie_));
    } catch (...) {
    }
    platform::ThePlatform().Libraries().FreeLibrary(helpLibrary_);
    helpLibrary_ = nullptr;
}

bool TApplication::HelpCommand(int Command, std::intptr_t Data)
{
    unsigned command = HH_DISPLAY_TOPIC;
    std::intptr_t data = 0;
    bool needsFile = true;
    switch (Command) {
    case HELP_CONTENTS:
    case HELP_FINDER:
        command = HH_DISPLAY_TOPIC;
        break;
    case HELP_CONTEXT:
        command = HH_HELP_CONTEXT;
        data = Data;
        break;
    case HELP_QUIT:
        command = HH_CLOSE_ALL;
        needsFile = false;
        break;
    default:
        return false;
    }
    if (needsFile && HelpFile.isEmpty())
        return false;
    if (!LoadHelpRuntime())
        return false;
    const std::string file = HelpFile.toStdString();
    platform::WindowHandle caller = needsFile ? static_cast<QWidget*>(mainForm_) : nullptr;
    if (needsFile && !caller)
        caller = Screen().ActiveForm();
    reinterpret_cast<HtmlHelpFunc>(helpEntry_)(caller, needsFile ? file.c_str() : nullptr, command, data);
    return true;
}

bool TApplication::HelpContext(int Context)
{
    return HelpCommand(HELP_CONTEXT, Context);
}

} // namespace quorvant::runtime
