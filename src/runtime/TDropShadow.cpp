#include "runtime/TDropShadow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace quorvant::runtime {

namespace {
// Darkness of one offset copy of the shape; where all of them overlap the
// shadow is darkest, towards its edge it fades.
constexpr int LayerAlpha = 34;
} // namespace

TDropShadow::TDropShadow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TDropShadow::Cast(const QRect& geometry, const QRegion& shape)
{
    const QRect area(geometry.topLeft(), geometry.size() + QSize(Depth, Depth));
    QRegion shadow;
    for (int k = 1; k <= Depth; ++k)
        shadow += shape.translated(k, k);
    shadow -= shape;

    // What lies beneath, grabbed before the shadow covers it. Where the
    // shadow already lies, the screen holds its own darkening: the earlier
    // grab knows what is under it.
    QPixmap beneath;
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QPoint at = area.topLeft() - screen->geometry().topLeft();
        beneath = screen->grabWindow(0, at.x(), at.y(), area.width(), area.height());
    }
    if (beneath.isNull() || beneath.size() / beneath.devicePixelRatio() != area.size()) {
        beneath = QPixmap(area.size());
        beneath.fill(palette().color(QPalette::Window));
    }
    if (isVisible() && !background_.isNull()) {
        const QRect old = this->geometry();
        QPainter p(&beneath);
        p.setClipRegion(mask().translated(old.topLeft() - area.topLeft()));
        p.drawPixmap(old.topLeft() - area.topLeft(), background_);
    }
    background_ = beneath;
    shape_ = shape;
    setGeometry(area);
    setMask(shadow);
    update();
    if (!isVisible())
        show();
}

void TDropShadow::Remove()
{
    hide();
    background_ = QPixmap();
}

void TDropShadow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
    const QColor layer(0, 0, 0, LayerAlpha);
    for (int k = 1; k <= Depth; ++k)
        for (const QRect& r : shape_.translated(k, k))
            p.fillRect(r, layer);
}

} // namespace quorvant::runtime
