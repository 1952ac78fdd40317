#include "controls/keys/TKeyCodes.h"

#include <QKeyEvent>

namespace quorvant::controls {

std::uint8_t TKeyCodes::FromQtKey(int key)
{
    if (key == 0)
        return 0;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<std::uint8_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::uint8_t>(vkF1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Shift:
        return vkShift;
    case Qt::Key_Control:
        return vkControl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return vkMenu;
    case Qt::Key_Pause:
        return vkPause;
    case Qt::Key_CapsLock:
        return vkCapital;
    case Qt::Key_Escape:
        return vkEscape;
    case Qt::Key_Space:
        return vkSpace;
    case Qt::Key_PageUp:
        return vkPrior;
    case Qt::Key_PageDown:
        return vkNext;
    case Qt::Key_End:
        return vkEnd;
    case Qt::Key_Home:
        return vkHome;
    case Qt::Key_Left:
        return vkLeft;
    case Qt::Key_Up:
        return vkUp;
    case Qt::Key_Right:
        return vkRight;
    case Qt::Key_Down:
        return vkDown;
    case Qt::Key_Insert:
        return vkInsert;
    case Qt::Key_Delete:
        return vkDelete;
    case Qt::Key_NumLock:
        return vkNumLock;
    case Qt::Key_ScrollLock:
        return vkScroll;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return vkLWin;
    case Qt::Key_Menu:
        return vkApps;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return vkOemPlus;
    case Qt::Key_Comma:
        return vkOemComma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return vkOemMinus;
    case Qt::Key_Period:
        return vkOemPeriod;
    default:
        return vkOther;
    }
}

std::uint8_t TKeyCodes::ShiftState(Qt::KeyboardModifiers modifiers)
{
    std::uint8_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 2;
    if (modifiers & Qt::ControlModifier)
        state |= 4;
    if (modifiers & Qt::AltModifier)
        state |= 8;
    return state;
}

std::uint8_t TKeyCodes::FromEvent(const QKeyEvent& event)
{
    return FromQtKey(event.key());
}

bool TKeyCodes::IsLockOrShiftKey(std::uint8_t key)
{
    return (key >= vkShift && key <= vkMenu) || key == vkCapital || key == vkNumLock || key == vkScroll;
}

} // namespace quorvant::controls
