// Composition helpers against a fake "dwmapi.dll" in the library table.
#include <gtest/gtest.h>

#include "platform/uCompositionFuncs.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using namespace quorvant::platform;

namespace {

std::int32_t compositionAnswer = 1;
std::int32_t compositionStatus = 0;
int extendCalls = 0;
TMargins lastMargins;
WindowHandle lastWindow = nullptr;

std::int32_t FakeIsCompositionEnabled(std::int32_t* enabled)
{
    *enabled = compositionAnswer;
    return compositionStatus;
}

std::int32_t FakeExtendFrame(WindowHandle window, const TMargins* margins)
{
    ++extendCalls;
    lastWindow = window;
    lastMargins = *margins;
    return 0;
}

class Composition : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform_ = &quorvant::testing::FreshPlatform();
        compositionAnswer = 1;
        compositionStatus = 0;
        extendCalls = 0;
        lastMargins = {};
        platform_->Libraries().Register(
            "dwmapi.dll", {{"DwmIsCompositionEnabled", reinterpret_cast<void*>(&FakeIsCompositionEnabled)},
                           {"DwmExtendFrameIntoClientArea", reinterpret_cast<void*>(&FakeExtendFrame)}});
    }
    int Loads() const { return platform_->Libraries().TotalLoads("dwmapi.dll"); }
    RecordingPlatform* platform_ = nullptr;
};

TEST_F(Composition, MarginsAreMatchedByNameAndTheLibraryIsReleased)
{
    int window = 0;
    ExtendFrame(&window, TRect{1, 2, 3, 4});
    ASSERT_EQ(extendCalls, 1);
    EXPECT_EQ(lastWindow, &window);
    EXPECT_EQ(lastMargins.cxLeftWidth, 1);
    EXPECT_EQ(lastMargins.cxRightWidth, 3);
    EXPECT_EQ(lastMargins.cyTopHeight, 2);
    EXPECT_EQ(lastMargins.cyBottomHeight, 4);
    EXPECT_EQ(platform_->Libraries().LoadCount("dwmapi.dll"), 0) << "library left loaded";
    EXPECT_EQ(Loads(), 2) << "loaded once for the query and once for the call";
}

TEST_F(Composition, VersionFiveNeverLoadsTheLibrary)
{
    platform_->version.MajorVersion = 5;
    EXPECT_FALSE(IsOsVersion6OrLater());
    EXPECT_FALSE(IsCompositionEnabled());
    ExtendFrame(nullptr, TRect{0, 0, 0, 24});
    EXPECT_EQ(Loads(), 0);
    EXPECT_EQ(extendCalls, 0);
}

TEST_F(Composition, FailedVersionQueryCountsAsOlder)
{
    platform_->versionQuerySucceeds = false;
    EXPECT_FALSE(IsOsVersion6OrLater());
    EXPECT_FALSE(IsCompositionEnabled());
}

TEST_F(Composition, CompositionOffOrFailingQueryLeavesTheFrameAlone)
{
    compositionAnswer = 0;
    EXPECT_FALSE(IsCompositionEnabled());
    ExtendFrame(nullptr, TRect{0, 0, 0, 24});
    EXPECT_EQ(extendCalls, 0);

    compositionAnswer = 0x100; // only the low byte is the answer
    EXPECT_FALSE(IsCompositionEnabled());
    compositionAnswer = 1;
    compositionStatus = -2147467259; // the query itself failed
    EXPECT_FALSE(IsCompositionEnabled());
    EXPECT_EQ(platform_->Libraries().LoadCount("dwmapi.dll"), 0);
}

TEST_F(Composition, MissingLibraryOrEntryPointAnswersFalse)
{
    platform_->Libraries().RemoveEntryPoint("dwmapi.dll", "DwmIsCompositionEnabled");
    EXPECT_FALSE(IsCompositionEnabled());
    EXPECT_EQ(platform_->Libraries().LoadCount("dwmapi.dll"), 0);
    platform_->Libraries().Unregister("dwmapi.dll");
    EXPECT_FALSE(IsCompositionEnabled());
    ExtendFrame(nullptr, TRect{1, 2, 3, 4});
    EXPECT_EQ(extendCalls, 0);
}

} // namespace
