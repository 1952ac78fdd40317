#pragma once
// Reading one markup tag ("<font size=2 color=\"#FF0000\">"): attribute names
// are searched in the upper-cased tag, values are the text between the first
// pair of double quotes after the name. Malformed values give 0 or "".

#include <QString>

namespace quorvant::controls {

// What a tag does, decided by the first letter of its name and, for some
// letters, the character after it; the rest of the name is never read, so
// "<BRANCH>" is a line break and "<STRIKE>" is nothing. A closing tag gets
// the kind whose closing half does what that spelling does.
enum class MarkupTagKind {
    Anchor,
    Bold,
    LineBreak,
    Blink,
    Body,
    Error,
    Font,
    Highlight,
    HorizontalRule,
    Italic,
    Indent,
    Image,
    ListItem,
    Offset,
    Paragraph,
    Rotate,
    Subscript,
    Superscript,
    Strike,
    Shadow,
    Underline,
    UnorderedList,
    Hidden,
    Unknown,
};

class MarkupTag {
public:
    explicit MarkupTag(const QString& tag);

    const QString& Text() const { return text_; }
    const QString& Upper() const { return upper_; }
    bool IsClosing() const { return closing_; }
    MarkupTagKind Kind() const;

    bool Has(const char* name) const { return Find(name) >= 0; }
    // The quoted value after an attribute name, as written and upper-cased.
    QString Value(const char* name) const;
    QString UpperValue(const char* name) const;
    // The text between the first pair of double quotes anywhere in the tag.
    QString FirstQuoted() const;
    // The quoted value read as a decimal integer; false when it is not one.
    bool IntValue(const char* name, int& value) const;
    // The font-size value: the leading integer after "SIZE" and "=", past a
    // double quote if one follows; 0 when there is none. False without SIZE.
    bool FontSize(int& value) const;

private:
    QChar At(qsizetype i) const { return i < upper_.size() ? upper_[i] : QChar(); }
    // The upper-cased first letter of the name and the character after it
    // (0 past the end).
    QChar Letter() const { return At(nameStart_); }
    QChar Next() const { return At(nameStart_ + 1); }
    qsizetype Find(const char* name) const;
    qsizetype ValueStart(const char* name, qsizetype& end) const;

    QString text_, upper_;
    bool closing_;
    qsizetype nameStart_;
};

// Upper case for ASCII letters only, so positions in both texts agree.
QString AsciiUpper(const QString& text);

// A leading integer: spaces, a sign, and a "$", "x" or "0x" hexadecimal
// prefix are accepted; reading stops at the first other character. False
// when no digit was read.
bool LeadingInteger(QStringView text, int& value);

} // namespace quorvant::controls
