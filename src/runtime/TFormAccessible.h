#pragma once
// A form as assistive technology meets it: the main window a frame, every
// other form a dialog, named by its caption. A dialog's description is its
// text (the static texts it shows, in reading order), so a screen reader
// can read the dialog as it opens; a dialog without a control that takes
// the focus holds the focus itself.

#include <QAccessibleWidget>

namespace quorvant::runtime {

class TForm;

class TFormAccessible : public QAccessibleWidget {
public:
    explicit TFormAccessible(TForm* form);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    // The widgets, then the window's notification once it said something.
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // The static texts of a window, top to bottom and left to right.
    static QList<QAccessibleInterface*> TextsOf(QAccessibleInterface* window);
    // The form became the active window: once Qt has placed the focus, a
    // dialog whose controls took none is reported as the focus itself.
    static void Activated(TForm* form);

private:
    TForm* form() const;
    bool IsDialog() const;
    bool HoldsFocusItself() const;
};

} // namespace quorvant::runtime
