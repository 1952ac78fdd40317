#include "controls/entry/NumericFieldModel.h"

#include <algorithm>
#include <cmath>

#include "controls/entry/NumberText.h"

namespace quorvant::controls {

NumericFieldModel::NumericFieldModel(const TIntlSup& intl) : intl_(intl)
{
    SetDataType(NumericType::LongInt);
}

QString NumericFieldModel::DefaultMask(NumericType type)
{
    switch (type) {
    case NumericType::LongInt:
        return QStringLiteral("iiiiiiiiiii");
    case NumericType::Word:
        return QStringLiteral("99999");
    case NumericType::Integer:
        return QStringLiteral("iiiiii");
    case NumericType::Byte:
        return QStringLiteral("999");
    case NumericType::ShortInt:
        return QStringLiteral("iiii");
    case NumericType::Comp:
        return QStringLiteral("iiiiiiiiii");
    default:
        return QStringLiteral("##########");
    }
}

void NumericFieldModel::DefaultRange(NumericType type, long double& low, long double& high)
{
    switch (type) {
    case NumericType::LongInt:
        low = -2147483648.0L, high = 2147483647.0L;
        break;
    case NumericType::Word:
        low = 0, high = 65535;
        break;
    case NumericType::Integer:
        low = -32768, high = 32767;
        break;
    case NumericType::Byte:
        low = 0, high = 255;
        break;
    case NumericType::ShortInt:
        low = -128, high = 127;
        break;
    case NumericType::Real:
        low = -1.7e38L, high = 1.7e38L;
        break;
    case NumericType::Extended:
        low = -1.1e4932L, high = 1.1e4932L;
        break;
    case NumericType::Double:
        low = -1.7e308L, high = 1.7e308L;
        break;
    case NumericType::Single:
        low = -3.4e38L, high = 3.4e38L;
        break;
    case NumericType::Comp:
        low = -9.2e18L, high = 9.2e18L;
        break;
    }
}

bool NumericFieldModel::IsFloatType(NumericType type)
{
    return type == NumericType::Real || type == NumericType::Extended || type == NumericType::Double ||
           type == NumericType::Single;
}

void NumericFieldModel::SetIntl(const TIntlSup& intl)
{
    long double value = 0;
    const bool had = Convert(value);
    intl_ = intl;
    if (had)
        RewriteText(value);
}

void NumericFieldModel::SetDataType(NumericType type)
{
    type_ = type;
    DefaultRange(type, low_, high_);
    mask_ = PictureMask(DefaultMask(type));
    SetValue(InRange(0) ? 0 : low_);
    entry_.clear();
    negative_ = false;
}

void NumericFieldModel::SetPictureMask(const QString& mask)
{
    long double value = 0;
    const bool had = Convert(value);
    mask_ = PictureMask(mask);
    if (had)
        RewriteText(value);
    else
        SetValue(InRange(0) ? 0 : low_);
    entry_.clear();
    negative_ = false;
}

void NumericFieldModel::SetRange(long double low, long double high)
{
    low_ = low;
    high_ = high;
    ApplyDefaultRangeIfEqual();
}

void NumericFieldModel::ApplyDefaultRangeIfEqual()
{
    if (low_ == high_)
        DefaultRange(type_, low_, high_);
}

bool NumericFieldModel::InRange(long double value) const
{
    switch (type_) {
    case NumericType::Double:
    case NumericType::Real: {
        const double v = static_cast<double>(value);
        return v >= static_cast<double>(low_) && v <= static_cast<double>(high_);
    }
    case NumericType::Single: {
        const float v = static_cast<float>(value);
        return v >= static_cast<float>(low_) && v <= static_cast<float>(high_);
    }
    default:
        return value >= low_ && value <= high_;
    }
}

std::string NumericFieldModel::FormatNumber(long double value) const
{
    if (type_ == NumericType::Single)
        value = static_cast<float>(value);
    else if (type_ == NumericType::Double || type_ == NumericType::Real)
        value = static_cast<double>(value);
    return NumberText::FormatFixed(value, mask_.DecimalPlaces());
}

void NumericFieldModel::SetValue(long double value)
{
    display_ = MergeIntoMask(FormatNumber(value));
    selected_ = false;
}

void NumericFieldModel::RewriteText(long double value)
{
    // Not narrowed to the storage type: a typed 2.345 is 2.345 in extended
    // precision and rounds up to 2.35, where the double nearest to it
    // (2.34499...) would round down.
    display_ = MergeIntoMask(NumberText::FormatFixed(value, mask_.DecimalPlaces()));
    selected_ = false;
}

QString NumericFieldModel::MergeIntoMask(const std::string& numberIn) const
{
    const int len = mask_.Length();
    QString out = mask_.Text();
    const QChar blank = mask_.ZeroFilled() ? u'0' : u' ';

    // Currency runs and sign-only positions.
    for (int i = 0; i < len;) {
        const QChar m = mask_.At(i);
        if (m == u'p' || m == u'g') {
            out[i++] = u' ';
            continue;
        }
        if (m != u'c' && m != u'C') {
            ++i;
            continue;
        }
        int j = i;
        while (j < len && mask_.At(j) == m)
            ++j;
        const int run = j - i;
        const QString cur = (m == u'c' ? intl_.CurrencyLtStr() : intl_.CurrencyRtStr()).left(run);
        const QString fill = m == u'c' ? cur.rightJustified(run, u' ') : cur.leftJustified(run, u' ');
        for (int k = 0; k < run; ++k)
            out[i + k] = fill[k];
        i = j;
    }

    std::string number = numberIn;
    const auto b = number.find_first_not_of(' ');
    number = b == std::string::npos ? std::string() : number.substr(b, number.find_last_not_of(' ') - b + 1);
    const bool negative = !number.empty() && number[0] == '-';
    if (negative)
        number.erase(0, 1);
    const auto period = number.find('.');
    const std::string intDigits = number.substr(0, period);
    const std::string decDigits = period == std::string::npos ? std::string() : number.substr(period + 1);

    const int point = mask_.PointPos();
    if (point >= 0) {
        std::size_t j = 0;
        for (int pos = point + 1; pos < len; ++pos) {
            if (mask_.IsEditable(pos))
                out[pos] = j < decDigits.size() ? QChar(decDigits[j++]) : QChar(u'0');
            else if (mask_.KindAt(pos) != PictureMask::Kind::Literal)
                out[pos] = u' ';
        }
    }

    // Fillers left of the digits: currency (right to left), sign, blanks.
    QString fillers;
    if (mask_.HasCurrency() && !number.empty()) {
        const QString cur = intl_.CurrencyString.left(mask_.CurrencyRun());
        for (auto it = cur.rbegin(); it != cur.rend(); ++it)
            fillers += *it;
    }
    if (negative)
        fillers += u'-';
    int nextFiller = 0;
    auto filler = [&] { return nextFiller < fillers.size() ? fillers[nextFiller++] : blank; };

    std::size_t remaining = intDigits.size();
    for (int pos = point >= 0 ? point : len - 1; pos >= 0; --pos) {
        switch (mask_.KindAt(pos)) {
        case PictureMask::Kind::Point:
            out[pos] = intl_.DecimalChar;
            break;
        case PictureMask::Kind::Literal:
            break;
        case PictureMask::Kind::Editable:
            out[pos] = remaining > 0 ? QChar(intDigits[--remaining]) : filler();
            break;
        case PictureMask::Kind::Currency:
            // Room for the currency string, never for digits: those are
            // counted by the editable positions alone.
            out[pos] = filler();
            break;
        case PictureMask::Kind::Separator:
            // Without a thousands character the position holds RemovedPosition.
            out[pos] = remaining > 0 ? intl_.ThousandsChar : filler();
            break;
        }
    }
    if (point > 0 && mask_.IsEditable(point - 1) && out[point - 1] == u' ')
        out[point - 1] = u'0';
    return out;
}

bool NumericFieldModel::ValueFits(long double value) const
{
    if (!std::isfinite(value) || !InRange(value))
        return false;
    const std::string number = FormatNumber(value);
    long double expected = 0, shown = 0;
    return NumberText::Parse(number, expected) && ConvertText(MergeIntoMask(number), shown) &&
           shown == expected;
}

QString NumericFieldModel::ShownText(const QString& text)
{
    QString shown = text;
    shown.remove(RemovedPosition);
    return shown;
}

QString NumericFieldModel::DrawnText(const DrawOptions& options) const
{
    if (!options.focused) {
        bool blank = options.uninitialized;
        if (!blank && options.zeroDisplay != ZeroDisplay::Show) {
            long double value = 0;
            blank = Convert(value) && static_cast<double>(value) == options.zeroValue &&
                    (options.zeroDisplay == ZeroDisplay::Hide || !options.modified);
        }
        if (blank)
            return QString(ShownText(display_).size(), u' ');
    }
    QString text = display_;
    const auto sign = text.indexOf(u'-');
    if (mask_.HasParens()) {
        const auto close = mask_.Text().indexOf(u'p');
        if (sign >= 0 && close >= 0 && close < text.size()) {
            text[sign] = u'(';
            text[close] = u')';
        }
    } else if (mask_.HasSignPos()) {
        const auto at = mask_.Text().indexOf(u'g');
        if (sign >= 0 && at >= 0 && at < text.size()) {
            text[sign] = u' ';
            text[at] = u'-';
        }
    }
    if (options.password)
        for (QChar& c : text)
            if (c != u' ' && c != RemovedPosition)
                c = u'*';
    if (options.padChar != u' ') {
        // Separators without a digit to their left count as empty digit
        // positions.
        for (int i = 0; i < text.size() && text[i] == u' '; ++i)
            if (i < mask_.Length() &&
                (mask_.IsEditable(i) || mask_.KindAt(i) == PictureMask::Kind::Separator))
                text[i] = options.padChar;
    }
    return ShownText(text);
}

std::string NumericFieldModel::StrippedText(const QString& text) const
{
    QString kept;
    const int n = std::min(static_cast<int>(text.size()), mask_.Length());
    for (int i = 0; i < n; ++i)
        if (mask_.KindAt(i) != PictureMask::Kind::Literal)
            kept += text[i];
    if (mask_.HasCurrency())
        kept.remove(intl_.CurrencyString);
    if (mask_.HasSeparators())
        kept.remove(intl_.ThousandsChar); // also RemovedPosition
    const auto dec = kept.indexOf(intl_.DecimalChar);
    if (dec >= 0)
        kept[dec] = u'.';
    return kept.toStdString();
}

bool NumericFieldModel::ConvertText(const QString& text, long double& value) const
{
    std::string s = StrippedText(text);
    const auto b = s.find_first_not_of(' ');
    s = b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(' ') - b + 1);
    const auto period = s.find('.');
    if (period != std::string::npos) {
        std::size_t l = period, r = period + 1;
        while (l > 0 && s[l - 1] == ' ')
            --l;
        while (r < s.size() && s[r] == ' ')
            ++r;
        s = s.substr(0, l) + '.' + s.substr(r);
    }
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    // Nothing, or a sign alone, is zero.
    if (s.empty() || s == "-")
        s += '0';
    if (s[0] == '.')
        s.insert(0, 1, '0');
    else if (s.size() > 1 && s[0] == '-' && s[1] == '.')
        s.insert(1, 1, '0');
    return NumberText::Parse(s, value);
}

