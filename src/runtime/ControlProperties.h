#pragma once
// Framework properties every control has (hint, hint display, keyboard-cue
// state of its form), kept on the widget so that stock Qt widgets carry them
// as well as our own controls. They are the widget properties "Hint",
// "ShowHint" and "ParentShowHint", so window descriptions can set them.

#include <QString>

class QWidget;

namespace quorvant::runtime {

// "short|long": the part before the first bar is the tooltip, the part after
// it the status-bar text; a hint without a bar serves as both.
void SetHint(QWidget* control, const QString& hint);
QString Hint(const QWidget* control);
QString GetShortHint(const QString& hint);
QString GetLongHint(const QString& hint);

// Own hint display; writing it stops taking the parent's (ParentShowHint).
void SetShowHint(QWidget* control, bool show);
void SetParentShowHint(QWidget* control, bool parent);
bool ParentShowHint(const QWidget* control);
// The effective setting: the own value, or the parent's while ParentShowHint
// holds; off for a top-level window that never set it.
bool ShowHint(const QWidget* control);

// Tab stop: Tab and Shift+Tab stop at the control; a control that is no
// tab stop still takes the focus by click and from code.
void SetTabStop(QWidget* control, bool tabStop);
bool TabStop(const QWidget* control);

// Whether the form that holds the control currently shows accelerator
// underlines (hidden until Alt is pressed). Controls read this when they
// paint; the runtime changes it and the Alt-key fix repaints. A menu's
// cues are those of the form it belongs to.
bool KeyboardCuesVisible(const QWidget* control);
void SetKeyboardCuesVisible(QWidget* form, bool visible);

} // namespace quorvant::runtime
