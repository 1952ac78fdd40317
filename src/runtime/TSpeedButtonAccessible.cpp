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
    // A button is named by the caption a person sees on it; one that shows
    // only a glyph by its long hint.
    case QAccessible::Name: {
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        const QString caption = TLabelAccessible::StripAccelChars(button()->Caption()).trimmed();
        return caption.isEmpty() ? GetLongHint(Hint(button())).trimmed() : caption;
    }
    case QAccessible::Description: {
        if (!widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        const QString hint = Hint(button());
        const QString tip =
            (button()->Caption().trimmed().isEmpty() ? GetShortHint(hint) : GetLongHint(hint)).trimmed();
        // A hint that only repeats the name says nothing more.
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
