#pragma once
// A numeric field as assistive technology meets it: an editable text whose
// text and value are what the field shows, named by its caption label.
// The caption is the field's linked label, else the label that ends left of
// the field on the same row.

#include <QAccessibleWidget>

namespace quorvant::controls {

class TCustomNumericField;

class TNumericFieldAccessible : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleValueInterface {
public:
    explicit TNumericFieldAccessible(TCustomNumericField* field);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    // Labelled by its caption label.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

    // Text.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Value.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // Says the field's caption and shown value through its window, as a
    // notification, for a result the user did not move to.
    static void AnnounceValue(TCustomNumericField* field);

    // The label that names a field: the linked one, else by position.
    static QWidget* CaptionLabelOf(const TCustomNumericField* field);

private:
    TCustomNumericField* field() const;
    bool ReadOnly() const;
    QString ShownText() const;
};

} // namespace quorvant::controls
