#pragma once
// What a window says by itself (a new result, say) as assistive technology
// meets it: a notification, the window's last child, named by its message.
// Showing it again with a new message makes screen readers read it out, as
// they read a desktop notification; Qt 6.4 has no announcement event.

#include <QAccessibleInterface>
#include <QPointer>

namespace quorvant::runtime {

class TAnnouncementAccessible : public QAccessibleInterface {
public:
    explicit TAnnouncementAccessible(QWidget* window);

    // The window's notification, none before its first message.
    static TAnnouncementAccessible* Of(const QWidget* window);
    // Sets the message and shows it anew; creates the notification once.
    static void Say(QWidget* window, const QString& message);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<QWidget> window_;
    QString message_;
    bool showing_ = false;
};

} // namespace quorvant::runtime
