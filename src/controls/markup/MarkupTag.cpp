#include "controls/markup/MarkupTag.h"

#include <limits>

namespace quorvant::controls {

QString AsciiUpper(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(char16_t(c.unicode() - 'a' + 'A'));
    return out;
}

bool LeadingInteger(QStringView text, int& value)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    long long n = 0;
    bool any = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        if (d < 0)
            break;
        any = true;
        // Saturate rather than wrap: a huge value must not turn small.
        if (n < std::numeric_limits<int>::max())
            n = n * base + d;
    }
    if (!any)
        return false;
    if (n > std::numeric_limits<int>::max())
        n = std::numeric_limits<int>::max();
    value = int(negative ? -n : n);
    return true;
}

MarkupTag::MarkupTag(const QString& tag)
    : text_(tag), upper_(AsciiUpper(tag)), closing_(tag.size() >= 4 && tag[1] == u'/'),
      nameStart_(closing_ ? 2 : 1)
{
}

MarkupTagKind MarkupTag::Kind() const
{
    using K = MarkupTagKind;
    const char16_t next = Next().unicode();
    switch (Letter().unicode()) {
    case 'A':
        return K::Anchor;
    case 'B':
        if (closing_) {
            // Only the exact "</B>" ends bold; every other closing B tag ends
            // what blinking did to the colour.
            if (upper_ == QLatin1String("</B>"))
                return K::Bold;
            return next == 'R' ? K::LineBreak : next == 'O' ? K::Body : K::Blink;
        }
        switch (next) {
        case '>':
            return K::Bold;
        case 'R':
            return K::LineBreak;
        case 'L':
            return K::Blink;
        case 'O':
            return K::Body;
        default:
            return K::Unknown;
        }
    case 'E':
        return K::Error;
    case 'F':
        return K::Font;
    case 'H':
        if (next == 'R')
            return K::HorizontalRule;
        // Every other closing H tag ends the highlight.
        return next == 'I' || closing_ ? K::Highlight : K::Unknown;
    case 'I':
        if (next == 'N')
            return K::Indent;
        if (next == 'M')
            return K::Image;
        // Every other closing I tag ends italic.
        return next == '>' || closing_ ? K::Italic : K::Unknown;
    case 'L':
        return K::ListItem;
    case 'O':
        return next == 'F' ? K::Offset : K::Unknown;
    case 'P':
        return K::Paragraph;
    case 'R':
        return K::Rotate;
    case 'S':
        if (next == 'H')
            return K::Shadow;
        if (closing_) {
            // Any closing SU tag ends both; the third letter only names one.
            if (next == 'U')
                return At(nameStart_ + 2) == u'P' ? K::Superscript : K::Subscript;
            return K::Strike;
        }
        // Subscript and superscript are the only names read in full.
        if (upper_ == QLatin1String("<SUB>"))
            return K::Subscript;
        if (upper_ == QLatin1String("<SUP>"))
            return K::Superscript;
        return next == '>' ? K::Strike : K::Unknown;
    case 'U':
        return next == '>' ? K::Underline : K::UnorderedList;
    case 'Z':
        return K::Hidden;
    default:
        return K::Unknown;
    }
}

namespace {
bool IsNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}
} // namespace

qsizetype MarkupTag::Find(const char* name) const
{
    const QLatin1String n(name);
    // Whole attribute names only, so "COLOR" is not found inside "BGCOLOR".
    for (qsizetype at = upper_.indexOf(n); at >= 0; at = upper_.indexOf(n, at + 1)) {
        const bool before = at == 0 || !IsNameChar(upper_[at - 1]) || !IsNameChar(n.front());
        const qsizetype after = at + n.size();
        if (before && (after >= upper_.size() || !IsNameChar(upper_[after])))
            return at;
    }
    return -1;
}

qsizetype MarkupTag::ValueStart(const char* name, qsizetype& end) const
{
    const qsizetype at = Find(name);
    if (at < 0)
        return -1;
    const qsizetype open = text_.indexOf(u'"', at);
    if (open < 0)
        return -1;
    end = text_.indexOf(u'"', open + 1);
    if (end < 0)
        return -1;
    return open + 1;
}

QString MarkupTag::Value(const char* name) const
{
    qsizetype end = 0;
    const qsizetype start = ValueStart(name, end);
    return start < 0 ? QString() : text_.mid(start, end - start);
}

QString MarkupTag::UpperValue(const char* name) const
{
    qsizetype end = 0;
    const qsizetype start = ValueStart(name, end);
    return start < 0 ? QString() : upper_.mid(start, end - start);
}

QString MarkupTag::FirstQuoted() const
{
    const qsizetype open = text_.indexOf(u'"');
    if (open < 0)
        return {};
    const qsizetype close = text_.indexOf(u'"', open + 1);
    if (close < 0)
        return {};
    return text_.mid(open + 1, close - open - 1);
}

bool MarkupTag::IntValue(const char* name, int& value) const
{
    const QString v = Value(name).trimmed();
    if (v.isEmpty())
        return false;
    bool ok = false;
    const int n = v.toInt(&ok); // C locale: toInt ignores the user's locale
    if (ok)
        value = n;
    return ok;
}

bool MarkupTag::FontSize(int& value) const
{
    const qsizetype at = Find("SIZE");
    if (at < 0)
        return false;
    // A size without a readable number is 0, like every malformed value.
    value = 0;
    const qsizetype eq = upper_.indexOf(u'=', at + 4);
    if (eq < 0)
        return true;
    qsizetype start = eq + 1;
    if (const qsizetype quote = upper_.indexOf(u'"', start); quote >= 0)
        start = quote + 1;
    if (!LeadingInteger(QStringView(upper_).mid(start), value))
        value = 0;
    return true;
}

} // namespace quorvant::controls
