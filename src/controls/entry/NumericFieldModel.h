#pragma once
// The editing state of a numeric picture field without any widget: the mask,
// the display text and the text drawn from it, calculator-style entry,
// formatting, conversion back to a number, validation and stepping. The
// field widget paints the drawn text and routes keys, focus and its drawing
// properties into it; tests and the fuzz target drive it directly.

#include <QString>
#include <cstdint>
#include <string>

#include "controls/entry/EntryErrors.h"
#include "controls/entry/PictureMask.h"
#include "controls/keys/TIntlSup.h"

namespace quorvant::controls {

enum class NumericType {
    LongInt,
    Word,
    Integer,
    Byte,
    ShortInt,
    Real,
    Extended,
    Double,
    Single,
    Comp,
};

class NumericFieldModel {
public:
    enum class Edit { Refused, Ignored, Changed };
    enum class ZeroDisplay { Show, Hide, HideUntilModified };
    // The field's state that changes how the display text is drawn.
    struct DrawOptions {
        QChar padChar = u' ';
        bool password = false;
        bool focused = false;
        bool uninitialized = false;
        ZeroDisplay zeroDisplay = ZeroDisplay::Show;
        double zeroValue = 0;
        bool modified = false;
    };

    explicit NumericFieldModel(const TIntlSup& intl = TIntlSup());

    static void DefaultRange(NumericType type, long double& low, long double& high);
    static bool IsFloatType(NumericType type);

    void SetIntl(const TIntlSup& intl);
    const TIntlSup& Intl() const { return intl_; }

    NumericType DataType() const { return type_; }
    // Replaces the mask by the type's default and the range by its range.
    void SetDataType(NumericType type);
    const PictureMask& Mask() const { return mask_; }
    // Reformats the current value into the new mask.
    void SetPictureMask(const QString& mask);
    long double RangeLow() const { return low_; }
    long double RangeHigh() const { return high_; }
    // Equal bounds mean the type's default range.
    void SetRange(long double low, long double high);

    // One character per mask position; see RemovedPosition.
    const QString& DisplayText() const { return display_; }
    // A display text as it is shown and copied: removed positions left out.
    static QString ShownText(const QString& text);
    // The display text as the field draws it: signs in their mask positions,
    // password stars, the pad character, removed positions left out, and
    // all blanks while an unfocused field hides its value.
    QString DrawnText(const DrawOptions& options) const;
    // Formats a value written by the program into the display text (no
    // validation, no change mark); the value is narrowed to the storage type
    // first, so a double shows as a double rounds (2.675 shows 2.67).
    void SetValue(long double value);
    // Whether a value shows unchanged: no integer digit or sign dropped.
    bool ValueFits(long double value) const;

    // Display text to number; false when it does not parse.
    bool Convert(long double& value) const { return ConvertText(display_, value); }
    bool ConvertText(const QString& text, long double& value) const;
    // No editable position holds anything.
    bool AllBlank() const;
    // The built-in checks: 0 or 256/257/258. With writeBack and a valid
    // value the display is reformatted (12 becomes 12.00).
    std::uint16_t Validate(bool writeBack, bool inputRequired = false, bool uninitialized = false);

    // Calculator entry.
    // Every slot taken (the sign counts as one).
    bool EntryFull() const { return UsedSlots() >= mask_.TotalSlots(); }
    void RebuildEntry();
    void ClearEntry();
    // Empties the buffer and leaves the display as it is (focus exit).
    void ResetEntryBuffer()
    {
        entry_.clear();
        negative_ = false;
    }
    Edit TypeChar(QChar ch);
    Edit Remove();
    Edit Paste(const QString& text);
    // Adds step (wrapping at the bounds, else clamping); false when the
    // text does not convert.
    bool Step(int step);

    // Restore text, taken when the field gains the focus.
    void SaveRestoreText() { restore_ = display_; }
    void Restore();

    // A numeric field's selection is all or nothing.
    bool HasSelection() const { return selected_; }
    void SelectAll() { selected_ = !display_.isEmpty(); }
    void DropSelection() { selected_ = false; }

private:
    // A separator position with a digit to its left holds this when the
    // user has no thousands character: the position is left out when shown.
    static constexpr QChar RemovedPosition = QChar(u'\0');

    static QString DefaultMask(NumericType type);
    // Re-writes the display text with a value converted from text, in
    // extended precision (a typed 2.345 shows 2.35).
    void RewriteText(long double value);
    // The number text a value would be formatted to, before merging.
    std::string FormatNumber(long double value) const;
    // Merges a plain number text ("-1234.5") into the mask.
    QString MergeIntoMask(const std::string& number) const;
    // A display text stripped to a plain number text.
    std::string StrippedText(const QString& text) const;
    // Rebuilds the display from the entry buffer (hidden decimal places).
    void UpdateDisplayFromEntry();
    Edit AddChar(QChar ch);
    int UsedSlots() const { return (negative_ ? 1 : 0) + static_cast<int>(entry_.size()); }
    bool InRange(long double value) const;
    void ApplyDefaultRangeIfEqual();

    TIntlSup intl_;
    NumericType type_ = NumericType::LongInt;
    PictureMask mask_;
    long double low_ = 0, high_ = 0;
    QString display_;
    QString restore_;
    std::string entry_;
    bool negative_ = false;
    bool selected_ = false;
};

} // namespace quorvant::controls
