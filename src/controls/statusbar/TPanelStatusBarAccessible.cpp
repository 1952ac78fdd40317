#include "controls/statusbar/TPanelStatusBarAccessible.h"

#include "controls/statusbar/TPanelStatusBar.h"
#include "controls/statusbar/TStatusPanel.h"
#include "controls/statusbar/TStatusPanels.h"

namespace quorvant::controls {

TPanelStatusBarAccessible::TPanelStatusBarAccessible(TPanelStatusBar* bar)
    : QAccessibleWidget(bar, QAccessible::StatusBar)
{
}

TPanelStatusBar* TPanelStatusBarAccessible::bar() const
{
    return static_cast<TPanelStatusBar*>(widget());
}

int TPanelStatusBarAccessible::PanelCount() const
{
    return bar()->Panels()->Count();
}

QString TPanelStatusBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && bar()->SimplePanel())
        return bar()->SimpleText().trimmed();
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* TPanelStatusBarAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index < PanelCount())
        return QAccessible::queryAccessibleInterface(bar()->Panels()->Items(index));
    return QAccessibleWidget::child(index - PanelCount());
}

int TPanelStatusBarAccessible::childCount() const
{
    return PanelCount() + QAccessibleWidget::childCount();
}

int TPanelStatusBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    if (auto* panel = qobject_cast<TStatusPanel*>(child->object()))
        return bar()->Panels()->IndexOf(panel);
    const int own = QAccessibleWidget::indexOfChild(child);
    return own < 0 ? -1 : own + PanelCount();
}

} // namespace quorvant::controls
