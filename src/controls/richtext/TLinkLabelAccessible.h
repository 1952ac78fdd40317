#pragma once
// A link label as a link: named by what it shows (its caption, else its
// address), described by its address; pressing it opens the address as a
// click does.

#include <QAccessibleWidget>

namespace quorvant::controls {

class TLinkLabel;

class TLinkLabelAccessible : public QAccessibleWidget {
public:
    explicit TLinkLabelAccessible(TLinkLabel* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TLinkLabel* label() const;
};

} // namespace quorvant::controls
