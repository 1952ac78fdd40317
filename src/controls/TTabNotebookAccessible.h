#pragma once
// The notebook as a page-tab list. Its children are its pages, each the
// page tab that selects it (see TTabPageAccessible); while the notebook has
// the focus, the tab of the current page is the focused child.

#include <QAccessibleWidget>

namespace quorvant::controls {

class TTabNotebook;

class TTabNotebookAccessible : public QAccessibleWidget {
public:
    explicit TTabNotebookAccessible(TTabNotebook* notebook);

    QAccessibleInterface* focusChild() const override;
    // The pages in tab order (showing a page raises it among the widgets),
    // then any other child window.
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    TTabNotebook* notebook() const;
    QWidgetList OtherChildren() const;
};

} // namespace quorvant::controls
