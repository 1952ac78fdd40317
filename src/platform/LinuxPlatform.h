#pragma once
// The platform on a Linux desktop, over Qt and the C library.

#include "platform/Platform.h"

namespace quorvant::platform {

class LinuxPlatform : public Platform {
public:
    LinuxPlatform();

    std::string KnownConfigFolder() override;
    std::string ProgramFilePath() override;
    std::string IntlValue(const std::string& key, const std::string& Default) override;
    std::intptr_t ShellExecute(WindowHandle parent, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               int showCommand) override;
    void MessageBeep() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    int CaretBlinkTime() override;
    bool GetVersionEx(OsVersionInfo& info) override;
    bool ThemesEnabled() override;
    void ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                        MessageBoxIcon icon) override;
};

} // namespace quorvant::platform
