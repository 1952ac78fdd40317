#include "controls/keys/TCommandTable.h"

#include <algorithm>

#include "controls/keys/CommandErrors.h"
#include "controls/keys/EntryCommands.h"
#include "controls/keys/TKeyCodes.h"

namespace quorvant::controls {

TCommandTable::TCommandTable(std::string name, bool active, std::vector<TKeyBinding> entries)
    : name_(std::move(name)), active_(active), entries_(std::move(entries))
{
}

void TCommandTable::AddCommand(const TKeyBinding& entry)
{
    const bool taken = std::any_of(entries_.begin(), entries_.end(), [&](const TKeyBinding& e) {
        return e.Key1 == entry.Key1 && e.Shift1 == entry.Shift1 && e.Key2 == entry.Key2 &&
               e.Shift2 == entry.Shift2;
    });
    if (taken)
        throw EDuplicateCommand();
    entries_.push_back(entry);
}

namespace {

using K = TKeyCodes;

TKeyBinding One(std::uint8_t key, std::uint8_t shift, std::uint16_t command)
{
    return {key, shift, 0, 0, command};
}

TKeyBinding Two(std::uint8_t key1, std::uint8_t shift1, std::uint8_t key2, std::uint16_t command)
{
    return {key1, shift1, key2, ssNoneOrCtrl, command};
}

constexpr std::uint8_t S = ssShift, C = ssCtrl, A = ssAlt, CS = ssCtrl | ssShift;

} // namespace

TCommandTable TCommandTable::DefaultTable()
{
    std::vector<TKeyBinding> e = {
        One(K::vkLeft, 0, ccLeft),
        One(K::vkRight, 0, ccRight),
        One(K::vkLeft, C, ccWordLeft),
        One(K::vkRight, C, ccWordRight),
        One(K::vkHome, 0, ccHome),
        One(K::vkEnd, 0, ccEnd),
        One(K::vkDelete, 0, ccDel),
        One(K::vkBack, 0, ccBack),
        One(K::vkBack, S, ccBack),
        One(K::vkPrior, C, ccTopOfPage),
        One(K::vkNext, C, ccBotOfPage),
        One(K::vkInsert, 0, ccIns),
        One('Z', C, ccUndo),
        One(K::vkBack, A, ccRestore),
        One(K::vkUp, 0, ccUp),
        One(K::vkDown, 0, ccDown),
        One(K::vkReturn, C, ccNewLine),
        One(K::vkLeft, S, ccExtendLeft),
        One(K::vkRight, S, ccExtendRight),
        One(K::vkHome, S, ccExtendHome),
        One(K::vkEnd, S, ccExtendEnd),
        One(K::vkLeft, CS, ccExtWordLeft),
        One(K::vkRight, CS, ccExtWordRight),
        One(K::vkPrior, S, ccExtendPgUp),
        One(K::vkNext, S, ccExtendPgDn),
        One(K::vkUp, S, ccExtendUp),
        One(K::vkDown, S, ccExtendDown),
        One(K::vkHome, CS, ccExtFirstPage),
        One(K::vkEnd, CS, ccExtLastPage),
        One(K::vkPrior, CS, ccExtTopOfPage),
        One(K::vkNext, CS, ccExtBotOfPage),
        One(K::vkDelete, S, ccCut),
        One('X', C, ccCut),
        One(K::vkInsert, C, ccCopy),
        One('C', C, ccCopy),
        One(K::vkInsert, S, ccPaste),
        One('V', C, ccPaste),
        One(K::vkPrior, 0, ccPrevPage),
        One(K::vkNext, 0, ccNextPage),
        One(K::vkHome, C, ccFirstPage),
        One(K::vkEnd, C, ccLastPage),
        One(K::vkTab, 0, ccTab),
        One(K::vkTab, C, ccTab),
        One('Z', CS, ccRedo),
    };
    for (int i = 0; i < 10; ++i)
        e.push_back(
            One(static_cast<std::uint8_t>('0' + i), C, static_cast<std::uint16_t>(ccGotoMarker0 + i)));
    for (int i = 0; i < 10; ++i)
        e.push_back(
            One(static_cast<std::uint8_t>('0' + i), CS, static_cast<std::uint16_t>(ccSetMarker0 + i)));
    return TCommandTable("Default", true, std::move(e));
}

TCommandTable TCommandTable::WordStarTable()
{
    std::vector<TKeyBinding> e = {
        One('S', C, ccLeft),        One('D', C, ccRight),        One('E', C, ccUp),
        One('X', C, ccDown),        One('R', C, ccPrevPage),     One('C', C, ccNextPage),
        One('W', C, ccScrollUp),    One('Z', C, ccScrollDown),   One('A', C, ccWordLeft),
        One('F', C, ccWordRight),   Two('Q', C, 'S', ccHome),    Two('Q', C, 'D', ccEnd),
        One('G', C, ccDel),         One('H', C, ccBack),         One('Y', C, ccDelLine),
        Two('Q', C, 'Y', ccDelEol), One('V', C, ccIns),          One('T', C, ccDelWord),
        One('P', C, ccCtrlChar),    Two('Q', C, 'L', ccRestore),
    };
    for (int i = 0; i < 10; ++i)
        e.push_back(
            Two('Q', C, static_cast<std::uint8_t>('0' + i), static_cast<std::uint16_t>(ccGotoMarker0 + i)));
    for (int i = 0; i < 10; ++i)
        e.push_back(
            Two('K', C, static_cast<std::uint8_t>('0' + i), static_cast<std::uint16_t>(ccSetMarker0 + i)));
    return TCommandTable("WordStar", false, std::move(e));
}

TCommandTable TCommandTable::GridTable()
{
    return TCommandTable("Grid", false,
                         {
                             One(K::vkLeft, 0, ccLeft),
                             One(K::vkRight, 0, ccRight),
                             One(K::vkLeft, C, ccPageLeft),
                             One(K::vkRight, C, ccPageRight),
                             One(K::vkHome, 0, ccHome),
                             One(K::vkEnd, 0, ccEnd),
                             One(K::vkDelete, 0, ccDel),
                             One(K::vkBack, 0, ccBack),
                             One(K::vkNext, C, ccBotOfPage),
                             One(K::vkPrior, C, ccTopOfPage),
                             One(K::vkInsert, 0, ccIns),
                             One('Z', C, ccRestore),
                             One(K::vkUp, 0, ccUp),
                             One(K::vkDown, 0, ccDown),
                             One(K::vkLeft, S, ccExtendLeft),
                             One(K::vkRight, S, ccExtendRight),
                             One(K::vkHome, S, ccExtendHome),
                             One(K::vkEnd, S, ccExtendEnd),
                             One(K::vkLeft, CS, ccExtWordLeft),
                             One(K::vkRight, CS, ccExtWordRight),
                             One(K::vkPrior, S, ccExtendPgUp),
                             One(K::vkNext, S, ccExtendPgDn),
                             One(K::vkUp, S, ccExtendUp),
                             One(K::vkDown, S, ccExtendDown),
                             One(K::vkHome, CS, ccExtFirstPage),
                             One(K::vkEnd, CS, ccExtLastPage),
                             One(K::vkPrior, CS, ccExtTopOfPage),
                             One(K::vkNext, CS, ccExtBotOfPage),
                             One('X', C, ccCut),
                             One('C', C, ccCopy),
                             One('V', C, ccPaste),
                             One(K::vkPrior, 0, ccPrevPage),
                             One(K::vkHome, C, ccFirstPage),
                             One(K::vkNext, 0, ccNextPage),
                             One(K::vkEnd, C, ccLastPage),
                             One(K::vkUp, C, ccTopLeftCell),
                             One(K::vkDown, C, ccBotRightCell),
                             One(K::vkF2, 0, ccTableEdit),
                         });
}

} // namespace quorvant::controls
