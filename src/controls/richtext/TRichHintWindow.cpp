#include "controls/richtext/TRichHintWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "controls/markup/MarkupEngine.h"
#include "controls/richtext/TRichHint.h"
#include "runtime/BevelPainter.h"

namespace quorvant::controls {

using runtime::ToQColor;

namespace {

// The rounded window's corner ellipses are 16 x 16.
constexpr int CornerDiameter = 16;

TMarkupParams SettingsParams(const TRichHint& settings)
{
    TMarkupParams p;
    p.Font = settings.HintFont();
    p.FontColor = settings.HintFontColor();
    p.WordWrap = !settings.Ellipsis();
    p.URLColor = settings.URLColor();
    p.ShadowColor = settings.ShadowColor();
    p.ShadowOffset = settings.ShadowOffset();
    p.Images = settings.Images();
    p.PictureContainer = settings.PictureContainer();
    return p;
}

// The pixels of its edge: those with a neighbour left, right, above or
// below outside it.
QRegion Edge(const QRegion& shape)
{
    const QRegion inner = shape & shape.translated(1, 0) & shape.translated(-1, 0) & shape.translated(0, 1) &
                          shape.translated(0, -1);
    return shape - inner;
}

} // namespace

QRegion TRichHintWindow::RoundedShape(const QSize& size)
{
    // Row by row, the pixels whose centres lie inside a rectangle of this
    // size with corners rounded by circles of the corner diameter.
    const int w = size.width(), h = size.height();
    const double radius = std::min({CornerDiameter / 2.0, w / 2.0, h / 2.0});
    QRegion shape;
    for (int y = 0; y < h; ++y) {
        const double centreY = y + 0.5;
        const double dy = std::max({radius - centreY, centreY - (h - radius), 0.0});
        const double reach = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        const int inset = dy > 0 ? int(std::ceil(radius - reach - 0.5)) : 0;
        if (w - 2 * inset > 0)
            shape += QRect(inset, y, w - 2 * inset, 1);
    }
    return shape;
}

TRichHintWindow::TRichHintWindow(QWidget* parent) : THintWindow(parent)
{
    // A pop-up without the standard hint frame; compositors give tooltip
    // windows their drop shadow.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

QSize TRichHintWindow::Measure(const TRichHint& settings, int maxWidth, const QString& hint) const
{
    TMarkupParams p = SettingsParams(settings);
    p.Rect = QRect(0, 0, maxWidth - 16, 1);
    p.MeasureOnly = true;
    const TMarkupResult r = DrawMarkup(nullptr, hint, p);
    return {r.Width + 2 * settings.XMargin(), r.Height + 2 * settings.YMargin()};
}

QRect TRichHintWindow::CalcHintRect(int maxWidth, const QString& hint)
{
    const TRichHint* settings = TRichHint::ForMainForm();
    if (!settings)
        return THintWindow::CalcHintRect(maxWidth, hint);
    const QSize extent = Measure(
        *settings,
        settings->LastHintInfo().HintMaxWidth > 0 ? settings->LastHintInfo().HintMaxWidth : maxWidth, hint);
    return {0, 0, extent.width() + 16, extent.height() + 4};
}

void TRichHintWindow::ActivateHint(const QRect& rect, const QString& hint)
{
    SetCaption(hint);
    const TRichHint* settings = TRichHint::ForMainForm();
    if (!settings)
        return;
    QRect r(rect.topLeft(), rect.size());
    const QScreen* screen = QGuiApplication::screenAt(r.topLeft());
    if (!screen) {
        // The nearest monitor, else the first.
        int best = -1;
        for (QScreen* s : QGuiApplication::screens()) {
            const QRect g = s->geometry();
            const int dx = std::max({g.left() - r.left(), 0, r.left() - g.right()});
            const int dy = std::max({g.top() - r.top(), 0, r.top() - g.bottom()});
            if (best < 0 || dx + dy < best)
                best = dx + dy, screen = s;
        }
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // The width the show-hint hook left, else the screen's.
    int maxWidth = settings->LastHintInfo().HintMaxWidth;
    if (maxWidth <= 0)
        maxWidth = screen ? screen->geometry().width() : rect.width() + 16;
    extent_ = Measure(*settings, maxWidth, hint);
    r.setSize(QSize(extent_.width() + 16, extent_.height() + 4));
    if (screen) {
        const QRect monitor = screen->geometry();
        if (r.right() > monitor.right())
            r.moveRight(monitor.right() - 2);
        if (r.bottom() > monitor.bottom())
            r.moveBottom(monitor.bottom() - 2);
    }
    if (settings->HintStyle() == TRichHint::hsRounded)
        setMask(RoundedShape(r.size()));
    else
        clearMask();
    setGeometry(r);
    show();
    raise();
    update();
}

void TRichHintWindow::paintEvent(QPaintEvent*)
{
    const TRichHint* settings = TRichHint::ForMainForm();
    if (!settings)
        return;
    QPainter p(this);
    const QRect client = rect();
    const runtime::TColor color = settings->LastHintInfo().HintColor;
    const QColor from = ToQColor(color);
    if (settings->HintColorTo() == runtime::clNone) {
        p.fillRect(client, from);
    } else {
        const QColor to = ToQColor(settings->HintColorTo());
        runtime::BevelPainter::BandedGradient(p, client, from, to, 48, Qt::Vertical);
    }

    if (settings->HintStyle() == TRichHint::hsRounded) {
        // The outline is the edge of the very shape that cuts the window, so
        // the two meet at every pixel of the corners.
        const QColor grey = ToQColor(runtime::clGray);
        for (const QRect& r : Edge(RoundedShape(client.size())))
            p.fillRect(r, grey);
    } else {
        const int right = client.right(), bottom = client.bottom();
        p.setPen(ToQColor(runtime::cl3DLight));
        p.drawLine(0, bottom - 2, 0, 0);
        p.drawLine(0, 0, right, 0);
        p.setPen(ToQColor(runtime::cl3DDkShadow));
        p.drawLine(right, 0, right, bottom);
        p.drawLine(right, bottom, 0, bottom);
    }

    const int measuredHeight = extent_.height(); // already includes 2 x YMargin
    const int top = (client.height() - measuredHeight) / 2 + settings->YMargin();
    const QRect text(QPoint(settings->XMargin() + 4, top),
                     QPoint(client.right() - 4, top + measuredHeight + 8 - 1));
    TMarkupParams params = SettingsParams(*settings);
    params.Rect = text;
    params.BrushColor = color;
    params.Background = settings->HintColorTo() == runtime::clNone ? color : runtime::clNone;
    params.BlinkVisible = true;
    DrawMarkup(&p, Caption(), params);
}

} // namespace quorvant::controls
