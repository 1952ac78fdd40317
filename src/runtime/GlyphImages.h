#pragma once
// Button glyphs: a strip of equal images side by side, one per state (up,
// disabled, down, exclusive). A glyph without an alpha channel takes the
// colour of its bottom-left pixel as transparent, as bitmaps do.

#include <QIcon>
#include <QPixmap>

namespace quorvant::runtime {

// Image `index` of a strip of `count`; a state without an image of its own
// gets the up image, greyed for the disabled state (index 1).
QPixmap GlyphImage(const QPixmap& strip, int count, int index);

// The strip with its transparent colour masked out.
QPixmap TransparentGlyph(const QPixmap& strip);

// Image `index` of a strip of `count` at every resolution the strip comes
// in: the stored strip and the drawings for denser screens that a picture
// file carries beside it ("name@2x.png", found by QIcon::addFile). Each
// resolution gets its device pixel ratio against the smallest, so that
// QIcon::pixmap(size, ratio) picks the sharp one.
QIcon GlyphImageSet(const QIcon& strips, int count, int index);

// The smallest (stored) size of a glyph set, in device-independent pixels.
QSize GlyphBaseSize(const QIcon& images);

// The image of a glyph set to draw at its stored size on a device of the
// given pixel ratio: the resolution that fits, with that ratio set.
QPixmap GlyphPixmap(const QIcon& images, qreal devicePixelRatio);

} // namespace quorvant::runtime
