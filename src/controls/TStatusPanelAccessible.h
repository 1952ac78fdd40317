#pragma once
// One status-bar panel as static text: its text is its name, its hint its
// description, its part of the bar its place.

#include <QAccessibleObject>

namespace quorvant::controls {

class TStatusPanel;

class TStatusPanelAccessible : public QAccessibleObject {
public:
    explicit TStatusPanelAccessible(TStatusPanel* panel);

    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;

    // The panel's text changed.
    static void TextChanged(TStatusPanel* panel);

private:
    TStatusPanel* panel() const;
};

} // namespace quorvant::controls
