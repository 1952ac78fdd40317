#include "controls/richtext/TRichAnchorAccessible.h"

#include <QWidget>

#include "controls/markup/MarkupEngine.h"
#include "controls/markup/MarkupTag.h"
#include "controls/richtext/TRichLabel.h"

namespace quorvant::controls {

namespace {
QString Plain(const QString& markup)
{
    QString text = StripMarkup(markup);
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text.simplified();
}
} // namespace

// Every tag that begins with "A" opens an anchor, as in the layout; the
// anchor's text runs to the next closing "A" tag or the end.
QList<TRichAnchorAccessible::Anchor> TRichAnchorAccessible::AnchorsOf(const QString& markup)
{
    QList<Anchor> anchors;
    qsizetype textStart = -1;
    Anchor open;
    qsizetype pos = 0;
    while (pos < markup.size()) {
        const qsizetype lt = markup.indexOf(u'<', pos);
        if (lt < 0)
            break;
        const qsizetype gt = markup.indexOf(u'>', lt);
        if (gt < 0)
            break;
        const MarkupTag tag(markup.mid(lt, gt - lt + 1));
        if (tag.Kind() == MarkupTagKind::Anchor) {
            if (textStart >= 0) {
                open.Text = Plain(markup.mid(textStart, lt - textStart));
                anchors.append(open);
                textStart = -1;
            }
            if (!tag.IsClosing()) {
                open = Anchor{{}, tag.FirstQuoted()};
                textStart = gt + 1;
            }
        }
        pos = gt + 1;
    }
    if (textStart >= 0) {
        open.Text = Plain(markup.mid(textStart));
        anchors.append(open);
    }
    return anchors;
}

TRichAnchorAccessible::TRichAnchorAccessible(TRichLabel* label, int index, Anchor anchor)
    : label_(label), index_(index), anchor_(std::move(anchor))
{
}

bool TRichAnchorAccessible::isValid() const
{
    return label_ != nullptr;
}

QObject* TRichAnchorAccessible::object() const
{
    return nullptr;
}

QWindow* TRichAnchorAccessible::window() const
{
    return label_ && label_->window() ? label_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TRichAnchorAccessible::parent() const
{
    return label_ ? QAccessible::queryAccessibleInterface(label_.data()) : nullptr;
}

QAccessibleInterface* TRichAnchorAccessible::child(int) const
{
    return nullptr;
}

int TRichAnchorAccessible::childCount() const
{
    return 0;
}

int TRichAnchorAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* TRichAnchorAccessible::childAt(int, int) const
{
    return nullptr;
}

QString TRichAnchorAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return anchor_.Text.isEmpty() ? anchor_.Target : anchor_.Text;
    case QAccessible::Description:
    case QAccessible::Value:
        return anchor_.Target;
    default:
        return {};
    }
}

void TRichAnchorAccessible::setText(QAccessible::Text, const QString&) {}

// The layout gives no anchor's place without a mouse point over it; the
// label's place is the closest that stays true.
QRect TRichAnchorAccessible::rect() const
{
    if (!label_)
        return {};
    return QRect(label_->mapToGlobal(QPoint(0, 0)), label_->size());
}

QAccessible::Role TRichAnchorAccessible::role() const
{
    return QAccessible::Link;
}

QAccessible::State TRichAnchorAccessible::state() const
{
    QAccessible::State s;
    s.linked = true;
    s.invisible = !label_ || !label_->isVisible();
    s.disabled = label_ && !label_->isEnabled();
    s.hotTracked = label_ && label_->HoveredAnchor() == index_ + 1;
    return s;
}

void* TRichAnchorAccessible::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList TRichAnchorAccessible::actionNames() const
{
    return label_ && label_->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

void TRichAnchorAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && label_ && label_->isEnabled())
        label_->ClickAnchor(anchor_.Target);
}

QStringList TRichAnchorAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}

} // namespace quorvant::controls
