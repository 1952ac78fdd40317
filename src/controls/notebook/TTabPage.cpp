#include "controls/notebook/TTabPage.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "controls/TControlsAccessibleFactory.h"
#include "controls/notebook/TTabNotebook.h"
#include "runtime/ControlProperties.h"

namespace quorvant::controls {

TTabPage::TTabPage(QWidget* parent) : QWidget(parent)
{
    TControlsAccessibleFactory::Install();
    // Moves over the page's free area (and over labels that let them
    // through) belong to the notebook.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    if (auto* notebook = qobject_cast<TTabNotebook*>(parent))
        notebook->InsertPage(this);
}

TTabPage::~TTabPage()
{
    if (auto* notebook = Notebook())
        notebook->RemovePage(this);
}

TTabNotebook* TTabPage::Notebook() const
{
    return qobject_cast<TTabNotebook*>(parentWidget());
}

void TTabPage::Changed()
{
    if (auto* notebook = Notebook()) {
        notebook->LayoutTabs();
        notebook->update();
    }
}

void TTabPage::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TTabPage::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    setEnabled(enabled);
    Changed();
}

void TTabPage::SetPageVisible(bool visible)
{
    if (visible == pageVisible_)
        return;
    pageVisible_ = visible;
    Changed();
}

void TTabPage::SetTabColor(runtime::TColor color)
{
    if (color == tabColor_)
        return;
    tabColor_ = color;
    Changed();
}

void TTabPage::SetTextColor(runtime::TColor color)
{
    if (color == textColor_)
        return;
    textColor_ = color;
    Changed();
}

void TTabPage::SetParentFont(bool parent)
{
    if (parent == ParentFont())
        return;
    if (parent)
        setFont(QFont()); // an empty font resolves to the parent's again
    else
        setFont(font());
    Changed();
}

QString TTabPage::Hint() const
{
    return runtime::Hint(this);
}

void TTabPage::SetHint(const QString& hint)
{
    runtime::SetHint(this, hint);
}

void TTabPage::mouseMoveEvent(QMouseEvent* event)
{
    if (auto* notebook = Notebook())
        notebook->PageMouseMove(this, event);
    else
        QWidget::mouseMoveEvent(event);
}

bool TTabPage::event(QEvent* event)
{
    if (event->type() == QEvent::ChildPolished) {
        // Qt drops mouse moves at a widget that does not track the mouse; a
        // label that tracks them and ignores them passes them on to the page.
        auto* child = static_cast<QChildEvent*>(event)->child();
        if (auto* label = qobject_cast<QLabel*>(child))
            label->setMouseTracking(true);
    }
    return QWidget::event(event);
}

void TTabPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Changed();
}

} // namespace quorvant::controls
