#include "runtime/TPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "runtime/BevelPainter.h"
#include "runtime/Guard.h"

namespace quorvant::runtime {

TPanel::TPanel(QWidget* parent) : QWidget(parent) {}

void TPanel::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
}

void TPanel::SetAlignment(TAlignment alignment)
{
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    update();
}

void TPanel::SetBevelOuter(TBevelCut cut)
{
    if (bevelOuter_ == cut)
        return;
    bevelOuter_ = cut;
    update();
}

void TPanel::SetBevelInner(TBevelCut cut)
{
    if (bevelInner_ == cut)
        return;
    bevelInner_ = cut;
    update();
}

void TPanel::SetBevelWidth(int width)
{
    width = qMax(1, width);
    if (bevelWidth_ == width)
        return;
    bevelWidth_ = width;
    update();
}

void TPanel::SetBorderWidth(int width)
{
    width = qMax(0, width);
    if (borderWidth_ == width)
        return;
    borderWidth_ = width;
    update();
}

void TPanel::SetColor(TColor color)
{
    if (color_ == color)
        return;
    color_ = color;
    update();
}

void TPanel::SetParentBackground(bool parentBackground)
{
    if (parentBackground_ == parentBackground)
        return;
    parentBackground_ = parentBackground;
    update();
}

QRect TPanel::ClientRect() const
{
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!parentBackground_ && color_ != clNone)
        painter.fillRect(rect(), ToQColor(color_));
    QRect r = rect();
    BevelPainter::Bevel(painter, r, bevelOuter_, bevelWidth_);
    r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    BevelPainter::Bevel(painter, r, bevelInner_, bevelWidth_);
    if (caption_.isEmpty())
        return;
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic;
    flags |= alignment_ == taLeftJustify    ? Qt::AlignLeft
             : alignment_ == taRightJustify ? Qt::AlignRight
                                            : Qt::AlignHCenter;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(r, flags, caption_);
}

void TPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    Guarded(this, [&] { emit OnMouseMove(this, event->modifiers(), p.x(), p.y()); });
    event->ignore();
}

} // namespace quorvant::runtime
