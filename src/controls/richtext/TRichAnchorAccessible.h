#pragma once
// One anchor of a rich-text label as a link child of the label: named by
// its text, described by its target; pressing it does what a click on it
// does. The label's interface owns these and drops them when the markup
// changes.

#include <QAccessibleInterface>
#include <QList>
#include <QPointer>

namespace quorvant::controls {

class TRichLabel;

class TRichAnchorAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    struct Anchor {
        QString Text;
        QString Target;
    };
    // The anchors of a markup text in order, as the layout counts them.
    static QList<Anchor> AnchorsOf(const QString& markup);

    TRichAnchorAccessible(TRichLabel* label, int index, Anchor anchor);

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
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<TRichLabel> label_;
    int index_;
    Anchor anchor_;
};

} // namespace quorvant::controls
