#pragma once
// A toolbar button, usually a bare picture: named by the long part of its
// hint (what the status bar says about it), else by its caption; its press
// action clicks it.

#include <QAccessibleWidget>

namespace quorvant::runtime {

class TSpeedButton;

class TSpeedButtonAccessible : public QAccessibleWidget {
public:
    explicit TSpeedButtonAccessible(TSpeedButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TSpeedButton* button() const;
};

} // namespace quorvant::runtime
