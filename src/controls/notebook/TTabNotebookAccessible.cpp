#include "controls/notebook/TTabNotebookAccessible.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "controls/notebook/TTabNotebook.h"
#include "controls/notebook/TTabPage.h"
#include "runtime/TAccessibleEvents.h"

namespace quorvant::controls {

TTabNotebookAccessible::TTabNotebookAccessible(TTabNotebook* notebook)
    : QAccessibleWidget(notebook, QAccessible::PageTabList)
{
}

TTabNotebook* TTabNotebookAccessible::notebook() const
{
    return static_cast<TTabNotebook*>(widget());
}

QString TTabNotebookAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return QStringLiteral("Pages");
    return QAccessibleWidget::text(t);
}

void TTabNotebookAccessible::FocusIn(TTabNotebook* notebook)
{
    if (!runtime::TAccessibleEvents::Wanted())
        return;
    // Qt reports the focused widget itself after its focus-in event.
    QTimer::singleShot(0, notebook, [self = QPointer<TTabNotebook>(notebook)] {
        if (!self || !self->hasFocus() || !runtime::TAccessibleEvents::Wanted())
            return;
        if (TTabPage* page = self->ActivePage()) {
            QAccessibleEvent focus(page, QAccessible::Focus);
            runtime::TAccessibleEvents::Send(focus);
        }
    });
}

QAccessibleInterface* TTabNotebookAccessible::focusChild() const
{
    if (notebook()->hasFocus()) {
        TTabPage* page = notebook()->ActivePage();
        return page ? QAccessible::queryAccessibleInterface(page) : nullptr;
    }
    return QAccessibleWidget::focusChild();
}

QWidgetList TTabNotebookAccessible::OtherChildren() const
{
    QWidgetList others;
    for (QObject* object : notebook()->children())
        if (auto* w = qobject_cast<QWidget*>(object); w && !w->isWindow() && !qobject_cast<TTabPage*>(w))
            others.append(w);
    return others;
}

QAccessibleInterface* TTabNotebookAccessible::child(int index) const
{
    const int pages = notebook()->PageCount();
    if (index < 0)
        return nullptr;
    if (index < pages)
        return QAccessible::queryAccessibleInterface(notebook()->Page(index));
    const QWidgetList others = OtherChildren();
    return index - pages < others.size() ? QAccessible::queryAccessibleInterface(others[index - pages])
                                         : nullptr;
}

int TTabNotebookAccessible::childCount() const
{
    return notebook()->PageCount() + static_cast<int>(OtherChildren().size());
}

int TTabNotebookAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || !child->object())
        return -1;
    const auto& pages = notebook()->PageCollection();
    const auto page = std::find(pages.begin(), pages.end(), child->object());
    if (page != pages.end())
        return static_cast<int>(page - pages.begin());
    const auto other = OtherChildren().indexOf(child->object());
    return other < 0 ? -1 : notebook()->PageCount() + static_cast<int>(other);
}

} // namespace quorvant::controls
