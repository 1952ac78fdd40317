#pragma once
// Non-windowed shape (rectangle by default) drawn with a pen of a given
// width and colour and a solid or clear brush.

#include "runtime/ControlTypes.h"
#include "runtime/TColor.h"
#include "runtime/TGraphicControl.h"

namespace quorvant::runtime {

class TShape : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(quorvant::runtime::TShapeType Shape READ Shape WRITE SetShape)
    Q_PROPERTY(uint PenColor READ PenColor WRITE SetPenColor)
    Q_PROPERTY(int PenWidth READ PenWidth WRITE SetPenWidth)
    Q_PROPERTY(uint BrushColor READ BrushColor WRITE SetBrushColor)
    Q_PROPERTY(quorvant::runtime::TBrushStyle BrushStyle READ BrushStyle WRITE SetBrushStyle)
public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor color);
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color);
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeType shape_ = stRectangle;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = bsSolid;
};

} // namespace quorvant::runtime
