#include "runtime/TButtonGlyph.h"

#include <QtGlobal>

#include "runtime/GlyphImages.h"

namespace quorvant::runtime {

bool TButtonGlyph::SetStrip(const QIcon& strip)
{
    if (strip_.cacheKey() == strip.cacheKey())
        return false;
    strip_ = strip;
    images_ = {};
    return true;
}

bool TButtonGlyph::SetCount(int count)
{
    count = qBound(1, count, 4);
    if (count_ == count)
        return false;
    count_ = count;
    images_ = {};
    return true;
}

QPixmap TButtonGlyph::Image(int index, qreal devicePixelRatio) const
{
    QIcon& images = images_[static_cast<std::size_t>(qBound(0, index, 3))];
    if (images.isNull())
        images = GlyphImageSet(strip_, count_, index);
    return GlyphPixmap(images, devicePixelRatio);
}

} // namespace quorvant::runtime
