#include "runtime/TSpeedButtonAccessible.h"

#include "runtime/ControlProperties.h"
#include "runtime/TLabelAccessible.h"
#include "runtime/TSpeedButton.h"

namespace quorvant::runtime {

TSpeedButtonAccessible::TSpeedButtonAccessible(TSpeedButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

TSpeedButton* TSpeedButtonAccessible::button() const
{
    return static_cast<TSpeedButton*>(widget());
}

QString TSpeedButtonAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        const QString hint = GetLongHint(Hint(button())).trimmed();
        return hint.isEmpty() ? TLabelAccessible::StripAccelChars(button()->Caption()) : hint;
    }
    case QAccessible::Description: {
        if (!widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        // A short hint that only repeats the name says nothing more.
        const QString tip = GetShortHint(Hint(button())).trimmed();
        return tip == text(QAccessible::Name) ? QString() : tip;
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TSpeedButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->CurrentState() == TSpeedButton::Down;
    return s;
}

QStringList TSpeedButtonAccessible::actionNames() const
{
    return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

void TSpeedButtonAccessible::doAction(const QString& actionName)
{
    // Click() runs the bound handlers inside the runtime's guard.
    if (actionName == pressAction() && widget()->isEnabled())
        button()->Click();
}

} // namespace quorvant::runtime
