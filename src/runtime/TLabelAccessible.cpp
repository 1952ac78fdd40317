#include "runtime/TLabelAccessible.h"

#include "runtime/TAccessibleEvents.h"
#include "runtime/TLabel.h"

namespace quorvant::runtime {

TLabelAccessible::TLabelAccessible(TLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

TLabel* TLabelAccessible::label() const
{
    return static_cast<TLabel*>(widget());
}

QString TLabelAccessible::StripAccelChars(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

QString TLabelAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        const QString caption = label()->Caption();
        return label()->ShowAccelChar() ? StripAccelChars(caption) : caption;
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TLabelAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

void TLabelAccessible::CaptionChanged(TLabel* label)
{
    if (!TAccessibleEvents::Wanted())
        return;
    QAccessibleEvent event(label, QAccessible::NameChanged);
    TAccessibleEvents::Send(event);
}

} // namespace quorvant::runtime
