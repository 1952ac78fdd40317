#include "runtime/TGraphicControl.h"

#include <QMetaMethod>
#include <QMouseEvent>

#include "platform/UiRuntimeHooks.h"
#include "runtime/Guard.h"
#include "runtime/TRuntimeAccessibleFactory.h"

namespace quorvant::runtime {

TGraphicControl::TGraphicControl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    platform::UiRuntimeHooks::SetNonWindowed(this);
    TRuntimeAccessibleFactory::Install();
}

void TGraphicControl::Click()
{
    Guarded(this, [this] { emit OnClick(this); });
}

bool TGraphicControl::ClickBound() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TGraphicControl::OnClick));
}

void TGraphicControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    const QPoint p = event->position().toPoint();
    Guarded(this, [&] { emit OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y()); });
    event->accept();
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(p);
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    Guarded(this, [&] { emit OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y()); });
    if (click)
        Click();
    event->accept();
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Guarded(this, [this] { emit OnDblClick(this); });
    event->accept();
}

void TGraphicControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    Guarded(this, [&] { emit OnMouseMove(this, event->modifiers(), p.x(), p.y()); });
    // Not accepted: Qt hands the move on to the parent as well.
    event->ignore();
}

} // namespace quorvant::runtime
