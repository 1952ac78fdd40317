#include "runtime/TFormAccessible.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "runtime/TAccessibleEvents.h"
#include "runtime/TAnnouncementAccessible.h"
#include "runtime/TApplication.h"
#include "runtime/TForm.h"

namespace quorvant::runtime {

namespace {

void CollectTexts(QAccessibleInterface* node, QList<QAccessibleInterface*>& texts)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (child->role() == QAccessible::StaticText) {
            if (!child->text(QAccessible::Name).trimmed().isEmpty())
                texts.append(child);
            continue; // a text's own children (its links) are part of it
        }
        CollectTexts(child, texts);
    }
}

} // namespace

TFormAccessible::TFormAccessible(TForm* form) : QAccessibleWidget(form, QAccessible::Window) {}

TForm* TFormAccessible::form() const
{
    return static_cast<TForm*>(widget());
}

// A modal form, or any form beside the main window, is a dialog.
bool TFormAccessible::IsDialog() const
{
    const TForm* main = Application().MainForm();
    return form()->IsModal() || (main && main != form());
}

QAccessible::Role TFormAccessible::role() const
{
    return IsDialog() ? QAccessible::Dialog : QAccessible::Window;
}

QString TFormAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return widget()->windowTitle().trimmed();
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
        if (!IsDialog())
            return {};
        QStringList lines;
        for (QAccessibleInterface* text : TextsOf(const_cast<TFormAccessible*>(this)))
            lines.append(text->text(QAccessible::Name).trimmed());
        return lines.join(u'\n');
    }
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* TFormAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index >= 0 && index < widgets)
        return QAccessibleWidget::child(index);
    return index == widgets ? TAnnouncementAccessible::Of(widget()) : nullptr;
}

int TFormAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + (TAnnouncementAccessible::Of(widget()) ? 1 : 0);
}

int TFormAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child && child == TAnnouncementAccessible::Of(widget()))
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}

QList<QAccessibleInterface*> TFormAccessible::TextsOf(QAccessibleInterface* window)
{
    QList<QAccessibleInterface*> texts;
    if (!window)
        return texts;
    CollectTexts(window, texts);
    std::stable_sort(texts.begin(), texts.end(), [](QAccessibleInterface* a, QAccessibleInterface* b) {
        const QRect ra = a->rect(), rb = b->rect();
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    return texts;
}

bool TFormAccessible::HoldsFocusItself() const
{
    if (!form()->isActiveWindow())
        return false;
    const QWidget* focused = QApplication::focusWidget();
    return !focused || focused == form() || !form()->isAncestorOf(focused);
}

// A dialog none of whose controls takes the focus (the Disclaimer) has it
// itself: its keys go to it, and a screen reader reads it as the focus.
QAccessible::State TFormAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (IsDialog() && HoldsFocusItself()) {
        s.focusable = true;
        s.focused = true;
    }
    return s;
}

void TFormAccessible::Activated(TForm* form)
{
    if (!TAccessibleEvents::Wanted())
        return;
    // Qt moves the focus into the window after the activation event, and
    // reports the control that takes it; with none, the dialog is the focus.
    QTimer::singleShot(0, form, [self = QPointer<TForm>(form)] {
        if (!self || !TAccessibleEvents::Wanted())
            return;
        auto* window = dynamic_cast<TFormAccessible*>(QAccessible::queryAccessibleInterface(self.data()));
        if (!window || !window->IsDialog() || !window->HoldsFocusItself())
            return;
        QAccessibleEvent event(self.data(), QAccessible::Focus);
        TAccessibleEvents::Send(event);
    });
}

} // namespace quorvant::runtime