bool NumericFieldModel::AllBlank() const
{
    for (int i = 0; i < mask_.Length() && i < display_.size(); ++i)
        if (mask_.IsEditable(i) && display_[i] != u' ')
            return false;
    return true;
}

std::uint16_t NumericFieldModel::Validate(bool writeBack, bool inputRequired, bool uninitialized)
{
    if (inputRequired && (AllBlank() || uninitialized))
        return vcRequired;
    long double value = 0;
    if (!Convert(value))
        return vcInvalidNumber;
    if (!InRange(value))
        return vcRange;
    if (writeBack)
        RewriteText(value);
    return vcOk;
}

void NumericFieldModel::RebuildEntry()
{
    std::string s = StrippedText(display_);
    std::erase(s, ' ');
    negative_ = !s.empty() && s[0] == '-';
    if (negative_)
        s.erase(0, 1);
    if (s == "0")
        s.clear();
    // Only digits and one period belong in the buffer.
    std::string buffer;
    bool period = false;
    for (char c : s) {
        if (c >= '0' && c <= '9')
            buffer += c;
        else if (c == '.' && !period)
            buffer += c, period = true;
    }
    entry_ = buffer.substr(0, PictureMask::MaxLength);
}

void NumericFieldModel::ClearEntry()
{
    entry_.clear();
    negative_ = false;
    selected_ = false;
    UpdateDisplayFromEntry();
}

