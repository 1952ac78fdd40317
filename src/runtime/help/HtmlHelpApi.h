#pragma once
// The help runtime's entry point as it sits in the library table under
// "hhctrl.ocx" ("HtmlHelpA" and "HtmlHelpW"), and the commands the program
// sends it. The application's HelpCommand/HelpContext map onto these.

#include <cstdint>

#include "platform/Platform.h"

namespace quorvant::runtime {

using HtmlHelpFunc = std::intptr_t (*)(platform::WindowHandle caller, const char* file, unsigned command,
                                       std::intptr_t data);

inline constexpr const char* HtmlHelpLibrary = "hhctrl.ocx";
inline constexpr const char* HtmlHelpEntryA = "HtmlHelpA";
inline constexpr const char* HtmlHelpEntryW = "HtmlHelpW";

inline constexpr unsigned HH_DISPLAY_TOPIC = 0x0000;
inline constexpr unsigned HH_HELP_CONTEXT = 0x000F;
inline constexpr unsigned HH_CLOSE_ALL = 0x0012;
inline constexpr unsigned HH_INITIALIZE = 0x001C;
inline constexpr unsigned HH_UNINITIALIZE = 0x001D;

// Framework help commands (Application().HelpCommand).
inline constexpr int HELP_CONTEXT = 0x0001;
inline constexpr int HELP_QUIT = 0x0002;
inline constexpr int HELP_CONTENTS = 0x0003;
inline constexpr int HELP_FINDER = 0x000B;

} // namespace quorvant::runtime
