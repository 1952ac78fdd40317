#pragma once
// A picture field holding one number of a chosen numeric type, entered from
// the right like a pocket calculator. The editing itself lives in
// NumericFieldModel; this class ties it to the widget.

#include <QByteArray>
#include <QString>

#include "controls/entry/NumericFieldModel.h"
#include "controls/entry/TPictureBase.h"

namespace quorvant::controls {

class TCustomNumericField : public TPictureBase {
    Q_OBJECT
public:
    // A fixed underlying type, so that any number from a window description
    // or a property write can be held and checked: one that names no type is
    // refused rather than undefined behaviour.
    enum TNumericDataType : int {
        nftLongInt,
        nftWord,
        nftInteger,
        nftByte,
        nftShortInt,
        nftReal,
        nftExtended,
        nftDouble,
        nftSingle,
        nftComp,
    };
    Q_ENUM(TNumericDataType)
    // In the model's order: the drawn text is the model's.
    enum TZeroDisplay { zdShow, zdHide, zdHideUntilModified };
    Q_ENUM(TZeroDisplay)
    static_assert(zdHide == int(NumericFieldModel::ZeroDisplay::Hide) &&
                  zdHideUntilModified == int(NumericFieldModel::ZeroDisplay::HideUntilModified));

    explicit TCustomNumericField(QWidget* parent = nullptr);

    TNumericDataType DataType() const { return static_cast<TNumericDataType>(model_.DataType()); }
    // Also replaces the mask and the range by the type's defaults. Raises
    // EControlException for a value outside the enumeration.
    void SetDataType(TNumericDataType type);
    QString PictureMask() const { return model_.Mask().Text(); }
    void SetPictureMask(const QString& mask);

    // Bounds as text; writing checks them against the type's limits and
    // raises EInvalidRangeValue.
    QString RangeLo() const;
    QString RangeHi() const;
    void SetRangeLo(const QString& text);
    void SetRangeHi(const QString& text);
    // Bounds as stored: 10-byte extended-precision numbers.
    QByteArray RangeLow() const;
    QByteArray RangeHigh() const;
    void SetRangeLow(const QByteArray& bytes);
    void SetRangeHigh(const QByteArray& bytes);
    void SetRange(long double low, long double high);

    bool Uninitialized() const { return uninitialized_; }
    void SetUninitialized(bool value);
    TZeroDisplay ZeroDisplay() const { return zeroDisplay_; }
    void SetZeroDisplay(TZeroDisplay value);
    double ZeroDisplayValue() const { return zeroDisplayValue_; }
    void SetZeroDisplayValue(double value);

    // Read: validated silently; 0.0 when the text does not validate. Write:
    // formats the value, clears the modified mark; selects all when focused.
    double NumberValue();
    void SetNumberValue(double value);
    // Whether a value would show without losing integer digits or its sign.
    bool ValueFits(double value) const { return model_.ValueFits(value); }

    QString DisplayText() const { return model_.DisplayText(); }
    // The value as text, with the user's separators; writing raises
    // EEntryFieldError for a text that is no number.
    QString AsString() const { return NumericFieldModel::ShownText(model_.DisplayText()).trimmed(); }
    void SetAsString(const QString& text);
    const NumericFieldModel& Model() const { return model_; }
    // After the regional settings changed.
    void ReloadIntl();

protected:
    QString efDisplayText() const override { return model_.DisplayText(); }
    QString efDrawnText() const override;
    bool efHasSelection() const override { return model_.HasSelection(); }
    void efSelectAll() override { model_.SelectAll(); }
    void efDropSelection() override { model_.DropSelection(); }
    bool efTypeChar(QChar ch) override;
    void efRemove() override { model_.Remove(); }
    void efClearEntry() override { model_.ClearEntry(); }
    void efPaste(const QString& text) override { model_.Paste(text); }
    void efStep(int step) override;
    void efRestore() override { model_.Restore(); }
    void efEnter(bool saveRestoreText) override;
    void efLeave() override;
    std::uint16_t efValidate(bool writeBack) override { return model_.Validate(writeBack); }
    bool efAllBlank() const override { return model_.AllBlank(); }
    bool efEntryFull() const override { return model_.EntryFull(); }
    bool efUninitialized() const override { return uninitialized_; }
    void efClearUninitialized() override { uninitialized_ = false; }
    // The shown number, or nothing while the text is no number.
    QVariant efValue() const override;

private:
    void CheckRangeText(const QString& text, long double& value) const;
    std::string RangeMessage() const;

    NumericFieldModel model_;
    bool uninitialized_ = false;
    TZeroDisplay zeroDisplay_ = zdShow;
    double zeroDisplayValue_ = 0;
};

} // namespace quorvant::controls
