#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ProfileFile.h"
#include "platform/RecordingPlatform.h"
#include "support/TempFolder.h"
#include "worksheet/IniFile.h"
#include "worksheet/SettingsFile.h"

using namespace quorvant;
using quorvant::testing::ReadFile;
using quorvant::testing::TempFolder;
using quorvant::testing::WriteFile;

namespace {

const char* const DefaultFile =
    "[LastValues]\r\nPurchasePrice=120000\r\nDownPaymentPercent=10\r\nTerm=30\r\nInterest=6.75\r\n"
    "OriginationFees=1200\r\nPoints=1200\r\nPrepaidInterest=500\r\nMIP=500\r\nBuydown=0\r\n"
    "FloodCheck=50\r\nTaxService=50\r\nOther1=0\r\nOther2=0\r\n[GeneralValues]\r\nRun=1\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetPlatform(std::make_unique<platform::RecordingPlatform>()); }
    void TearDown() override { platform::SetPlatform(nullptr); }

    SettingsValues LoadText(const std::string& text)
    {
        WriteFile(path, text);
        return LoadSettings(path, '.');
    }

    TempFolder dir;
    std::string path = SettingsFilePath(dir.Path(), ProductSubfolderName);
    std::string folder = dir.Path() + "/Quorvant";
};

} // namespace

TEST_F(SettingsFileTest, PathIsBuiltWhole)
{
    EXPECT_EQ(dir.Path() + "/Quorvant/quorvant.ini", path);
    const std::string deep(300, 'd');
    EXPECT_EQ("/" + deep + "/Quorvant/quorvant.ini", SettingsFilePath("/" + deep, ProductSubfolderName));
}

TEST_F(SettingsFileTest, FirstRunWritesTheSixteenLinesAndCreatesTheFolder)
{
    const SettingsValues loaded = LoadSettings(path, '.');
    EXPECT_EQ(DefaultInputs(), loaded.LastValues);
    EXPECT_FALSE(loaded.Run);
    SaveSettings(path, {loaded.LastValues, true}, '.');
    EXPECT_EQ(DefaultFile, ReadFile(path));
    const SettingsValues again = LoadSettings(path, '.');
    EXPECT_EQ(DefaultInputs(), again.LastValues);
    EXPECT_TRUE(again.Run);
}

TEST_F(SettingsFileTest, BadValuesFallBackToTheirDefaultsOnly)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    const SettingsValues values = LoadText("[lastvalues]\nPoints=abc\nInterest=\nTerm=1e999\n"
                                           "MIP=" +
                                           std::string(100000, '7') +
                                           "\nPurchasePrice= 99000 \n"
                                           "TaxService=\"75\"\nBuydown=1\nBuydown=2\nOther2=1.5E-7\n");
    WorksheetInputs expected = DefaultInputs();
    expected.PurchasePrice = 99000;
    expected.TaxService = 75;
    expected.Buydown = 1; // the first of duplicate keys wins
    expected.Other2 = 1.5e-7;
    EXPECT_EQ(expected, values.LastValues); // MIP: cut at 2047 digits, far beyond the double range
    EXPECT_FALSE(values.Run);
}

TEST_F(SettingsFileTest, GarbageAndMissingSectionsReadAsDefaults)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 131 + 7) % 256);
    EXPECT_EQ(DefaultInputs(), LoadText(garbage).LastValues);
    EXPECT_EQ(DefaultInputs(), LoadText(std::string(1000, '\0')).LastValues);
    const SettingsValues onlyInterest = LoadText("[LastValues]\r\nInterest=7.5\r\n");
    WorksheetInputs expected = DefaultInputs();
    expected.Interest = 7.5;
    EXPECT_EQ(expected, onlyInterest.LastValues);
    EXPECT_EQ(DefaultInputs(), LoadText("[Other]\r\nInterest=7.5\r\n").LastValues);
}

TEST_F(SettingsFileTest, RunFlag)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    const struct {
        const char* line;
        bool run;
    } rows[] = {{"Run=1", true},    {"Run=0", false}, {"Run=", false},   {"Run=no", false},
                {"Run=0x10", true}, {"Run=-1", true}, {"Run=$0", false}, {"run = 7 ", true},
                {"Run=1.0", false}, {"", false}};
    for (const auto& row : rows)
        EXPECT_EQ(row.run, LoadText(std::string("[GeneralValues]\r\n") + row.line + "\r\n").Run) << row.line;
}

TEST_F(SettingsFileTest, SavingKeepsOtherSectionsAndTheOtherLocalesFileReadsAsDefaults)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    WriteFile(path, "[Window]\r\nLeft=10\r\n[LastValues]\r\nTerm=15\r\n");
    WorksheetInputs values = DefaultInputs();
    values.Interest = 6.5;
    SaveSettings(path, {values, true}, ',');
    const std::string text = ReadFile(path);
    EXPECT_EQ(0u, text.find("[Window]\r\nLeft=10\r\n[LastValues]\r\nTerm=30\r\nPurchasePrice=120000\r\n"));
    EXPECT_NE(std::string::npos, text.find("Interest=6,5\r\n"));
    EXPECT_EQ(6.75, LoadSettings(path, '.').LastValues.Interest);
    EXPECT_EQ(6.5, LoadSettings(path, ',').LastValues.Interest);
}

