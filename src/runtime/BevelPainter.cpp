#include "runtime/BevelPainter.h"

#include <QPainter>
#include <algorithm>

#include "runtime/TColor.h"

namespace quorvant::runtime {

void BevelPainter::Frame(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width,
                         Corners corners)
{
    // Lower edges owning the corners draw whole lines last; upper edges
    // owning them leave the corner pixels out of the lower lines.
    const int skip = corners == Corners::TopLeftEdges ? 1 : 0;
    for (int i = 0; i < width; ++i) {
        if (r.width() > 0 && r.height() > 0) {
            p.setPen(topLeft);
            p.drawLine(r.left(), r.top(), r.right(), r.top());
            p.drawLine(r.left(), r.top(), r.left(), r.bottom());
            p.setPen(bottomRight);
            p.drawLine(r.left() + skip, r.bottom(), r.right(), r.bottom());
            p.drawLine(r.right(), r.top() + skip, r.right(), r.bottom());
        }
        r.adjust(1, 1, -1, -1);
    }
}

void BevelPainter::Bevel(QPainter& p, QRect& r, TBevelCut cut, int width, Corners corners)
{
    if (cut == bvNone)
        return;
    if (cut == bvSpace) {
        r.adjust(width, width, -width, -width);
        return;
    }
    const QColor light = ToQColor(clBtnHighlight), shadow = ToQColor(clBtnShadow);
    if (cut == bvRaised)
        Frame(p, r, light, shadow, width, corners);
    else
        Frame(p, r, shadow, light, width, corners);
}

void BevelPainter::BandedGradient(QPainter& p, const QRect& area, const QColor& from, const QColor& to,
                                  int bands, Qt::Orientation orientation)
{
    bands = std::max(1, bands);
    const bool horizontal = orientation == Qt::Horizontal;
    const int length = horizontal ? area.width() : area.height();
    for (int i = 0; i < bands; ++i) {
        const int s0 = length * i / bands, s1 = length * (i + 1) / bands;
        if (s1 <= s0)
            continue;
        const QColor c(from.red() + (to.red() - from.red()) * i / bands,
                       from.green() + (to.green() - from.green()) * i / bands,
                       from.blue() + (to.blue() - from.blue()) * i / bands);
        p.fillRect(horizontal ? QRect(area.left() + s0, area.top(), s1 - s0, area.height())
                              : QRect(area.left(), area.top() + s0, area.width(), s1 - s0),
                   c);
    }
}

} // namespace quorvant::runtime
