#pragma once
// Button glyphs: a strip of equal images side by side, one per state (up,
// disabled, down, exclusive). A glyph without an alpha channel takes the
// colour of its bottom-left pixel as transparent, as bitmaps do.

#include <QPixmap>

namespace quorvant::runtime {

// Image `index` of a strip of `count`; a state without an image of its own
// gets the up image, greyed for the disabled state (index 1).
QPixmap GlyphImage(const QPixmap& strip, int count, int index);

// The strip with its transparent colour masked out.
QPixmap TransparentGlyph(const QPixmap& strip);

} // namespace quorvant::runtime
