#include "platform/TFormObj.h"

#include <QEvent>
#include <QWidget>

#include "platform/UiRuntimeHooks.h"

namespace quorvant::platform {

TFormObj::TFormObj(QWidget* Form) : HookedForm(Form), alive_(Form)
{
    Form->installEventFilter(this);
}

bool TFormObj::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == HookedForm)
        HookWindowProc(event);
    return false; // the form's own handling stands
}

void TFormObj::HookWindowProc(QEvent* Message)
{
    if (Message->type() == UiStateEventType())
        RepaintPending = true;
}

void TFormObj::RepaintIfPending()
{
    if (!RepaintPending || alive_.isNull())
        return;
    RepaintPending = false;
    RepaintTree(HookedForm);
}

void TFormObj::RepaintTree(QWidget* Control)
{
    if (!Control || UiRuntimeHooks::IsNonWindowed(Control))
        return;
    // Qt paints child widgets that have no native window of their own within
    // their parent's repaint, so only windows and native children need a
    // repaint call of their own; the walk still visits the whole tree.
    if (Control->isWindow() || Control->testAttribute(Qt::WA_NativeWindow))
        Control->repaint();
    for (QObject* child : Control->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow())
            RepaintTree(w);
    }
}

} // namespace quorvant::platform
