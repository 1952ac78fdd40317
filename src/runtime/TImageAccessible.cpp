#include "runtime/TImageAccessible.h"

#include "runtime/ControlProperties.h"
#include "runtime/TImage.h"

namespace quorvant::runtime {

TImageAccessible::TImageAccessible(TImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

TImage* TImageAccessible::image() const
{
    return static_cast<TImage*>(widget());
}

QString TImageAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return GetLongHint(Hint(image())).trimmed();
    return QAccessibleWidget::text(t);
}

QStringList TImageAccessible::actionNames() const
{
    return widget()->isEnabled() && image()->ClickBound() ? QStringList{pressAction()} : QStringList{};
}

void TImageAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && actionNames().contains(actionName))
        image()->Click();
}

} // namespace quorvant::runtime
