#include "controls/notebook/TTabPageAccessible.h"

#include <algorithm>

#include "controls/notebook/TTabNotebook.h"
#include "controls/notebook/TTabPage.h"
#include "runtime/Guard.h"
#include "runtime/TAccessibleEvents.h"

namespace quorvant::controls {

TTabPageAccessible::TTabPageAccessible(TTabPage* page) : QAccessibleWidget(page, QAccessible::PageTab) {}

TTabPage* TTabPageAccessible::page() const
{
    return static_cast<TTabPage*>(widget());
}

QString TTabPageAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return page()->Caption().trimmed();
    return QAccessibleWidget::text(t);
}

QAccessible::State TTabPageAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    TTabNotebook* notebook = page()->Notebook();
    const bool current = notebook && notebook->ActivePage() == page();
    // A page that does not show still has its tab.
    s.invisible = !page()->PageVisible() || !notebook || !notebook->isVisible();
    s.offscreen = s.invisible;
    s.disabled = !page()->Enabled() || !notebook || !notebook->isEnabled();
    s.selectable = page()->Selectable();
    s.selected = current;
    s.focusable = notebook && notebook->TabStop();
    s.focused = current && notebook->hasFocus();
    return s;
}

QRect TTabPageAccessible::rect() const
{
    TTabNotebook* notebook = page()->Notebook();
    if (!notebook || page()->TabRect().isEmpty())
        return {};
    const QRect tab = page()->TabRect();
    return QRect(notebook->mapToGlobal(tab.topLeft()), tab.size());
}

QStringList TTabPageAccessible::actionNames() const
{
    return page()->Selectable() && page()->Notebook() ? QStringList{pressAction()} : QStringList{};
}

void TTabPageAccessible::doAction(const QString& actionName)
{
    TTabNotebook* notebook = page()->Notebook();
    if (actionName != pressAction() || !notebook || !page()->Selectable())
        return;
    const int index = static_cast<int>(
        std::find(notebook->PageCollection().begin(), notebook->PageCollection().end(), page()) -
        notebook->PageCollection().begin());
    // As a tab click: a refused switch or a failing handler goes to the
    // application's exception event, never through Qt's frames.
    runtime::Guarded(notebook, [&] { notebook->SetPageIndex(index); });
}

void TTabPageAccessible::PageChanged(TTabPage* oldPage, TTabPage* newPage)
{
    if (!runtime::TAccessibleEvents::Wanted())
        return;
    QAccessible::State selected;
    selected.selected = true;
    if (oldPage && oldPage != newPage) {
        QAccessibleStateChangeEvent event(oldPage, selected);
        runtime::TAccessibleEvents::Send(event);
    }
    if (!newPage)
        return;
    QAccessibleStateChangeEvent event(newPage, selected);
    runtime::TAccessibleEvents::Send(event);
    QAccessibleEvent selection(newPage, QAccessible::Selection);
    runtime::TAccessibleEvents::Send(selection);
    if (TTabNotebook* notebook = newPage->Notebook(); notebook && notebook->hasFocus()) {
        QAccessibleEvent focus(newPage, QAccessible::Focus);
        runtime::TAccessibleEvents::Send(focus);
    }
}

} // namespace quorvant::controls
