#include "controls/statusbar/TStatusPanelAccessible.h"

#include <QWidget>

#include "controls/statusbar/TPanelStatusBar.h"
#include "controls/statusbar/TStatusPanel.h"
#include "runtime/TAccessibleEvents.h"

namespace quorvant::controls {

TStatusPanelAccessible::TStatusPanelAccessible(TStatusPanel* panel) : QAccessibleObject(panel) {}

TStatusPanel* TStatusPanelAccessible::panel() const
{
    return static_cast<TStatusPanel*>(object());
}

QWindow* TStatusPanelAccessible::window() const
{
    TPanelStatusBar* bar = panel()->StatusBar();
    return bar && bar->window() ? bar->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TStatusPanelAccessible::parent() const
{
    TPanelStatusBar* bar = panel()->StatusBar();
    return bar ? QAccessible::queryAccessibleInterface(bar) : nullptr;
}

QAccessibleInterface* TStatusPanelAccessible::child(int) const
{
    return nullptr;
}

int TStatusPanelAccessible::childCount() const
{
    return 0;
}

int TStatusPanelAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString TStatusPanelAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return panel()->Text().trimmed();
    case QAccessible::Description:
        return panel()->Hint().trimmed();
    default:
        return {};
    }
}

QAccessible::Role TStatusPanelAccessible::role() const
{
    return QAccessible::StaticText;
}

QAccessible::State TStatusPanelAccessible::state() const
{
    QAccessible::State s;
    TPanelStatusBar* bar = panel()->StatusBar();
    s.readOnly = true;
    s.invisible = !panel()->Visible() || !bar || !bar->isVisible() || bar->SimplePanel();
    return s;
}

QRect TStatusPanelAccessible::rect() const
{
    TPanelStatusBar* bar = panel()->StatusBar();
    if (!bar || panel()->Rect().isEmpty())
        return {};
    return QRect(bar->mapToGlobal(panel()->Rect().topLeft()), panel()->Rect().size());
}

void* TStatusPanelAccessible::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList TStatusPanelAccessible::actionNames() const
{
    TPanelStatusBar* bar = panel()->StatusBar();
    return bar && bar->isEnabled() && !state().invisible ? QStringList{pressAction()} : QStringList{};
}

void TStatusPanelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && actionNames().contains(actionName))
        panel()->StatusBar()->ClickPanel(panel());
}

QStringList TStatusPanelAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}

void TStatusPanelAccessible::TextChanged(TStatusPanel* panel)
{
    if (!runtime::TAccessibleEvents::Wanted())
        return;
    QAccessibleEvent event(panel, QAccessible::NameChanged);
    runtime::TAccessibleEvents::Send(event);
}

} // namespace quorvant::controls
