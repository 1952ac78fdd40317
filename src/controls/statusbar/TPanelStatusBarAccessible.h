#pragma once
// The panel status bar: its panels are its children, in part order, before
// any child window (the size grip). In simple mode it reads as its text.

#include <QAccessibleWidget>

namespace quorvant::controls {

class TPanelStatusBar;

class TPanelStatusBarAccessible : public QAccessibleWidget {
public:
    explicit TPanelStatusBarAccessible(TPanelStatusBar* bar);

    QString text(QAccessible::Text t) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    TPanelStatusBar* bar() const;
    int PanelCount() const;
};

} // namespace quorvant::controls
