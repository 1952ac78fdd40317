#include "controls/entry/TNumericFieldAccessible.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "controls/entry/TCustomNumericField.h"
#include "runtime/TAccessibleEvents.h"
#include "runtime/TLabel.h"

namespace quorvant::controls {

TNumericFieldAccessible::TNumericFieldAccessible(TCustomNumericField* field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{
}

TCustomNumericField* TNumericFieldAccessible::field() const
{
    return static_cast<TCustomNumericField*>(widget());
}

// Without the pad blanks in front, which a listener has no use for.
QString TNumericFieldAccessible::ShownText() const
{
    return field()->DrawnText().trimmed();
}

bool TNumericFieldAccessible::ReadOnly() const
{
    return field()->Options() & TBaseEntryField::efoReadOnly;
}

void* TNumericFieldAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QWidget* TNumericFieldAccessible::CaptionLabelOf(const TCustomNumericField* field)
{
    if (QWidget* linked = field->CaptionLabel())
        return linked;
    QWidget* parent = field->parentWidget();
    if (!parent)
        return nullptr;
    // The nearest label whose right edge is left of the field and whose
    // middle lies within the field's row.
    const QRect own = field->geometry();
    QWidget* best = nullptr;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w == field || (!qobject_cast<runtime::TLabel*>(w) && !qobject_cast<QLabel*>(w)))
            continue;
        const QRect r = w->geometry();
        if (r.right() >= own.left() || r.center().y() < own.top() || r.center().y() > own.bottom())
            continue;
        if (!best || r.right() > best->geometry().right())
            best = w;
    }
    return best;
}

QString TNumericFieldAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        QWidget* label = CaptionLabelOf(field());
        if (!label)
            return {};
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(label);
        return named ? named->text(QAccessible::Name) : QString();
    }
    case QAccessible::Value:
        return ShownText();
    default:
        return QAccessibleWidget::text(t);
    }
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
TNumericFieldAccessible::relations(QAccessible::Relation match) const
{
    auto found = QAccessibleWidget::relations(match);
    if (match & QAccessible::Labelled) {
        QWidget* label = CaptionLabelOf(field());
        QAccessibleInterface* labelling = label ? QAccessible::queryAccessibleInterface(label) : nullptr;
        const bool known = std::any_of(found.begin(), found.end(), [&](const auto& r) {
            return r.first == labelling && r.second == QAccessible::Labelled;
        });
        if (labelling && !known)
            found.append({labelling, QAccessible::Labelled});
    }
    return found;
}

QAccessible::State TNumericFieldAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !ReadOnly();
    s.readOnly = ReadOnly();
    s.selectableText = true;
    s.passwordEdit = field()->Options() & TBaseEntryField::efoPasswordMode;
    return s;
}

void TNumericFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && field()->HasSelection())
        *endOffset = characterCount();
}

int TNumericFieldAccessible::selectionCount() const
{
    return field()->HasSelection() ? 1 : 0;
}

// The field selects all of its text or nothing.
void TNumericFieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TNumericFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->SetSel(0, 0);
}

void TNumericFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->SetSel(startOffset, endOffset);
}

// Entry works from the right: the caret stays at the end.
int TNumericFieldAccessible::cursorPosition() const
{
    return characterCount();
}

void TNumericFieldAccessible::setCursorPosition(int) {}

QString TNumericFieldAccessible::text(int startOffset, int endOffset) const
{
    const QString all = ShownText();
    if (startOffset < 0 || endOffset < startOffset || startOffset > all.size())
        return {};
    return all.mid(startOffset, endOffset - startOffset);
}

int TNumericFieldAccessible::characterCount() const
{
    return static_cast<int>(ShownText().size());
}

// Measured as the text is drawn: right-aligned inside the frame.
QRect TNumericFieldAccessible::characterRect(int offset) const
{
    const QString all = ShownText();
    if (offset < 0 || offset >= all.size())
        return {};
    const QFontMetrics fm(field()->font());
    const int textRight = field()->width() - field()->TextMargin() - 2;
    const int x = textRight - fm.horizontalAdvance(all.mid(offset));
    const QRect local(x, (field()->height() - fm.height()) / 2, fm.horizontalAdvance(all[offset]),
                      fm.height());
    return QRect(field()->mapToGlobal(local.topLeft()), local.size());
}

int TNumericFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    const int count = characterCount();
    for (int i = 0; i < count; ++i)
        if (characterRect(i).contains(point))
            return i;
    return -1;
}

void TNumericFieldAccessible::scrollToSubstring(int, int) {}

QString TNumericFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}

QVariant TNumericFieldAccessible::currentValue() const
{
    return field()->AccessibleValue();
}

// Written like a value set from code; a value the field cannot show whole
// or a read-only field is left alone.
void TNumericFieldAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (!ok || ReadOnly() || !field()->isEnabled() || !field()->ValueFits(v))
        return;
    try {
        field()->SetNumberValue(v);
    } catch (...) {
        // Never through Qt's frames; a refused value changes nothing.
    }
}

QVariant TNumericFieldAccessible::maximumValue() const
{
    return static_cast<double>(field()->Model().RangeHigh());
}

QVariant TNumericFieldAccessible::minimumValue() const
{
    return static_cast<double>(field()->Model().RangeLow());
}

QVariant TNumericFieldAccessible::minimumStepSize() const
{
    return 1.0;
}

void TNumericFieldAccessible::AnnounceValue(TCustomNumericField* field)
{
    if (!field || !runtime::TAccessibleEvents::Wanted())
        return;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(field);
    if (!self)
        return;
    const QString name = self->text(QAccessible::Name);
    const QString value = self->text(QAccessible::Value);
    runtime::TAccessibleEvents::Announce(field->window(), name.isEmpty() ? value : name + u' ' + value);
}

} // namespace quorvant::controls
