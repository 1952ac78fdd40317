#include "runtime/GlyphImages.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>

namespace quorvant::runtime {

QPixmap TransparentGlyph(const QPixmap& strip)
{
    if (strip.isNull() || strip.hasAlphaChannel())
        return strip;
    const QImage image = strip.toImage();
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    QPixmap masked = strip;
    masked.setMask(strip.createMaskFromColor(transparent, Qt::MaskInColor));
    return masked;
}

QPixmap GlyphImage(const QPixmap& strip, int count, int index)
{
    if (strip.isNull())
        return {};
    count = qMax(1, count);
    const QPixmap glyph = TransparentGlyph(strip);
    const int w = glyph.width() / count;
    if (index < count)
        return glyph.copy(index * w, 0, w, glyph.height());
    const QPixmap up = glyph.copy(0, 0, w, glyph.height());
    return index == 1 ? QIcon(up).pixmap(up.size(), QIcon::Disabled) : up;
}

} // namespace quorvant::runtime
