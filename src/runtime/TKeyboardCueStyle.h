#pragma once
// The application's style with one change: Qt's own widgets (menu bar,
// drop-down and pop-up menus, stock buttons) underline their accelerators
// only while the keyboard cues of their form are visible, as our controls
// do. A menu follows the form it belongs to.

#include <QProxyStyle>

namespace quorvant::runtime {

class TKeyboardCueStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps base (owned); null wraps the desktop's style.
    explicit TKeyboardCueStyle(QStyle* base = nullptr);

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

    // Wraps the application's current style once.
    static void Install();
};

} // namespace quorvant::runtime
