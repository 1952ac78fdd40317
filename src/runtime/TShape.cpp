#include "runtime/TShape.h"

#include <QPainter>

namespace quorvant::runtime {

TShape::TShape(QWidget* parent) : TGraphicControl(parent)
{
    resize(65, 65);
}

void TShape::SetShape(TShapeType shape)
{
    if (shape_ == shape)
        return;
    shape_ = shape;
    update();
}

void TShape::SetPenColor(TColor color)
{
    if (penColor_ == color)
        return;
    penColor_ = color;
    update();
}

void TShape::SetPenWidth(int width)
{
    width = qMax(0, width);
    if (penWidth_ == width)
        return;
    penWidth_ = width;
    update();
}

void TShape::SetBrushColor(TColor color)
{
    if (brushColor_ == color)
        return;
    brushColor_ = color;
    update();
}

void TShape::SetBrushStyle(TBrushStyle style)
{
    if (brushStyle_ == style)
        return;
    brushStyle_ = style;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The stroke lies inside the bounds: its path runs half a pen width in.
    const qreal half = penWidth_ / 2.0;
    QRectF r(half, half, width() - penWidth_, height() - penWidth_);
    if (penWidth_ > 0) {
        QPen pen(ToQColor(penColor_));
        pen.setWidth(penWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(brushStyle_ == bsClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const qreal side = qMin(r.width(), r.height());
        r = QRectF(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        painter.drawRect(r);
        break;
    case stRoundRect:
    case stRoundSquare: {
        const qreal radius = qMin(r.width(), r.height()) / 4;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(r, radius, radius);
        break;
    }
    case stEllipse:
    case stCircle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(r);
        break;
    }
}

} // namespace quorvant::runtime
