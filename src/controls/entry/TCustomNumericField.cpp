#include "controls/entry/TCustomNumericField.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "controls/entry/EntryErrors.h"
#include "controls/entry/NumberText.h"

namespace quorvant::controls {

namespace {

QByteArray ExtendedBytes(long double value)
{
    // The 80-bit extended layout: the first ten bytes of an x86 long double.
    static_assert(sizeof(long double) >= 10);
    char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &value, sizeof value);
    return QByteArray(bytes, 10);
}

long double FromExtendedBytes(const QByteArray& bytes, bool& ok)
{
    long double value = 0;
    ok = bytes.size() == 10;
    if (ok) {
        char raw[sizeof(long double)] = {};
        std::memcpy(raw, bytes.constData(), 10);
        std::memcpy(&value, raw, sizeof value);
        ok = std::isfinite(value);
    }
    return ok ? value : 0;
}

QString BoundText(long double value)
{
    char buf[64];
    // Plain digits where they stay short, exponent form for the huge bounds.
    const auto res = std::fabs(value) < 1e15L
                         ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed)
                         : std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

} // namespace

TCustomNumericField::TCustomNumericField(QWidget* parent) : TPictureBase(parent), model_(TIntlSup::Instance())
{
}

void TCustomNumericField::SetDataType(TNumericDataType type)
{
    if (type < nftLongInt || type > nftComp)
        throw EControlException();
    if (type == DataType())
        return;
    model_.SetDataType(static_cast<NumericType>(type));
    NotifyTextChange();
    update();
}

void TCustomNumericField::SetPictureMask(const QString& mask)
{
    if (mask == PictureMask())
        return;
    model_.SetPictureMask(mask);
    NotifyTextChange();
    update();
}

QString TCustomNumericField::RangeLo() const
{
    return BoundText(model_.RangeLow());
}

QString TCustomNumericField::RangeHi() const
{
    return BoundText(model_.RangeHigh());
}

std::string TCustomNumericField::RangeMessage() const
{
    long double low = 0, high = 0;
    NumericFieldModel::DefaultRange(model_.DataType(), low, high);
    switch (DataType()) {
    case nftReal:
        return "Invalid range. Enter a value between (-1.7e+38) and (+1.7e+38)";
    case nftExtended:
        return "Invalid range. Enter a value between (-1.1e+4932) and (+1.1e+4932)";
    case nftDouble:
        return "Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)";
    case nftSingle:
        return "Invalid range. Enter a value between (-3.4e+38) and (+3.4e+38)";
    case nftComp:
        return "Invalid range. Enter a value between (-9.2e+18) and (+9.2e+18)";
    default:
        return "Invalid range. Enter a value between (" + std::to_string(static_cast<long long>(low)) +
               ") and (" + std::to_string(static_cast<long long>(high)) + ")";
    }
}

void TCustomNumericField::CheckRangeText(const QString& text, long double& value) const
{
    long double low = 0, high = 0;
    NumericFieldModel::DefaultRange(model_.DataType(), low, high);
    const bool integer =
        !NumericFieldModel::IsFloatType(model_.DataType()) && model_.DataType() != NumericType::Comp;
    if (!NumberText::Parse(text.trimmed().toStdString(), value) || value < low || value > high ||
        (integer && value != std::trunc(value)))
        throw EInvalidRangeValue(RangeMessage());
}

void TCustomNumericField::SetRangeLo(const QString& text)
{
    long double value = 0;
    CheckRangeText(text, value);
    model_.SetRange(value, model_.RangeHigh());
    ValidateWithReport();
}

void TCustomNumericField::SetRangeHi(const QString& text)
{
    long double value = 0;
    CheckRangeText(text, value);
    model_.SetRange(model_.RangeLow(), value);
    ValidateWithReport();
}

QByteArray TCustomNumericField::RangeLow() const
{
    return ExtendedBytes(model_.RangeLow());
}

QByteArray TCustomNumericField::RangeHigh() const
{
    return ExtendedBytes(model_.RangeHigh());
}

