#include "runtime/GlyphImages.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>
#include <algorithm>

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
    return index == 1 ? QIcon(up).pixmap(up.size(), 1.0, QIcon::Disabled) : up;
}

namespace {

QList<QSize> SizesByWidth(const QIcon& icon)
{
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    return sizes;
}

} // namespace

QSize GlyphBaseSize(const QIcon& images)
{
    const QList<QSize> sizes = SizesByWidth(images);
    return sizes.isEmpty() ? QSize() : sizes.front();
}

QPixmap GlyphPixmap(const QIcon& images, qreal devicePixelRatio)
{
    if (images.isNull())
        return {};
    return images.pixmap(GlyphBaseSize(images), devicePixelRatio);
}

QIcon GlyphImageSet(const QIcon& strips, int count, int index)
{
    const QSize base = GlyphBaseSize(strips);
    QIcon images;
    if (base.isEmpty())
        return images;
    QPixmap densest;
    for (const QSize& size : SizesByWidth(strips)) {
        // Asked for by ratio: QIcon answers a bare size with the stored one.
        const qreal ratio = qreal(size.height()) / base.height();
        QPixmap strip = strips.pixmap(base, ratio);
        if (strip.size() != size)
            continue;
        strip.setDevicePixelRatio(1.0);
        QPixmap image = GlyphImage(strip, count, index);
        image.setDevicePixelRatio(ratio);
        images.addPixmap(image);
        densest = image;
    }
    // Screens of ratio 1.5 get the double-size drawing reduced smoothly:
    // QIcon would otherwise hand them the stored image to be enlarged.
    if (densest.devicePixelRatio() >= 2) {
        const QSize device = (densest.deviceIndependentSize() * 1.5).toSize();
        QPixmap between = densest.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        between.setDevicePixelRatio(1.5);
        images.addPixmap(between);
    }
    return images;
}

} // namespace quorvant::runtime
