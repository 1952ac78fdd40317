#pragma once
// One status-bar panel as static text: its text is its name, its hint its
// description, its part of the bar its place. Pressing it clicks it, as
// the web panel is clicked to open the maker's site.

#include <QAccessibleObject>

namespace quorvant::controls {

class TStatusPanel;

class TStatusPanelAccessible : public QAccessibleObject, public QAccessibleActionInterface {
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
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // The panel's text changed.
    static void TextChanged(TStatusPanel* panel);

private:
    TStatusPanel* panel() const;
};

} // namespace quorvant::controls
