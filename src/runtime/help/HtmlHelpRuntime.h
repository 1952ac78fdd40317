#pragma once
// Our help runtime, offered to the program under the help library's name.
// It opens compiled help files in THtmlHelpViewer windows.

#include <cstdint>

#include "platform/Platform.h"

namespace quorvant::runtime {

// Registers "hhctrl.ocx" with "HtmlHelpA" and "HtmlHelpW" in the platform's
// library table (replacing an earlier registration).
void RegisterHtmlHelpRuntime();

// The entry point behind both names. file is UTF-8 and may name a topic as
// "file.chm::/topic.htm". Returns the viewer window for display requests,
// null when nothing was shown.
std::intptr_t HtmlHelpRequest(platform::WindowHandle caller, const char* file, unsigned command,
                              std::intptr_t data);

} // namespace quorvant::runtime
