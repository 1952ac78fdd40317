#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "platform/LinuxPlatform.h"
#include "support/TempFolder.h"

using quorvant::platform::LinuxPlatform;

namespace {

// Sets or clears an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_.empty() ? unsetenv(name_) : setenv(name_, old_.c_str(), 1); }

private:
    const char* name_;
    std::string old_;
};

} // namespace

TEST(KnownFolder, ConfigHomeIsUsedWholeWithoutTrailingSeparator)
{
    LinuxPlatform platform;
    const std::string deep = "/tmp/" + std::string(200, 'x') + "/cfg";
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", (deep + "//").c_str());
        EXPECT_EQ(deep, platform.KnownConfigFolder());
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/path"); // not absolute: ignored
        ScopedEnv home("HOME", "/home/someone");
        EXPECT_EQ("/home/someone/.config", platform.KnownConfigFolder());
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        ScopedEnv home("HOME", "/home/other/");
        EXPECT_EQ("/home/other/.config", platform.KnownConfigFolder());
    }
}

TEST(KnownFolder, MissingFoldersAreCreated)
{
    quorvant::testing::TempFolder dir;
    LinuxPlatform platform;
    EXPECT_TRUE(platform.ForceDirectories(dir / "a/b/Quorvant"));
    EXPECT_TRUE(platform.ForceDirectories(dir / "a/b/Quorvant"));
    quorvant::testing::WriteFile(dir / "file", "x");
    EXPECT_FALSE(platform.ForceDirectories(dir / "file/sub"));
}

TEST(RegionalSettings, FollowTheUserLocale)
{
    LinuxPlatform platform;
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no decimal-comma locale installed (scripts/bootstrap makes one)";
    EXPECT_EQ(",", platform.IntlValue("sDecimal", "."));
    EXPECT_EQ(".", platform.IntlValue("sThousand", ","));
    EXPECT_EQ(',', platform.DecimalSeparator());
    EXPECT_EQ(";", platform.IntlValue("sList", ","));
    EXPECT_EQ("3", platform.IntlValue("iCurrency", "0")); // 1 234,50 €
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ("?", platform.IntlValue("sDecimal", "?")); // no regional choice: the defaults
    EXPECT_EQ(",", platform.IntlValue("sThousand", ","));
    EXPECT_EQ('.', platform.DecimalSeparator());
    EXPECT_EQ("dflt", platform.IntlValue("sUnknown", "dflt"));
    std::setlocale(LC_ALL, previous.c_str());
}

// The separators as the C library gives them, whole characters in UTF-8;
// an empty thousands separator is passed on empty, never as a default.
TEST(RegionalSettings, SeparatorsOfRealLocales)
{
    const struct {
        const char* locale;
        const char* decimal;
        const char* thousands;
        char file;
    } rows[] = {
        {"pt_PT.UTF-8", ",", "", ','},       {"fr_FR.UTF-8", ",", "\u202f", ','}, // narrow no-break space
        {"de_CH.UTF-8", ".", "\u2019", '.'},                                      // right single quote
        {"de_DE.UTF-8", ",", ".", ','},      {"C.UTF-8", "?", "?", '.'},          {"POSIX", "?", "?", '.'},
    };
    LinuxPlatform platform;
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    for (const auto& r : rows) {
        if (!std::setlocale(LC_ALL, r.locale)) {
            ADD_FAILURE() << r.locale << " is not generated (scripts/bootstrap makes it)";
            continue;
        }
        EXPECT_EQ(r.decimal, platform.IntlValue("sDecimal", "?")) << r.locale;
        EXPECT_EQ(r.thousands, platform.IntlValue("sThousand", "?")) << r.locale;
        EXPECT_EQ(r.file, platform.DecimalSeparator()) << r.locale;
    }
    std::setlocale(LC_ALL, previous.c_str());
}
