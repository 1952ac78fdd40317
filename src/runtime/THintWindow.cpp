#include "runtime/THintWindow.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include "runtime/TColor.h"

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

} // namespace quorvant::runtime
