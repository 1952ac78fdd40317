#pragma once
// A rich-text label as static text named by its plain text, with one link
// child per anchor of its markup.

#include <QAccessibleWidget>
#include <vector>

namespace quorvant::controls {

class TRichLabel;

class TRichLabelAccessible : public QAccessibleWidget {
public:
    explicit TRichLabelAccessible(TRichLabel* label);
    ~TRichLabelAccessible() override;

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    TRichLabel* label() const;
    // Rebuilds the anchor children when the markup changed since.
    void Refresh() const;
    void DropAnchors() const;

    mutable QString markup_;
    mutable bool built_ = false;
    mutable std::vector<QAccessible::Id> anchors_;
};

} // namespace quorvant::controls
