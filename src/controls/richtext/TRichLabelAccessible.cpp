#include "controls/richtext/TRichLabelAccessible.h"

#include <utility>

#include "controls/markup/MarkupTag.h"
#include "controls/richtext/TRichAnchorAccessible.h"
#include "controls/richtext/TRichLabel.h"

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

namespace {

// Tags at which the markup engine ends a line: line breaks, rules, the end
// of a paragraph or list item, the start of a list; and, for reading, the
// start of a list item.
bool BreaksLine(const MarkupTag& tag)
{
    using K = MarkupTagKind;
    const K kind = tag.Kind();
    if (tag.IsClosing())
        return kind == K::Paragraph || kind == K::ListItem;
    return kind == K::LineBreak || kind == K::HorizontalRule || kind == K::ListItem ||
           kind == K::UnorderedList;
}

QString ReadEntities(QString text)
{
    static const std::pair<const char16_t*, const char16_t*> Entities[] = {
        {u"&nbsp;", u" "},      {u"&lt;", u"<"},          {u"&gt;", u">"},        {u"&quot;", u"\""},
        {u"&sect;", u"\u00A7"}, {u"&permil;", u"\u2030"}, {u"&reg;", u"\u00AE"},  {u"&copy;", u"\u00A9"},
        {u"&para;", u"\u00B6"}, {u"&trade;", u"\u2122"},  {u"&euro;", u"\u20AC"}, {u"&amp;", u"&"},
    };
    if (!text.contains(u'&'))
        return text;
    for (const auto& [from, to] : Entities)
        text.replace(QString::fromUtf16(from), QString::fromUtf16(to));
    return text;
}

} // namespace

QString TRichLabelAccessible::ReadableText(const QString& markup)
{
    QStringList lines;
    QString line;
    const auto endLine = [&] {
        const QString done = ReadEntities(line).simplified();
        if (!done.isEmpty())
            lines.append(done);
        line.clear();
    };
    bool hidden = false;
    for (qsizetype i = 0; i < markup.size();) {
        const QChar c = markup[i];
        if (c != u'<') {
            // As drawn: a CR is a line break, a LF nothing.
            if (hidden || c == u'\n')
                ;
            else if (c == u'\r')
                endLine();
            else
                line += c.isSpace() ? QChar(u' ') : c;
            ++i;
            continue;
        }
        const qsizetype gt = markup.indexOf(u'>', i);
        if (gt < 0)
            break; // an unterminated tag takes the rest with it
        const MarkupTag tag(markup.mid(i, gt - i + 1));
        if (tag.Kind() == MarkupTagKind::Hidden)
            hidden = !tag.IsClosing();
        else if (BreaksLine(tag))
            endLine();
        i = gt + 1;
    }
    endLine();
    return lines.join(u'\n');
}

QString TRichLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return ReadableText(label()->DisplayText());
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
