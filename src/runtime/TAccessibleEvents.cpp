#include "runtime/TAccessibleEvents.h"

#include <QAccessible>

#include "runtime/TAnnouncementAccessible.h"

namespace quorvant::runtime {

namespace {
TAccessibleEvents::Listener& TheListener()
{
    static TAccessibleEvents::Listener listener;
    return listener;
}
} // namespace

void TAccessibleEvents::SetListener(Listener listener)
{
    TheListener() = std::move(listener);
}

bool TAccessibleEvents::Wanted()
{
    return TheListener() || QAccessible::isActive();
}

void TAccessibleEvents::Send(QAccessibleEvent& event)
{
    if (const Listener& listener = TheListener())
        listener(&event);
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
}

void TAccessibleEvents::Announce(QWidget* window, const QString& message)
{
    if (Wanted())
        TAnnouncementAccessible::Say(window, message);
}

} // namespace quorvant::runtime
