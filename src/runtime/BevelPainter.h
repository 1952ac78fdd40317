#pragma once
// Three-dimensional frames and banded gradients drawn the classic way,
// pixel for pixel, for every control that paints its own.

#include <QColor>
#include <QRect>
#include <Qt>

#include "runtime/ControlTypes.h"

class QPainter;

namespace quorvant::runtime {

class BevelPainter {
public:
    // The two corners where a top-left and a bottom-right edge meet (top
    // right, bottom left) take the colour of the edge named here.
    enum class Corners { BottomRightEdges, TopLeftEdges };

    // A frame `width` lines deep, drawn from the outside in; the rectangle
    // shrinks by the width. Nothing is drawn into an empty rectangle.
    static void Frame(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width = 1,
                      Corners corners = Corners::BottomRightEdges);
    // A bevel in the button face's highlight and shadow; bvSpace draws
    // nothing but still takes its width, bvNone takes nothing.
    static void Bevel(QPainter& p, QRect& r, TBevelCut cut, int width = 1,
                      Corners corners = Corners::BottomRightEdges);
    // `bands` solid stripes from `from` to `to` across the area, left to
    // right (horizontal) or top to bottom (vertical).
    static void BandedGradient(QPainter& p, const QRect& area, const QColor& from, const QColor& to,
                               int bands, Qt::Orientation orientation);
};

} // namespace quorvant::runtime
