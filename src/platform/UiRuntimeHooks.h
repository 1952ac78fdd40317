#pragma once
// What the platform glue needs from the UI runtime without depending on it:
// the screen's live forms in creation order, a list of idle handlers the
// runtime runs at every idle moment, and the keyboard-cue event number.
// The runtime fills these in; the platform layer only reads them.

#include <QEvent>
#include <functional>
#include <vector>

class QObject;
class QWidget;

namespace quorvant::platform {

// The message a form receives when its keyboard cues are to be shown or
// hidden; the runtime posts a QEvent of UiStateEventType() to the form.
inline constexpr int WM_UPDATEUISTATE = 0x0128;
inline QEvent::Type UiStateEventType()
{
    return static_cast<QEvent::Type>(QEvent::User + WM_UPDATEUISTATE);
}

class UiRuntimeHooks {
public:
    using IdleHandler = std::function<void(QObject* Sender, bool& Done)>;
    // Runs one handler; the runtime supplies one that catches what escapes.
    using IdleInvoker = void (*)(const IdleHandler& handler, bool& done);

    // The screen's forms, kept by the runtime; empty until it sets them.
    static void SetFormList(const std::vector<QWidget*>* forms);
    static const std::vector<QWidget*>& FormList();

    // Returns an id for RemoveIdleHandler. Handlers run in the order added.
    static int AddIdleHandler(IdleHandler handler);
    static void RemoveIdleHandler(int id);
    // Called by the runtime's idle step; handlers may add or remove handlers.
    static void RunIdleHandlers(bool& done, IdleInvoker invoker);
    static int IdleHandlerCount();

    // Non-windowed controls (labels, shapes, speed buttons, pictures) are
    // drawn as part of their parent; the runtime marks them.
    static void SetNonWindowed(QWidget* control);
    static bool IsNonWindowed(const QWidget* control);
};

} // namespace quorvant::platform
