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
//
// Menu mode (the menu bar by Alt, F10 or a click, drop-down and pop-up
// menus) is no focus move at all: Qt's menu bar takes the keyboard focus,
// Windows' never did. The control keeps its state and gets the focus back.
// A control that lost the keyboard to a menu or to another window, and whose
// form then moves the focus elsewhere, is sent ExitDueEvent() before its
// OnExit, so it does its own exit work as if it had been left by Tab.

#include <QEvent>
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

    // The menu bar, or a widget of a drop-down or pop-up menu.
    static bool IsMenu(const QWidget* widget);
    // Sent to the control that kept its state through a menu or a window
    // deactivation when the focus has gone on to another control of its form.
    static QEvent::Type ExitDueEvent();

signals:
    void OnEnter(QObject* Sender);
    void OnExit(QObject* Sender);

private:
    explicit TFocusEvents(QWidget* control);
};

} // namespace quorvant::runtime
