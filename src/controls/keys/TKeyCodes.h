#pragma once
// The key codes the tables are written in (the classic desktop virtual-key
// numbering) and their derivation from Qt's key events.

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace quorvant::controls {

class TKeyCodes {
public:
    static constexpr std::uint8_t vkBack = 8, vkTab = 9, vkReturn = 13, vkShift = 16, vkControl = 17,
                                  vkMenu = 18, vkPause = 19, vkCapital = 20, vkEscape = 27, vkSpace = 32,
                                  vkPrior = 33, vkNext = 34, vkEnd = 35, vkHome = 36, vkLeft = 37, vkUp = 38,
                                  vkRight = 39, vkDown = 40, vkInsert = 45, vkDelete = 46, vkF1 = 112,
                                  vkF2 = 113, vkNumLock = 144, vkScroll = 145, vkLWin = 91, vkApps = 93,
                                  vkOemPlus = 187, vkOemComma = 188, vkOemMinus = 189, vkOemPeriod = 190,
                                  vkOther = 229;

    // 0 only for "no key"; keys without a classic code map to vkOther so
    // that the characters they type still arrive.
    static std::uint8_t FromQtKey(int key);
    // Shift 2, Ctrl 4, Alt 8.
    static std::uint8_t ShiftState(Qt::KeyboardModifiers modifiers);
    static std::uint8_t FromEvent(const QKeyEvent& event);
    // Shift, Ctrl, Alt, Caps Lock, Num Lock, Scroll Lock by themselves.
    static bool IsLockOrShiftKey(std::uint8_t key);
};

} // namespace quorvant::controls
