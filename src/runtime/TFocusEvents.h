#pragma once
// OnEnter / OnExit of a control. They fire for focus moves inside one form
// only (Tab, Shift+Tab, click, focus set from code), after Qt has delivered
// its focus-out and focus-in events, so a control's own exit work in
// focusOutEvent is done before the form's OnExit handler runs. A window
// (de)activation is no exit: the form remembers its focused control and
// nothing fires when the focus comes back to it.
//
// A focus move exits the old control and its containers up to the common
// container (innermost first), then enters down to the new control.

#include <QObject>

class QWidget;

namespace quorvant::runtime {

class TFocusEvents : public QObject {
    Q_OBJECT
public:
    // The events object of a control, created on first use (a child of it).
    static TFocusEvents* For(QWidget* control);
    // The control inside a form that last had the focus (its ActiveControl).
    static QWidget* LastFocused(const QWidget* form);

    QWidget* Control() const;

signals:
    void OnEnter(QObject* Sender);
    void OnExit(QObject* Sender);

private:
    explicit TFocusEvents(QWidget* control);
};

} // namespace quorvant::runtime
