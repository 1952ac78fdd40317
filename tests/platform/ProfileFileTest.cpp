#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/ProfileFile.h"
#include "support/TempFolder.h"

using namespace quorvant::platform;
using quorvant::testing::ReadFile;
using quorvant::testing::TempFolder;
using quorvant::testing::WriteFile;

TEST(ProfileFile, ReadingMatchesWithoutCaseAndStripsBlanksAndQuotes)
{
    TempFolder dir;
    const std::string path = dir / "a.ini";
    WriteFile(path, "[Sect]\nKey =  value one  \nQ=\"quoted \"\nS=' single '\nHalf=\"open\n"
                    "dup=first\ndup=second\n[other]\nKey=elsewhere\n");
    EXPECT_EQ("value one", GetPrivateProfileString("sect", "KEY", "d", path));
    EXPECT_EQ("quoted ", GetPrivateProfileString("Sect", "q", "d", path));
    EXPECT_EQ(" single ", GetPrivateProfileString("Sect", "S", "d", path));
    EXPECT_EQ("\"open", GetPrivateProfileString("Sect", "Half", "d", path));
    EXPECT_EQ("first", GetPrivateProfileString("Sect", "dup", "d", path));
    EXPECT_EQ("elsewhere", GetPrivateProfileString("OTHER", "key", "d", path));
    EXPECT_EQ("d", GetPrivateProfileString("Sect", "missing", "d", path));
    EXPECT_EQ("d", GetPrivateProfileString("none", "Key", "d", path));
    EXPECT_EQ("d", GetPrivateProfileString("Sect", "Key", "d", dir / "missing.ini"));
}

TEST(ProfileFile, LongValuesAreCut)
{
    TempFolder dir;
    const std::string path = dir / "a.ini";
    WriteFile(path, "[s]\r\nk=" + std::string(100000, 'x') + "\r\n");
    EXPECT_EQ(std::string(2047, 'x'), GetPrivateProfileString("s", "k", "", path));
}

TEST(ProfileFile, WritingKeepsPlacesAndAppendsNewOnes)
{
    TempFolder dir;
    const std::string path = dir / "a.ini";
    WriteFile(path, "; note\n[General]\nkeep=1\n\n[LastValues]\nb=2\nA=1\n\n[Tail]\nz=9\n");
    ASSERT_TRUE(WritePrivateProfileString("lastvalues", "a", "10", path));
    ASSERT_TRUE(WritePrivateProfileString("LastValues", "C", "3", path));
    ASSERT_TRUE(WritePrivateProfileString("New", "k", "v", path));
    EXPECT_EQ(
        "; note\r\n[General]\r\nkeep=1\r\n\r\n[LastValues]\r\nb=2\r\na=10\r\nC=3\r\n\r\n[Tail]\r\nz=9\r\n"
        "[New]\r\nk=v\r\n",
        ReadFile(path));
}

TEST(ProfileFile, ValuesCannotForgeLines)
{
    TempFolder dir;
    const std::string path = dir / "a.ini";
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "1\r\n[evil]\r\nx=2", path));
    EXPECT_EQ("d", GetPrivateProfileString("evil", "x", "d", path));
}

TEST(ProfileFile, FailedWritesLeaveTheFileAlone)
{
    TempFolder dir;
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir / "missing/a.ini"));

    const std::string path = dir / "a.ini";
    WriteFile(path, "[s]\r\nk=old\r\n");
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "new", path));
    EXPECT_EQ("[s]\r\nk=old\r\n", ReadFile(path));
    chmod(path.c_str(), 0644);

    chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "new", path));
    chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ("[s]\r\nk=old\r\n", ReadFile(path));

    // A folder where the file should be.
    mkdir((dir / "b.ini").c_str(), 0755);
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir / "b.ini"));
    EXPECT_EQ("d", GetPrivateProfileString("s", "k", "d", dir / "b.ini"));
}

TEST(ProfileFile, WritesGoThroughALinkAndKeepTheMode)
{
    TempFolder dir;
    const std::string real = dir / "real.ini";
    WriteFile(real, "[s]\r\nk=1\r\n");
    chmod(real.c_str(), 0600);
    symlink(real.c_str(), (dir / "link.ini").c_str());
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "2", dir / "link.ini"));
    EXPECT_EQ("2", GetPrivateProfileString("s", "k", "", real));
    struct stat st {};
    lstat((dir / "link.ini").c_str(), &st);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    stat(real.c_str(), &st);
    EXPECT_EQ(0600u, st.st_mode & 0777);

    // A link to itself reads as empty and is replaced by a real file.
    symlink("loop.ini", (dir / "loop.ini").c_str());
    EXPECT_EQ("d", GetPrivateProfileString("s", "k", "d", dir / "loop.ini"));
    EXPECT_TRUE(WritePrivateProfileString("s", "k", "3", dir / "loop.ini"));
    EXPECT_EQ("3", GetPrivateProfileString("s", "k", "d", dir / "loop.ini"));
}

TEST(ProfileFile, HostileFilesReadAsEmptyAtOnce)
{
    TempFolder dir;
    const std::string fifo = dir / "fifo.ini";
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600)); // no writer: a blocking open would never return
    EXPECT_EQ("d", GetPrivateProfileString("s", "k", "d", fifo));
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", fifo));

    symlink("/dev/zero", (dir / "zero.ini").c_str()); // endless
    EXPECT_EQ("d", GetPrivateProfileString("s", "k", "d", dir / "zero.ini"));

    mkdir((dir / "folder.ini").c_str(), 0700);
    EXPECT_EQ("d", GetPrivateProfileString("s", "k", "d", dir / "folder.ini"));
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir / "folder.ini"));

    // Over the limit: empty, although the key is on the first line.
    const std::string huge = dir / "huge.ini";
    WriteFile(huge, "[s]\r\nk=1\r\n" + std::string(MaxProfileFileSize, 'x'));
    EXPECT_EQ("d", GetPrivateProfileString("s", "k", "d", huge));
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "2", huge));
    EXPECT_EQ("[s]\r\nk=2\r\n", ReadFile(huge));
    // At the limit: read whole.
    std::string full = "[s]\r\nk=1\r\n";
    full += std::string(MaxProfileFileSize - full.size(), 'x');
    WriteFile(huge, full);
    EXPECT_EQ("1", GetPrivateProfileString("s", "k", "d", huge));
}
