#include "runtime/ControlProperties.h"

#include <QVariant>
#include <QWidget>

namespace quorvant::runtime {

namespace {
constexpr const char* HintKey = "Hint";
constexpr const char* ShowHintKey = "ShowHint";
constexpr const char* ParentShowHintKey = "ParentShowHint";
constexpr const char* CuesKey = "quorvantKeyboardCues";
} // namespace

void SetHint(QWidget* control, const QString& hint)
{
    control->setProperty(HintKey, hint);
}

QString Hint(const QWidget* control)
{
    return control->property(HintKey).toString();
}

QString GetShortHint(const QString& hint)
{
    const auto bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString& hint)
{
    const auto bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetShowHint(QWidget* control, bool show)
{
    control->setProperty(ShowHintKey, show);
    control->setProperty(ParentShowHintKey, false);
}

void SetParentShowHint(QWidget* control, bool parent)
{
    control->setProperty(ParentShowHintKey, parent);
}

// A control whose own ShowHint was set (as a window description does) no
// longer takes its parent's.
bool ParentShowHint(const QWidget* control)
{
    const QVariant v = control->property(ParentShowHintKey);
    if (v.isValid())
        return v.toBool();
    return !control->property(ShowHintKey).isValid();
}

bool ShowHint(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (!ParentShowHint(w) || w->isWindow())
            return w->property(ShowHintKey).toBool();
    }
    return false;
}

void SetTabStop(QWidget* control, bool tabStop)
{
    if (control->focusPolicy() == Qt::NoFocus)
        return; // a control that never takes the focus stays so
    control->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TabStop(const QWidget* control)
{
    return (control->focusPolicy() & Qt::TabFocus) != 0;
}

bool KeyboardCuesVisible(const QWidget* control)
{
    const QWidget* form = control ? control->window() : nullptr;
    // A drop-down or pop-up menu shows the cues of the form it belongs to.
    while (form && form->windowType() == Qt::Popup && form->parentWidget())
        form = form->parentWidget()->window();
    return form && form->property(CuesKey).toBool();
}

void SetKeyboardCuesVisible(QWidget* form, bool visible)
{
    form->setProperty(CuesKey, visible);
}

} // namespace quorvant::runtime
