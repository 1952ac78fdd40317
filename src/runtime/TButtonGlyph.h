#pragma once
// A button's glyph: the strip as set, how many state images it holds, and
// each state's image set, made on first use and dropped when either changes.

#include <QIcon>
#include <QPixmap>
#include <array>

namespace quorvant::runtime {

class TButtonGlyph {
public:
    const QIcon& Strip() const { return strip_; }
    // False when nothing changed, so the button need not repaint.
    bool SetStrip(const QIcon& strip);
    int Count() const { return count_; }
    // Held to 1..4.
    bool SetCount(int count);

    // The image of state `index` (0 up, 1 disabled, 2 down, 3 exclusive) to
    // draw on a device of the given pixel ratio.
    QPixmap Image(int index, qreal devicePixelRatio) const;

private:
    QIcon strip_;
    int count_ = 1;
    mutable std::array<QIcon, 4> images_;
};

} // namespace quorvant::runtime
