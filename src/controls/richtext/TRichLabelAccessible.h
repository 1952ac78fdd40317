#pragma once
// A rich-text label as static text named by its plain text, with one link
// child per anchor of its markup. The text keeps the markup's paragraphs
// and line breaks as line feeds, whatever line breaks the markup itself has.

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

    // The markup as read aloud: tags and hidden runs out, entities read, one
    // line per paragraph, line break (or CR) or list item, blanks collapsed.
    static QString ReadableText(const QString& markup);

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
