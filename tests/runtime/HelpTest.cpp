// Help requests reach the help runtime registered as "hhctrl.ocx" with the
// mapped commands; without it (or one of its entry points) nothing happens.
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "runtime/TApplication.h"
#include "runtime/TForm.h"
#include "runtime/help/HtmlHelpApi.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::runtime;

namespace {

struct Call {
    void* caller;
    std::string file;
    unsigned command;
    std::intptr_t data;
};
std::vector<Call> calls;
std::vector<Call> wideCalls;

std::intptr_t FakeHelpA(platform::WindowHandle caller, const char* file, unsigned command, std::intptr_t data)
{
    calls.push_back({caller, file ? file : "<null>", command, data});
    return 1;
}

std::intptr_t FakeHelpW(platform::WindowHandle caller, const char* file, unsigned command, std::intptr_t data)
{
    wideCalls.push_back({caller, file ? file : "<null>", command, data});
    return 1;
}

class Help : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform_ = &quorvant::testing::FreshPlatform();
        calls.clear();
        wideCalls.clear();
        Application().HelpFile = "/opt/quorvant/quorvantcalc.chm";
    }
    void TearDown() override { Application().HelpFile.clear(); }
    void RegisterRuntime(bool withA = true, bool withW = true)
    {
        platform::LibraryTable::EntryPoints entries;
        if (withA)
            entries[HtmlHelpEntryA] = reinterpret_cast<void*>(&FakeHelpA);
        if (withW)
            entries[HtmlHelpEntryW] = reinterpret_cast<void*>(&FakeHelpW);
        platform_->Libraries().Register(HtmlHelpLibrary, entries);
    }
    platform::RecordingPlatform* platform_ = nullptr;
};

TEST_F(Help, CommandsMapOntoTheRuntimeAndInitialiseOnce)
{
    RegisterRuntime();
    TForm main;
    Application().SetMainForm(&main);
    EXPECT_TRUE(Application().HelpCommand(HELP_CONTENTS, 0));
    EXPECT_TRUE(Application().HelpContext(10000));
    EXPECT_TRUE(Application().HelpCommand(HELP_QUIT, 0));
    Application().SetMainForm(nullptr);

    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].command, HH_INITIALIZE);
    EXPECT_EQ(calls[1].command, HH_DISPLAY_TOPIC);
    EXPECT_EQ(calls[1].data, 0);
    EXPECT_EQ(calls[1].file, "/opt/quorvant/quorvantcalc.chm");
    EXPECT_EQ(calls[1].caller, static_cast<QWidget*>(&main));
    EXPECT_EQ(calls[2].command, HH_HELP_CONTEXT);
    EXPECT_EQ(calls[2].data, 10000);
    EXPECT_EQ(calls[3].command, HH_CLOSE_ALL);
    EXPECT_EQ(calls[3].data, 0);
    EXPECT_TRUE(wideCalls.empty()) << "the first entry point is the one used";
    EXPECT_EQ(platform_->Libraries().TotalLoads(HtmlHelpLibrary), 1);
}

TEST_F(Help, MissingRuntimeOrEntryPointDoesNothing)
{
    EXPECT_FALSE(Application().HelpCommand(HELP_CONTENTS, 0));
    RegisterRuntime(true, false);
    EXPECT_FALSE(Application().HelpContext(10000));
    RegisterRuntime(false, true);
    EXPECT_FALSE(Application().HelpCommand(HELP_QUIT, 0));
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(wideCalls.empty());
    EXPECT_TRUE(platform_->messageBoxes.empty());
    EXPECT_EQ(platform_->Libraries().LoadCount(HtmlHelpLibrary), 0) << "a refused library stays loaded";
}

TEST_F(Help, NoHelpFileOrUnknownCommandDoesNothing)
{
    RegisterRuntime();
    Application().HelpFile.clear();
    EXPECT_FALSE(Application().HelpCommand(HELP_CONTENTS, 0));
    Application().HelpFile = "x.chm";
    EXPECT_FALSE(Application().HelpCommand(0x7777, 0));
    EXPECT_TRUE(calls.empty());
}

} // namespace
