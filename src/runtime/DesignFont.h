#pragma once
// Fonts that window descriptions name ("Arial" height -12, "Tahoma" -11 ...):
// every attribute is set, so nothing of the desktop's font (its size,
// weight, slant, spacing) leaks into a designed window through Qt's font
// inheritance.

#include <QFont>
#include <QString>

namespace quorvant::runtime {

// A regular face of `pixelHeight` pixels character height (a window
// description's negative font height).
QFont DesignFont(const QString& family, int pixelHeight);

// The font of drop-down and pop-up menus, which follow the desktop; the
// menu bar uses it as well, so that bar and menus share one face.
QFont DesktopMenuFont();

} // namespace quorvant::runtime
