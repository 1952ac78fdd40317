#include "runtime/TKeyboardCueStyle.h"

#include <QApplication>
#include <QStyleFactory>

#include "runtime/ControlProperties.h"

namespace quorvant::runtime {

TKeyboardCueStyle::TKeyboardCueStyle(QStyle* base) : QProxyStyle(base) {}

int TKeyboardCueStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const
{
    if (hint == SH_UnderlineShortcut && widget)
        return KeyboardCuesVisible(widget) ? 1 : 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void TKeyboardCueStyle::Install()
{
    QStyle* current = QApplication::style();
    if (!current || qobject_cast<TKeyboardCueStyle*>(current))
        return;
    // A fresh instance of the same style: the application owns the current one.
    QApplication::setStyle(new TKeyboardCueStyle(QStyleFactory::create(current->name())));
}

} // namespace quorvant::runtime
