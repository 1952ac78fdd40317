#pragma once
// Desktop composition through "dwmapi.dll", loaded by name for each call
// and released again, so that the program runs unchanged where it is absent
// (always on Linux). Every failure answers false or does nothing.

#include <cstdint>

#include "platform/Platform.h"

namespace quorvant::platform {

// Ordered left, top, right, bottom.
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

// The composition call's own record, ordered left, right, top, bottom.
struct TMargins {
    std::int32_t cxLeftWidth = 0;
    std::int32_t cxRightWidth = 0;
    std::int32_t cyTopHeight = 0;
    std::int32_t cyBottomHeight = 0;
};

// Entry points of "dwmapi.dll"; results are status codes, negative on failure.
using DwmIsCompositionEnabledFunc = std::int32_t (*)(std::int32_t* enabled);
using DwmExtendFrameIntoClientAreaFunc = std::int32_t (*)(WindowHandle window, const TMargins* margins);

bool IsOsVersion6OrLater();
bool IsCompositionEnabled();
void ExtendFrame(WindowHandle Window, const TRect& Margins);

} // namespace quorvant::platform
