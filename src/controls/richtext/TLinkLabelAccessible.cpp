#include "controls/richtext/TLinkLabelAccessible.h"

#include "controls/richtext/TLinkLabel.h"
#include "runtime/Guard.h"

namespace quorvant::controls {

TLinkLabelAccessible::TLinkLabelAccessible(TLinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

TLinkLabel* TLinkLabelAccessible::label() const
{
    return static_cast<TLinkLabel*>(widget());
}

QString TLinkLabelAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return label()->Caption().isEmpty() ? label()->URL() : label()->Caption();
    case QAccessible::Description:
    case QAccessible::Value:
        return label()->URL();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TLinkLabelAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = true;
    s.hotTracked = label()->Highlighted();
    return s;
}

QStringList TLinkLabelAccessible::actionNames() const
{
    return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

void TLinkLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        runtime::Guarded(label(), [this] { label()->Click(); });
}

} // namespace quorvant::controls
