#pragma once
// The application object: title, main form, the application-wide events,
// idle processing, the current hint and tooltips, keyboard cues and the help
// system. One per process, reached through Application().

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

#include "runtime/THintInfo.h"
#include "runtime/THintWindow.h"

class QContextMenuEvent;
class QMouseEvent;
class QWidget;

namespace quorvant::runtime {

class TForm;

class TApplication : public QObject {
    Q_OBJECT
public:
    explicit TApplication(QObject* parent = nullptr);
    ~TApplication() override;

    QString Title;

    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form);
    // Creates a form; the first one created this way becomes the main form,
    // already while its own FormCreate runs.
    template <class T, class... Args> T* CreateForm(Args&&... args)
    {
        mainFormPending_ = mainForm_ == nullptr;
        T* form = new T(std::forward<Args>(args)...);
        mainFormPending_ = false;
        return form;
    }
    // Shows the main form (the first live form if none was set) and runs the
    // message loop until the main form closes.
    void Run();
    // Ends the message loop (closing the main form does this).
    void Terminate();

    // Events; assigning replaces the previous handler.
    std::function<void()> OnActivate;
    std::function<void(QObject* Sender, std::exception_ptr E)> OnException;
    std::function<void(QObject* Sender, bool& Done)> OnIdle;
    std::function<void(QObject* Sender)> OnHint;
    std::function<void(QString& HintStr, bool& CanShow, THintInfo& HintInfo)> OnShowHint;

    // OnException, or a default error box with the exception's text.
    void HandleException(QObject* Sender, std::exception_ptr E);
    // One idle pass: hint update, OnIdle, the idle handlers of the platform
    // glue. Runs when the event loop is about to wait; tests call it.
    void RunIdleStep();

    // The long part of the hint under the mouse, updated on idle.
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    int HintPause = 500;
    int HintHidePause = 2500;
    template <class T> void SetHintWindowClass()
    {
        hintWindowFactory_ = [] { return static_cast<THintWindow*>(new T(nullptr)); };
    }
    // The tooltip window of the current class; null while ShowHint is off.
    THintWindow* HintWindow();
    // Hides a shown tooltip and stops its timers.
    void CancelHint();
    // The control the tooltip belongs to (shown or pending), for tests.
    QWidget* HintControl() const { return hintControl_; }
    bool HintShowing() const { return hintShowing_; }

    QString HelpFile;
    // Framework help commands (HELP_CONTENTS 3, HELP_QUIT 2, HELP_CONTEXT 1
    // and HELP_FINDER 11) passed to the help runtime; false when it cannot be
    // had, and then nothing is shown.
    bool HelpCommand(int Command, std::intptr_t Data);
    bool HelpContext(int Context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TForm;
    void FormBorn(TForm* form);
    void FormGone(TForm* form);
    void MouseMoved(const QPoint& globalPos, QWidget* window);
    void MouseLeft(QWidget* window);
    QWidget* ControlAtMouse() const;
    void UpdateHint();
    void TrackTooltip(QWidget* control);
    void ShowTooltip();
    // Cues show while Alt is held or the form's menu bar has the keyboard.
    void UpdateKeyboardCues(QWidget* form);
    void SetKeyboardCues(QWidget* form, bool visible);
    bool DeferContextMenu(QObject* watched, QContextMenuEvent* event);
    void ContextMenuAfterRelease(QMouseEvent* release);
    void ApplicationStateChanged(Qt::ApplicationState state);
    void RunPendingActivate();
    bool LoadHelpRuntime();
    void ReleaseHelpRuntime();

    TForm* mainForm_ = nullptr;
    bool mainFormPending_ = false; // the next form constructed becomes the main form
    QString hint_;
    bool showHint_ = true;
    std::function<THintWindow*()> hintWindowFactory_;
    std::unique_ptr<THintWindow> hintWindow_;
    QPointer<QWidget> hintControl_;
    bool hintShowing_ = false;
    QRect hintCursorRect_; // in the hint control's coordinates
    QTimer hintPauseTimer_;
    QTimer hintHideTimer_;
    QTimer hintReshowTimer_;
    QPoint mouseGlobal_;
    QPointer<QWidget> mouseWindow_; // the top-level window under the mouse
    bool wasActive_ = false;
    bool activatePending_ = false; // OnActivate waits for an active window
    bool altDown_ = false;
    QPointer<QWidget> contextMenuTarget_; // right button down, menu on release
    bool resendingContextMenu_ = false;
    bool inIdle_ = false;
    void* helpLibrary_ = nullptr;
    void* helpEntry_ = nullptr;
    std::uintptr_t helpCookie_ = 0;
    bool helpInitialized_ = false;
};

// The process's application object, created on first use (after the
// QApplication).
TApplication& Application();

} // namespace quorvant::runtime
