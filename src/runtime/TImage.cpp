#include "runtime/TImage.h"

#include <QBitmap>
#include <QPainter>

namespace quorvant::runtime {

TImage::TImage(QWidget* parent) : TGraphicControl(parent)
{
    resize(105, 105);
}

void TImage::SetPicture(const QPixmap& picture)
{
    if (picture_.cacheKey() == picture.cacheKey())
        return;
    picture_ = picture;
    AdjustSize();
    update();
}

void TImage::SetAutoSize(bool autoSize)
{
    if (autoSize_ == autoSize)
        return;
    autoSize_ = autoSize;
    AdjustSize();
    update();
}

void TImage::SetCenter(bool center)
{
    if (center_ == center)
        return;
    center_ = center;
    update();
}

void TImage::SetStretch(bool stretch)
{
    if (stretch_ == stretch)
        return;
    stretch_ = stretch;
    update();
}

void TImage::SetTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    update();
}

QSize TImage::sizeHint() const
{
    return picture_.isNull() ? QSize(105, 105) : picture_.deviceIndependentSize().toSize();
}

void TImage::AdjustSize()
{
    if (autoSize_ && !picture_.isNull())
        resize(sizeHint());
}

QPixmap TImage::Shown() const
{
    if (!transparent_ || picture_.isNull() || picture_.hasAlphaChannel() || !picture_.mask().isNull())
        return picture_;
    const QImage image = picture_.toImage();
    QPixmap masked = picture_;
    masked.setMask(picture_.createMaskFromColor(QColor(image.pixel(0, image.height() - 1)), Qt::MaskInColor));
    return masked;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const QPixmap shown = Shown();
    if (stretch_) {
        painter.drawPixmap(rect(), shown);
        return;
    }
    const QSize s = picture_.deviceIndependentSize().toSize();
    QPoint at(0, 0);
    if (center_)
        at = QPoint((width() - s.width()) / 2, (height() - s.height()) / 2);
    painter.drawPixmap(at, shown);
}

} // namespace quorvant::runtime
