#pragma once
// The one way our controls tell assistive technology about changes. Qt
// delivers nothing while no screen reader is active; a listener (a test, a
// diagnostic tool) hears every event all the same.

#include <functional>

class QAccessibleEvent;
class QString;
class QWidget;

namespace quorvant::runtime {

class TAccessibleEvents {
public:
    using Listener = std::function<void(QAccessibleEvent* event)>;

    // None removes it.
    static void SetListener(Listener listener);
    // Whether anyone hears events now: build none otherwise.
    static bool Wanted();
    static void Send(QAccessibleEvent& event);
    // The window says a message by itself, heard as a notification is.
    static void Announce(QWidget* window, const QString& message);
};

} // namespace quorvant::runtime