void TCustomNumericField::SetRangeLow(const QByteArray& bytes)
{
    bool ok = false;
    const long double value = FromExtendedBytes(bytes, ok);
    if (ok)
        model_.SetRange(value, model_.RangeHigh());
}

void TCustomNumericField::SetRangeHigh(const QByteArray& bytes)
{
    bool ok = false;
    const long double value = FromExtendedBytes(bytes, ok);
    if (ok)
        model_.SetRange(model_.RangeLow(), value);
}

void TCustomNumericField::SetRange(long double low, long double high)
{
    model_.SetRange(low, high);
}

void TCustomNumericField::SetUninitialized(bool value)
{
    if (value == uninitialized_)
        return;
    uninitialized_ = value;
    NotifyTextChange();
    update();
}

void TCustomNumericField::SetZeroDisplay(TZeroDisplay value)
{
    if (value == zeroDisplay_)
        return;
    zeroDisplay_ = value;
    NotifyTextChange();
    update();
}

void TCustomNumericField::SetZeroDisplayValue(double value)
{
    if (value == zeroDisplayValue_)
        return;
    zeroDisplayValue_ = value;
    NotifyTextChange();
    update();
}

double TCustomNumericField::NumberValue()
{
    SetBeingRead(true);
    const std::uint16_t code = RunValidation(false);
    SetBeingRead(false);
    long double value = 0;
    if (code != 0 || !model_.Convert(value))
        return 0.0;
    switch (DataType()) {
    case nftReal:
    case nftExtended:
    case nftDouble:
    case nftSingle:
        return static_cast<double>(value);
    default:
        return static_cast<double>(std::trunc(value));
    }
}

void TCustomNumericField::SetNumberValue(double value)
{
    long double v = value;
    switch (DataType()) {
    case nftReal:
    case nftExtended:
    case nftDouble:
    case nftSingle:
        break;
    case nftComp:
        v = std::round(v);
        break;
    default:
        throw EInvalidDataType();
    }
    model_.SetValue(v);
    SetModified(false);
    if (FieldHasFocus()) {
        model_.RebuildEntry();
        model_.SelectAll();
    } else {
        SetInvalid(false);
    }
    NotifyTextChange();
    update();
}

QVariant TCustomNumericField::efValue() const
{
    long double value = 0;
    if (!model_.Convert(value))
        return {};
    return static_cast<double>(value);
}

void TCustomNumericField::SetAsString(const QString& text)
{
    QString plain = text.trimmed();
    plain.remove(model_.Intl().ThousandsChar);
    plain.replace(model_.Intl().DecimalChar, u'.');
    long double value = 0;
    if (!NumberText::Parse(plain.toStdString(), value))
        throw EEntryFieldError();
    model_.SetValue(value);
    SetModified(false);
    NotifyTextChange();
    update();
}

void TCustomNumericField::ReloadIntl()
{
    model_.SetIntl(TIntlSup::Instance());
    NotifyTextChange();
    update();
}

bool TCustomNumericField::efTypeChar(QChar ch)
{
    return model_.TypeChar(ch) != NumericFieldModel::Edit::Refused;
}

void TCustomNumericField::efStep(int step)
{
    setUpdatesEnabled(false);
    model_.Step(step);
    setUpdatesEnabled(true);
    NotifyTextChange();
    update();
}

void TCustomNumericField::efEnter(bool saveRestoreText)
{
    if (saveRestoreText)
        model_.SaveRestoreText();
    model_.RebuildEntry();
}

void TCustomNumericField::efLeave()
{
    model_.ResetEntryBuffer();
}

QString TCustomNumericField::efDrawnText() const
{
    return model_.DrawnText({.padChar = padChar_,
                             .password = (Options() & efoPasswordMode) != 0,
                             .focused = FieldHasFocus(),
                             .uninitialized = uninitialized_,
                             .zeroDisplay = static_cast<NumericFieldModel::ZeroDisplay>(zeroDisplay_),
                             .zeroValue = zeroDisplayValue_,
                             .modified = Modified()});
}

} // namespace quorvant::controls
