#pragma once
// Test double of the platform: answers from settable values and records every
// request (beeps, shell requests, message boxes, clipboard) for inspection.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quorvant::platform {

class RecordingPlatform : public Platform {
public:
    struct ShellRequest {
        WindowHandle parent;
        std::string verb, file, parameters, directory;
        int showCommand;
    };
    struct MessageBoxRecord {
        WindowHandle owner;
        std::string text, caption;
        MessageBoxIcon icon;
    };

    RecordingPlatform();

    std::string KnownConfigFolder() override { return configFolder; }
    std::string ProgramFilePath() override { return programFilePath; }
    std::string IntlValue(const std::string& key, const std::string& Default) override;
    std::intptr_t ShellExecute(WindowHandle parent, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               int showCommand) override;
    void MessageBeep() override { ++beeps; }
    std::string ClipboardText() override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    int CaretBlinkTime() override { return caretBlinkTime; }
    bool GetVersionEx(OsVersionInfo& info) override;
    bool ThemesEnabled() override { return themesEnabled; }
    void ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                        MessageBoxIcon icon) override;

    // Answers, settable by tests.
    std::string configFolder;
    std::string programFilePath = "/opt/quorvant/quorvant";
    std::map<std::string, std::string> intl; // missing keys give the caller's default
    std::intptr_t shellResult = 42;
    int caretBlinkTime = 530;
    bool versionQuerySucceeds = true;
    OsVersionInfo version{148, 6, 1, 7601, 2};
    bool themesEnabled = true;
    // Runs while a message box is "open" (the box is already recorded).
    std::function<void(const MessageBoxRecord&)> onMessageBox;

    // Records.
    int beeps = 0;
    std::string clipboard;
    std::vector<ShellRequest> shellRequests;
    std::vector<MessageBoxRecord> messageBoxes;
};

} // namespace quorvant::platform
