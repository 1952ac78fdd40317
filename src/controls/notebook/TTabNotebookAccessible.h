#pragma once
// The notebook as a page-tab list. Its children are its pages, each the
// page tab that selects it (see TTabPageAccessible); while the notebook has
// the focus, the tab of the current page is the focused child. The list is
// named "Pages" unless it has an accessible name of its own.

#include <QAccessibleWidget>

namespace quorvant::controls {

class TTabNotebook;

class TTabNotebookAccessible : public QAccessibleWidget {
public:
    explicit TTabNotebookAccessible(TTabNotebook* notebook);

    QString text(QAccessible::Text t) const override;
    QAccessibleInterface* focusChild() const override;
    // The pages in tab order (showing a page raises it among the widgets),
    // then any other child window.
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // The notebook took the focus: once Qt has reported the list, the
    // current tab is reported, so a screen reader reads the page's caption.
    static void FocusIn(TTabNotebook* notebook);

private:
    TTabNotebook* notebook() const;
    QWidgetList OtherChildren() const;
};

} // namespace quorvant::controls
