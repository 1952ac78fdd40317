#include "runtime/THintWindow.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include "platform/DesktopCompositor.h"
#include "runtime/TColor.h"
#include "runtime/TDropShadow.h"

namespace quorvant::runtime {

namespace {
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
}

THintWindow::THintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

THintWindow::~THintWindow() = default;

QRect THintWindow::CalcHintRect(int maxWidth, const QString& hint)
{
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, qMax(1, maxWidth - 8), 0), TextFlags, hint);
    return {0, 0, text.width() + 8, text.height() + 4};
}

void THintWindow::ActivateHint(const QRect& rect, const QString& hint)
{
    SetCaption(hint);
    QRect r = rect;
    if (const QScreen* screen = QGuiApplication::screenAt(rect.topLeft()); screen) {
        const QRect area = screen->geometry();
        if (r.right() > area.right())
            r.moveRight(area.right() - 2);
        if (r.bottom() > area.bottom())
            r.moveBottom(area.bottom() - 2);
    }
    setGeometry(r);
    show();
    raise();
}

void THintWindow::ReleaseHint()
{
    hide();
}

void THintWindow::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
}

void THintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ToQColor(clInfoBk));
    p.setPen(ToQColor(clBtnShadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(ToQColor(clInfoText));
    p.drawText(rect().adjusted(4, 2, -4, -2), TextFlags, caption_);
}

TDropShadow* THintWindow::Shadow() const
{
    return shadow_ && shadow_->isVisible() ? shadow_.get() : nullptr;
}

// The shadow follows the window's shape (its mask, else its rectangle) on
// every show, move and resize; it is cast before the window itself maps, so
// the screen grabbed beneath it is free of the window.
void THintWindow::CastShadow()
{
    if (platform::IsDesktopComposited())
        return;
    if (!shadow_)
        shadow_ = std::make_unique<TDropShadow>();
    shadow_->Cast(geometry(), mask().isEmpty() ? QRegion(rect()) : mask());
}

void THintWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    CastShadow();
}

void THintWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (shadow_)
        shadow_->Remove();
}

void THintWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (isVisible())
        CastShadow();
}

void THintWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        CastShadow();
}

} // namespace quorvant::runtime
