#include "runtime/TAnnouncementAccessible.h"

#include <QHash>
#include <QWidget>

#include "runtime/TAccessibleEvents.h"

namespace quorvant::runtime {

namespace {
// One notification per window, dropped with the window.
QHash<const QWidget*, QAccessible::Id>& Notifications()
{
    static QHash<const QWidget*, QAccessible::Id> ids;
    return ids;
}
} // namespace

TAnnouncementAccessible::TAnnouncementAccessible(QWidget* window) : window_(window) {}

TAnnouncementAccessible* TAnnouncementAccessible::Of(const QWidget* window)
{
    const auto found = Notifications().constFind(window);
    if (found == Notifications().constEnd())
        return nullptr;
    return static_cast<TAnnouncementAccessible*>(QAccessible::accessibleInterface(*found));
}

void TAnnouncementAccessible::Say(QWidget* window, const QString& message)
{
    if (!window)
        return;
    window = window->window();
    TAnnouncementAccessible* notification = Of(window);
    if (!notification) {
        notification = new TAnnouncementAccessible(window);
        const QAccessible::Id id = QAccessible::registerAccessibleInterface(notification);
        Notifications().insert(window, id);
        QObject::connect(window, &QObject::destroyed, [window] {
            if (const auto id = Notifications().take(window))
                QAccessible::deleteAccessibleInterface(id);
        });
    }
    if (notification->showing_) {
        notification->showing_ = false;
        QAccessibleEvent hide(notification, QAccessible::ObjectHide);
        TAccessibleEvents::Send(hide);
    }
    notification->message_ = message;
    notification->showing_ = true;
    QAccessibleEvent show(notification, QAccessible::ObjectShow);
    TAccessibleEvents::Send(show);
}

bool TAnnouncementAccessible::isValid() const
{
    return !window_.isNull();
}

QObject* TAnnouncementAccessible::object() const
{
    return nullptr;
}

QWindow* TAnnouncementAccessible::window() const
{
    return window_ ? window_->windowHandle() : nullptr;
}

QAccessibleInterface* TAnnouncementAccessible::parent() const
{
    return window_ ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
}

QAccessibleInterface* TAnnouncementAccessible::child(int) const
{
    return nullptr;
}

int TAnnouncementAccessible::childCount() const
{
    return 0;
}

int TAnnouncementAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* TAnnouncementAccessible::childAt(int, int) const
{
    return nullptr;
}

QString TAnnouncementAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? message_ : QString();
}

void TAnnouncementAccessible::setText(QAccessible::Text, const QString&) {}

// No place of its own on the screen: it stands for the window.
QRect TAnnouncementAccessible::rect() const
{
    return {};
}

QAccessible::Role TAnnouncementAccessible::role() const
{
    return QAccessible::Notification;
}

QAccessible::State TAnnouncementAccessible::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    s.invisible = !showing_ || !window_ || !window_->isVisible();
    return s;
}

} // namespace quorvant::runtime
