#pragma once
// Numbers of the edit commands the key tables produce. The order is fixed:
// window descriptions and user tables store these numbers.

#include <cstdint>

namespace quorvant::controls {

enum TEntryCommand : std::uint16_t {
    ccNone,
    ccBack,
    ccBotOfPage,
    ccBotRightCell,
    ccCompleteDate,
    ccCompleteTime,
    ccCopy,
    ccCtrlChar,
    ccCut,
    ccDec,
    ccDel,
    ccDelBol,
    ccDelEol,
    ccDelLine,
    ccDelWord,
    ccDown,
    ccEnd,
    ccExtendDown,
    ccExtendEnd,
    ccExtendHome,
    ccExtendLeft,
    ccExtendPgDn,
    ccExtendPgUp,
    ccExtendRight,
    ccExtendUp,
    ccExtBotOfPage,
    ccExtFirstPage,
    ccExtLastPage,
    ccExtTopOfPage,
    ccExtWordLeft,
    ccExtWordRight,
    ccFirstPage,
    ccGotoMarker0,
    ccGotoMarker1,
    ccGotoMarker2,
    ccGotoMarker3,
    ccGotoMarker4,
    ccGotoMarker5,
    ccGotoMarker6,
    ccGotoMarker7,
    ccGotoMarker8,
    ccGotoMarker9,
    ccHome,
    ccInc,
    ccIns,
    ccLastPage,
    ccLeft,
    ccNewLine,
    ccNextPage,
    ccPageLeft,
    ccPageRight,
    ccPaste,
    ccPrevPage,
    ccRedo,
    ccRestore,
    ccRight,
    ccScrollDown,
    ccScrollUp,
    ccSetMarker0,
    ccSetMarker1,
    ccSetMarker2,
    ccSetMarker3,
    ccSetMarker4,
    ccSetMarker5,
    ccSetMarker6,
    ccSetMarker7,
    ccSetMarker8,
    ccSetMarker9,
    ccTab,
    ccTableEdit,
    ccTopLeftCell,
    ccTopOfPage,
    ccUndo,
    ccUp,
    ccWordLeft,
    ccWordRight,
    ccUserFirst = 256,
};

// Translation results that are not commands (outside the 16-bit range).
inline constexpr int ccNotCommand = -1;      // the key may produce a typed character
inline constexpr int ccSequencePending = -2; // first key of a two-key sequence
inline constexpr int ccSequenceBroken = -3;  // a key that completes no pending sequence

// Shift-state bits of table entries and translated keys.
inline constexpr std::uint8_t ssShift = 2;
inline constexpr std::uint8_t ssCtrl = 4;
inline constexpr std::uint8_t ssAlt = 8;
// Stored as the second key's shift state: accepts no shift or Ctrl only.
inline constexpr std::uint8_t ssNoneOrCtrl = 128;

} // namespace quorvant::controls
