#include "platform/uCompositionFuncs.h"

namespace quorvant::platform {

namespace {
constexpr const char* DwmLibrary = "dwmapi.dll";
} // namespace

bool IsOsVersion6OrLater()
{
    OsVersionInfo info;
    info.SizeOfRecord = 148;
    // A failed query is no version 6.
    return ThePlatform().GetVersionEx(info) && info.MajorVersion >= 6u;
}

bool IsCompositionEnabled()
{
    if (!IsOsVersion6OrLater())
        return false;
    LibraryTable& libraries = ThePlatform().Libraries();
    LibraryHandle library = libraries.LoadLibrary(DwmLibrary);
    if (!library)
        return false;
    bool answer = false;
    if (auto* entry = libraries.GetProcAddress(library, "DwmIsCompositionEnabled")) {
        std::int32_t enabled = 0; // stays false when the call reports failure
        const std::int32_t status = reinterpret_cast<DwmIsCompositionEnabledFunc>(entry)(&enabled);
        answer = status >= 0 && (enabled & 0xFF) != 0;
    }
    libraries.FreeLibrary(library);
    return answer;
}

void ExtendFrame(WindowHandle Window, const TRect& Margins)
{
    if (!IsOsVersion6OrLater() || !IsCompositionEnabled())
        return;
    LibraryTable& libraries = ThePlatform().Libraries();
    LibraryHandle library = libraries.LoadLibrary(DwmLibrary);
    if (!library)
        return;
    if (auto* entry = libraries.GetProcAddress(library, "DwmExtendFrameIntoClientArea")) {
        TMargins margins; // matched by name, not by position
        margins.cxLeftWidth = Margins.Left;
        margins.cxRightWidth = Margins.Right;
        margins.cyTopHeight = Margins.Top;
        margins.cyBottomHeight = Margins.Bottom;
        reinterpret_cast<DwmExtendFrameIntoClientAreaFunc>(entry)(Window, &margins);
    }
    libraries.FreeLibrary(library);
}

} // namespace quorvant::platform