void NumericFieldModel::UpdateDisplayFromEntry()
{
    std::string number = entry_.empty() ? std::string("0") : entry_;
    if (number[0] == '.')
        number.insert(0, 1, '0');
    if (negative_)
        number.insert(0, 1, '-');
    QString text = MergeIntoMask(number);
    if (mask_.HasPoint()) {
        const int d = mask_.DecimalPlaces();
        const auto period = entry_.find('.');
        const int typed = period == std::string::npos ? -1 : static_cast<int>(entry_.size() - period - 1);
        const int hide = period == std::string::npos ? d + 1 : d - typed;
        int first = std::max(0, mask_.FirstEditable());
        for (int i = 0; i < first; ++i)
            if (mask_.KindAt(i) == PictureMask::Kind::Currency ||
                mask_.KindAt(i) == PictureMask::Kind::Separator) {
                first = i;
                break;
            }
        const int spanEnd = std::max(mask_.LastEditable(), mask_.PointPos()) + 1;
        if (hide > 0) {
            const int h = std::min(hide, spanEnd - first);
            text.remove(spanEnd - h, h);
            text.insert(first, QString(h, u' '));
        } else if (hide < 0) {
            // More decimals typed than places: move left, show them all.
            const QString extra =
                QString::fromStdString(entry_.substr(period + 1 + static_cast<std::size_t>(d)));
            const int s = std::min(static_cast<int>(extra.size()), spanEnd - first);
            text.remove(first, s);
            text.insert(spanEnd - s, extra.right(s));
        }
    }
    display_ = text;
}