TEST_F(SettingsFileTest, FailedSaveNamesThePathAndKeepsTheOldFile)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    WriteFile(path, DefaultFile);
    WorksheetInputs values = DefaultInputs();
    values.Interest = 9;

    chmod(path.c_str(), 0444);
    try {
        SaveSettings(path, {values, true}, '.');
        FAIL() << "no error";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ("Unable to write to " + path, e.what());
    }
    EXPECT_EQ(DefaultFile, ReadFile(path));
    chmod(path.c_str(), 0644);

    chmod(folder.c_str(), 0555);
    EXPECT_THROW(SaveSettings(path, {values, true}, '.'), SettingsWriteError);
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(DefaultFile, ReadFile(path));

    // A failed folder lookup never writes under the root folder.
    EXPECT_THROW(SaveSettings(SettingsFilePath("", ProductSubfolderName), {values, true}, '.'),
                 SettingsWriteError);
}

TEST_F(SettingsFileTest, WritesReachTheFileOnlyTogetherWhenItIsUpdated)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    WriteFile(path, DefaultFile);
    IniFile file(path, '.');
    file.WriteReal("LastValues", "PurchasePrice", 5);
    file.WriteReal("LastValues", "Term", 7);
    EXPECT_EQ(DefaultFile, ReadFile(path));
    EXPECT_EQ(5, file.ReadReal("LastValues", "PurchasePrice", 0)); // the copy in memory has them

    chmod(path.c_str(), 0444);
    EXPECT_THROW(file.UpdateFile(), SettingsWriteError);
    chmod(path.c_str(), 0644);
    EXPECT_EQ(DefaultFile, ReadFile(path)); // neither value, not the first only

    file.UpdateFile();
    const SettingsValues saved = LoadSettings(path, '.');
    EXPECT_EQ(5, saved.LastValues.PurchasePrice);
    EXPECT_EQ(7, saved.LastValues.Term);
    EXPECT_EQ(10, saved.LastValues.DownPaymentPercent);
}

TEST_F(SettingsFileTest, ALargeFileIsReadAndRewrittenWholeWithEveryOtherLineKept)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    // 30 MB: other tools' sections before and after ours, LF and CR LF line
    // ends, NUL bytes, a last line without a line end.
    std::string before = "[Window]\r\nLeft=10\r\n";
    for (int i = 0; before.size() < 15'000'000; ++i)
        before += "Entry" + std::to_string(i) + "=" + std::string(40, 'a' + i % 26) + (i % 3 ? "\r\n" : "\n");
    std::string after = "[Recent]\n";
    for (int i = 0; after.size() < 15'000'000; ++i)
        after += "File" + std::to_string(i) + "=/home/user/" + std::string(30, i % 2 ? 'x' : '\0') + "\n";
    after += "tail without line end";
    WriteFile(path, before + "[LastValues]\r\nInterest=7.5\r\nTerm=15\n\r\n" + after);

    const SettingsValues loaded = LoadSettings(path, '.');
    EXPECT_EQ(7.5, loaded.LastValues.Interest);
    EXPECT_EQ(15, loaded.LastValues.Term);
    EXPECT_EQ(120000, loaded.LastValues.PurchasePrice);

    WorksheetInputs values = DefaultInputs();
    values.Interest = 6.5;
    SaveSettings(path, {values, true}, '.');
    const std::string expected =
        before +
        "[LastValues]\r\nInterest=6.5\r\nTerm=30\r\nPurchasePrice=120000\r\nDownPaymentPercent=10\r\n"
        "OriginationFees=1200\r\nPoints=1200\r\nPrepaidInterest=500\r\nMIP=500\r\nBuydown=0\r\n"
        "FloodCheck=50\r\nTaxService=50\r\nOther1=0\r\nOther2=0\r\n\r\n" +
        after + "\r\n[GeneralValues]\r\nRun=1\r\n";
    const std::string saved = ReadFile(path);
    // Compared without printing 30 MB on a failure: where they part, and a little of each.
    const auto parted = std::mismatch(expected.begin(), expected.end(), saved.begin(), saved.end());
    const auto at = static_cast<std::size_t>(parted.first - expected.begin());
    EXPECT_EQ(expected.size(), saved.size());
    EXPECT_EQ(expected.size(), at) << "first difference at byte " << at << ": expected \""
                                   << expected.substr(at, 60) << "\", saved \"" << saved.substr(at, 60)
                                   << "\"";
}

TEST_F(SettingsFileTest, AFileOverTheLimitIsNotReadAndTheSaveFailsWithoutTouchingIt)
{
    ASSERT_TRUE(platform::ThePlatform().ForceDirectories(folder));
    const std::string head = "[LastValues]\r\nInterest=7.5\r\n";
    WriteFile(path, head);
    ASSERT_EQ(0, truncate(path.c_str(), static_cast<off_t>(platform::MaxProfileFileSize) + 1));
    EXPECT_EQ(DefaultInputs(), LoadSettings(path, '.').LastValues);
    try {
        SaveSettings(path, {DefaultInputs(), true}, '.');
        FAIL() << "no error";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ("Unable to write to " + path, e.what());
    }
    struct stat st {};
    ASSERT_EQ(0, stat(path.c_str(), &st));
    EXPECT_EQ(static_cast<off_t>(platform::MaxProfileFileSize) + 1, st.st_size);
    EXPECT_EQ(head, ReadFile(path).substr(0, head.size()));
}
