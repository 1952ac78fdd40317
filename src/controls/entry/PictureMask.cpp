#include "controls/entry/PictureMask.h"

namespace quorvant::controls {

PictureMask::PictureMask(const QString& mask) : mask_(mask.left(MaxLength))
{
    pointPos_ = static_cast<int>(mask_.indexOf(u'.'));
    kinds_.reserve(static_cast<std::size_t>(mask_.size()));
    for (int i = 0; i < Length(); ++i) {
        const QChar c = mask_[i];
        Kind kind = Kind::Literal;
        if (i == pointPos_)
            kind = Kind::Point;
        else if (c == u',')
            kind = Kind::Separator;
        else if (c == u'$')
            kind = Kind::Currency;
        else if (IsPictureChar(c))
            kind = Kind::Editable;
        kinds_.push_back(kind);
        if (kind == Kind::Editable) {
            if (firstEditable_ < 0)
                firstEditable_ = i;
            lastEditable_ = i;
            if (pointPos_ < 0 || i < pointPos_)
                ++integerSlots_;
            else
                ++decimalPlaces_;
        }
        if (kind == Kind::Separator)
            hasSeparators_ = true;
        if (kind == Kind::Currency)
            ++dollarRun_;
    }
}

bool PictureMask::IsPictureChar(QChar c)
{
    static const QString pictures = QStringLiteral("#9iEKObBYX!Lxa AlNn12345678DMydmhsHSt").remove(u' ');
    return pictures.contains(c);
}

bool PictureMask::ZeroFilled() const
{
    if (lastEditable_ < 0)
        return false;
    const QChar m = mask_[lastEditable_];
    return m == u'K' || m == u'O' || m == u'b';
}

bool PictureMask::Accepts(QChar m, QChar& ch)
{
    const char16_t c = ch.unicode();
    const bool digit = c >= u'0' && c <= u'9';
    switch (m.unicode()) {
    case u'#':
        return digit || c == u' ' || c == u'-' || c == u'.';
    case u'E':
        return digit || c == u' ' || c == u'-' || c == u'.' || c == u'E' || c == u'+';
    case u'9':
        return digit || c == u' ';
    case u'i':
        return digit || c == u' ' || c == u'-';
    case u'K':
        ch = ch.toUpper();
        return digit || c == u' ' || (ch.unicode() >= u'A' && ch.unicode() <= u'F');
    case u'O':
        return (c >= u'0' && c <= u'7') || c == u' ';
    case u'b':
        return c == u'0' || c == u'1' || c == u' ';
    case u'X':
    case u'x':
        return true;
    case u'!':
        ch = ch.toUpper();
        return true;
    case u'L':
        ch = ch.toLower();
        return true;
    case u'a':
    case u'A':
    case u'l':
    case u'N':
    case u'n':
        return ch.isLetter() || c == u' ' || c == u',' || c == u'-' || c == u'.';
    default:
        // Date and time parts.
        return digit || c == u' ';
    }
}

} // namespace quorvant::controls
