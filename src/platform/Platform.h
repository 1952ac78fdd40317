#pragma once
// The one place that touches the operating system. Everything else asks
// ThePlatform(); tests install a recording double instead of the Linux one.
// This header is deliberately free of Qt so that the worksheet can use it.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/LibraryTable.h"

namespace quorvant::platform {

// Opaque window reference (a QWidget* on Linux); null means "no window".
using WindowHandle = void*;

// The basic operating-system version record.
struct OsVersionInfo {
    std::uint32_t SizeOfRecord = 148;
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
    std::uint32_t BuildNumber = 0;
    std::uint32_t PlatformId = 0;
};

enum class MessageBoxIcon { None, Information, Error, Warning };

// Show commands of the shell's open request.
inline constexpr int SwShowNormal = 1;
inline constexpr int SwShowMinimized = 6;
inline constexpr int SwRestore = 9;

class Platform {
public:
    Platform();
    virtual ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // The per-user configuration folder, without a trailing separator;
    // empty when it cannot be determined.
    virtual std::string KnownConfigFolder() = 0;
    // Full path of the running program file.
    virtual std::string ProgramFilePath() = 0;
    // Creates a folder and its parents; true when it exists afterwards.
    virtual bool ForceDirectories(const std::string& path);

    // A key of the regional "intl" settings ("sDecimal", "sThousand",
    // "iCurrDigits", "iNegCurr", "sList", "sCurrency", "iCurrency"), text
    // in UTF-8; Default when the key is unknown or the user has no regional
    // settings. An empty "sThousand" means the user groups no digits.
    virtual std::string IntlValue(const std::string& key, const std::string& Default) = 0;
    // The decimal separator the user's numbers are written with, the one
    // the entry fields show; "." when the user's is no single-byte character.
    char DecimalSeparator();

    // Shell "open": a result above 32 means success.
    virtual std::intptr_t ShellExecute(WindowHandle parent, const std::string& verb, const std::string& file,
                                       const std::string& parameters, const std::string& directory,
                                       int showCommand) = 0;
    virtual void MessageBeep() = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // Caret flash period in milliseconds.
    virtual int CaretBlinkTime() = 0;

    // false when the query fails.
    virtual bool GetVersionEx(OsVersionInfo& info) = 0;
    virtual bool ThemesEnabled() = 0;

    // Modal message box with one OK button; returns when it is answered.
    virtual void ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                                MessageBoxIcon icon) = 0;

    // Named libraries and their entry points ("dwmapi.dll", "hhctrl.ocx").
    LibraryTable& Libraries() { return libraries_; }

private:
    LibraryTable libraries_;
};

// The process's platform. Aborts with a message when none is installed.
Platform& ThePlatform();
bool HasPlatform();
// Installs a platform and returns the previous one (may be null).
std::unique_ptr<Platform> SetPlatform(std::unique_ptr<Platform> platform);

} // namespace quorvant::platform
