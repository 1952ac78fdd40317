#include "controls/TRichLabelAccessible.h"

#include "controls/MarkupEngine.h"
#include "controls/TRichAnchorAccessible.h"
#include "controls/TRichLabel.h"

namespace quorvant::controls {

TRichLabelAccessible::TRichLabelAccessible(TRichLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

TRichLabelAccessible::~TRichLabelAccessible()
{
    DropAnchors();
}

TRichLabel* TRichLabelAccessible::label() const
{
    return static_cast<TRichLabel*>(widget());
}

void TRichLabelAccessible::DropAnchors() const
{
    for (QAccessible::Id id : anchors_)
        QAccessible::deleteAccessibleInterface(id);
    anchors_.clear();
}

void TRichLabelAccessible::Refresh() const
{
    const QString markup = label()->DisplayText();
    if (built_ && markup == markup_)
        return;
    DropAnchors();
    markup_ = markup;
    built_ = true;
    const auto anchors = TRichAnchorAccessible::AnchorsOf(markup);
    for (int i = 0; i < anchors.size(); ++i)
        anchors_.push_back(
            QAccessible::registerAccessibleInterface(new TRichAnchorAccessible(label(), i, anchors[i])));
}

QString TRichLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        QString plain = StripMarkup(label()->DisplayText());
        plain.replace(u'\r', u' ').replace(u'\n', u' ');
        return plain.simplified();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State TRichLabelAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

QAccessibleInterface* TRichLabelAccessible::child(int index) const
{
    Refresh();
    if (index < 0)
        return nullptr;
    if (index < static_cast<int>(anchors_.size()))
        return QAccessible::accessibleInterface(anchors_[static_cast<std::size_t>(index)]);
    return QAccessibleWidget::child(index - static_cast<int>(anchors_.size()));
}

int TRichLabelAccessible::childCount() const
{
    Refresh();
    return static_cast<int>(anchors_.size()) + QAccessibleWidget::childCount();
}

int TRichLabelAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    Refresh();
    if (!child)
        return -1;
    for (std::size_t i = 0; i < anchors_.size(); ++i)
        if (QAccessible::accessibleInterface(anchors_[i]) == child)
            return static_cast<int>(i);
    const int own = QAccessibleWidget::indexOfChild(child);
    return own < 0 ? -1 : own + static_cast<int>(anchors_.size());
}

} // namespace quorvant::controls
