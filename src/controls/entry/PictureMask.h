#pragma once
// A picture mask: one character per display position, classified into
// editable positions, the semi-literal "$" and "," positions and literals,
// with the slot counts that calculator entry works against.

#include <QChar>
#include <QString>
#include <vector>

namespace quorvant::controls {

class PictureMask {
public:
    enum class Kind { Literal, Editable, Separator, Currency, Point };

    static constexpr int MaxLength = 255;

    PictureMask() : PictureMask(QString()) {}
    explicit PictureMask(const QString& mask);

    const QString& Text() const { return mask_; }
    int Length() const { return static_cast<int>(mask_.size()); }
    QChar At(int pos) const { return mask_[pos]; }
    Kind KindAt(int pos) const { return kinds_[static_cast<std::size_t>(pos)]; }
    bool IsEditable(int pos) const { return KindAt(pos) == Kind::Editable; }

    int IntegerSlots() const { return integerSlots_; }
    int DecimalPlaces() const { return decimalPlaces_; }
    int TotalSlots() const { return integerSlots_ + (decimalPlaces_ > 0 ? decimalPlaces_ + 1 : 0); }
    // Position of the decimal point, -1 without one.
    int PointPos() const { return pointPos_; }
    bool HasPoint() const { return pointPos_ >= 0; }
    int FirstEditable() const { return firstEditable_; }
    int LastEditable() const { return lastEditable_; }
    bool HasCurrency() const { return dollarRun_ > 0; }
    int CurrencyRun() const { return dollarRun_; }
    bool HasSeparators() const { return hasSeparators_; }
    bool HasParens() const { return mask_.contains(u'p'); }
    bool HasSignPos() const { return mask_.contains(u'g'); }
    // Hexadecimal, octal and binary masks fill with "0" instead of blanks.
    bool ZeroFilled() const;

    static bool IsPictureChar(QChar c);
    // Whether mask character m takes ch; upper/lower-case masks convert ch
    // first (ch is updated).
    static bool Accepts(QChar m, QChar& ch);

private:
    QString mask_;
    std::vector<Kind> kinds_;
    int integerSlots_ = 0;
    int decimalPlaces_ = 0;
    int pointPos_ = -1;
    int firstEditable_ = -1;
    int lastEditable_ = -1;
    int dollarRun_ = 0;
    bool hasSeparators_ = false;
};

} // namespace quorvant::controls
