#pragma once
// A main window over the recording platform: a private config folder, the
// program in /opt/quorvant/, and a help runtime that records its requests.
#include <QApplication>
#include <QTest>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "app/TfrmMain.h"
#include "runtime/help/HtmlHelpApi.h"
#include "support/TempFolder.h"
#include "support/TestPlatform.h"

namespace quorvant::testing {

class MainWindowFixture : public ::testing::Test {
protected:
    struct HelpCall {
        unsigned command;
        std::intptr_t data;
    };
    static inline std::vector<HelpCall> helpCalls;

    void SetUp() override
    {
        auto& os = FreshPlatform();
        os.configFolder = folder.Path();
        os.programFilePath = "/opt/quorvant/quorvant";
        helpCalls.clear();
        os.Libraries().Register(runtime::HtmlHelpLibrary,
                                {{runtime::HtmlHelpEntryA, reinterpret_cast<void*>(&RecordHelp)},
                                 {runtime::HtmlHelpEntryW, reinterpret_cast<void*>(&RecordHelp)}});
    }
    void TearDown() override
    {
        if (form)
            form->Free();
    }

    std::string SettingsPath() const { return folder / "Quorvant/quorvant.ini"; }
    void WriteSettings(const std::string& text)
    {
        ::mkdir((folder / "Quorvant").c_str(), 0755);
        WriteFile(SettingsPath(), text);
    }
    app::TfrmMain& Open()
    {
        form = new app::TfrmMain;
        form->show();
        QApplication::setActiveWindow(form);
        // The program's activation work (focus to the first field) waits for
        // the window to be active; let it run before a test moves the focus.
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        QApplication::processEvents();
        return *form;
    }
    bool HelpContextShown(int context) const
    {
        for (const auto& call : helpCalls)
            if (call.command == runtime::HH_HELP_CONTEXT && call.data == context)
                return true;
        return false;
    }

    TempFolder folder;
    app::TfrmMain* form = nullptr;

private:
    static std::intptr_t RecordHelp(platform::WindowHandle, const char*, unsigned command, std::intptr_t data)
    {
        helpCalls.push_back({command, data});
        return 1;
    }
};

} // namespace quorvant::testing
