#pragma once
// The numeric picture entry field as window descriptions use it: the
// published properties of the field family. Defaults are the constructed
// values, so a description stores only what differs.

#include "controls/entry/TCustomNumericField.h"

namespace quorvant::controls {

class TNumericField : public TCustomNumericField {
    Q_OBJECT
    // Loaded before PictureMask, so a stored mask replaces the type's.
    Q_PROPERTY(TNumericDataType DataType READ DataType WRITE SetDataType)
    Q_PROPERTY(QString PictureMask READ PictureMask WRITE SetPictureMask)
    Q_PROPERTY(QString RangeLo READ RangeLo WRITE SetRangeLo STORED false)
    Q_PROPERTY(QString RangeHi READ RangeHi WRITE SetRangeHi STORED false)
    Q_PROPERTY(QByteArray RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(QByteArray RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(TEntryFieldOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(QChar PadChar READ PadChar WRITE SetPadChar)
    Q_PROPERTY(int TextMargin READ TextMargin WRITE SetTextMargin)
    Q_PROPERTY(bool Uninitialized READ Uninitialized WRITE SetUninitialized)
    Q_PROPERTY(TZeroDisplay ZeroDisplay READ ZeroDisplay WRITE SetZeroDisplay)
    Q_PROPERTY(double ZeroDisplayValue READ ZeroDisplayValue WRITE SetZeroDisplayValue)
    Q_PROPERTY(TCaretShape CaretInsShape READ CaretInsShape WRITE SetCaretInsShape)
    Q_PROPERTY(TCaretShape CaretOvrShape READ CaretOvrShape WRITE SetCaretOvrShape)
    Q_PROPERTY(quint32 DisabledBackColor READ DisabledBackColor WRITE SetDisabledBackColor)
    Q_PROPERTY(quint32 DisabledTextColor READ DisabledTextColor WRITE SetDisabledTextColor)
    Q_PROPERTY(quint32 ErrorBackColor READ ErrorBackColor WRITE SetErrorBackColor)
    Q_PROPERTY(quint32 ErrorTextColor READ ErrorTextColor WRITE SetErrorTextColor)
    Q_PROPERTY(quint32 HighlightBackColor READ HighlightBackColor WRITE SetHighlightBackColor)
    Q_PROPERTY(quint32 HighlightTextColor READ HighlightTextColor WRITE SetHighlightTextColor)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(double NumberValue READ NumberValue WRITE SetNumberValue STORED false DESIGNABLE false)
public:
    explicit TNumericField(QWidget* parent = nullptr);
};

} // namespace quorvant::controls