NumericFieldModel::Edit NumericFieldModel::TypeChar(QChar ch)
{
    if (selected_ && ch.unicode() >= 32) {
        entry_.clear();
        negative_ = false;
        selected_ = false;
        UpdateDisplayFromEntry();
    }
    return AddChar(ch);
}

NumericFieldModel::Edit NumericFieldModel::AddChar(QChar ch)
{
    if (ch == intl_.DecimalChar)
        ch = u'.';
    else if (ch == u'.')
        return Edit::Refused;
    if (mask_.LastEditable() < 0 || !PictureMask::Accepts(mask_.At(mask_.LastEditable()), ch))
        return Edit::Refused;
    const int n = UsedSlots();
    const int total = mask_.TotalSlots();
    const int integer = mask_.IntegerSlots();
    const auto period = entry_.find('.');
    const bool hasPeriod = period != std::string::npos;
    const char c = static_cast<char>(ch.unicode());

    if (c == '.') {
        if (!mask_.HasPoint() || hasPeriod || n >= total)
            return Edit::Refused;
        entry_ += '.';
    } else if (c == '-') {
        if (negative_) {
            negative_ = false;
        } else {
            const int intChars = static_cast<int>(hasPeriod ? period : entry_.size());
            if (intChars >= integer || static_cast<int>(entry_.size()) >= total)
                return Edit::Refused;
            negative_ = true;
        }
    } else if (c >= '0' && c <= '9') {
        if (n < total) {
            if (c == '0' && entry_.empty())
                return Edit::Ignored;
            if (mask_.HasPoint() && !hasPeriod && n >= integer)
                return Edit::Refused;
            entry_ += c;
        } else if (total == 1) {
            entry_ = std::string(1, c);
        } else {
            return Edit::Refused;
        }
    } else {
        return Edit::Refused;
    }
    UpdateDisplayFromEntry();
    return Edit::Changed;
}

NumericFieldModel::Edit NumericFieldModel::Remove()
{
    if (entry_.empty()) {
        if (!negative_)
            return Edit::Ignored;
        negative_ = false;
    } else {
        const bool hadTwo = entry_.size() == 2;
        entry_.pop_back();
        if (hadTwo && entry_ == "0")
            entry_.clear();
    }
    UpdateDisplayFromEntry();
    return Edit::Changed;
}

NumericFieldModel::Edit NumericFieldModel::Paste(const QString& text)
{
    const QString before = display_;
    if (selected_)
        ClearEntry();
    const bool closing = text.contains(u')');
    for (QChar ch : text) {
        if (ch == u'(' && mask_.HasParens() && closing)
            ch = u'-';
        if (ch == u'-' && negative_)
            continue;
        if (UsedSlots() > mask_.TotalSlots())
            continue;
        AddChar(ch);
    }
    return display_ == before ? Edit::Ignored : Edit::Changed;
}

bool NumericFieldModel::Step(int step)
{
    long double value = 0;
    if (!Convert(value))
        return false;
    if (step > 0 && value >= high_)
        value = low_;
    else if (step < 0 && value <= low_)
        value = high_;
    else
        value = std::clamp(value + step, low_, high_);
    SetValue(value);
    RebuildEntry();
    return true;
}

void NumericFieldModel::Restore()
{
    display_ = restore_;
    RebuildEntry();
    SelectAll();
}

} // namespace quorvant::controls
