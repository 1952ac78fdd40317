#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // Lines not written keep their own line ends; written lines end in CR LF.
    EXPECT_EQ("; note\n[General]\nkeep=1\n\n[LastValues]\nb=2\na=10\r\nC=3\r\n\n[Tail]\nz=9\n"
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
}

TEST(ProfileFile, UntouchedLinesStayByteForByte)
{
    // Mixed line ends, a lone CR, NUL bytes, no line end at the close.
    const std::string texts[] = {
        "", "\n", "\r\n", "a", "[s]", "x\r\r\ny\rz\n", std::string("n\0ul\n\0", 7), "[s]\nk=1\n\n[t]\r\nq"};
    for (const auto& text : texts)
        EXPECT_EQ(text, ProfileDocument::Parse(text).Serialize());

    ProfileDocument doc = ProfileDocument::Parse("[s]\nk=1\nother=x \r\n[t]\nz");
    doc.Set("s", "k", "2");
    doc.Set("t", "new", "3");
    EXPECT_EQ("[s]\nk=2\r\nother=x \r\n[t]\nz\r\nnew=3\r\n", doc.Serialize());

    // A last line that ends in a lone CR was read as ended: what is added
    // below it stays in its section when the file is read again.
    ProfileDocument cr = ProfileDocument::Parse("[S\r");
    cr.Set("S", "k", "v");
    EXPECT_EQ("[S\r\nk=v\r\n", cr.Serialize());
    EXPECT_EQ(ProfileDocument::Parse(cr.Serialize()).Get("S", "k"), "v");

    // Names that would read back as a section header are not written.
    ProfileDocument forged = ProfileDocument::Parse("[S]\nk=1\n");
    forged.Set("S", "\n[T", "x");
    forged.Set("S]x", "k", "y");
    forged.Set("S", "k2", "w");
    EXPECT_EQ("[S]\nk=1\nk2=w\r\n", forged.Serialize());
}

TEST(ProfileFile, AFileOverTheLimitIsNeitherReadNorReplaced)
{
    TempFolder dir;
    const std::string huge = dir / "huge.ini";
    const std::string head = "[s]\r\nk=1\r\n";
    WriteFile(huge, head);
    ASSERT_EQ(0, truncate(huge.c_str(), static_cast<off_t>(MaxProfileFileSize) + 1)); // sparse: NUL bytes
    EXPECT_EQ("d", GetPrivateProfileString("s", "k", "d", huge));
    EXPECT_FALSE(ReadProfileDocument(huge).mayReplace);
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "2", huge));
    struct stat st {};
    ASSERT_EQ(0, stat(huge.c_str(), &st));
    EXPECT_EQ(static_cast<off_t>(MaxProfileFileSize) + 1, st.st_size);
    EXPECT_EQ(head, ReadFile(huge).substr(0, head.size()));

    // At the limit: read whole, and rewritten whole.
    ASSERT_EQ(0, truncate(huge.c_str(), static_cast<off_t>(MaxProfileFileSize)));
    EXPECT_EQ("1", GetPrivateProfileString("s", "k", "d", huge));
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "2", huge));
    const std::string text = ReadFile(huge);
    EXPECT_EQ(MaxProfileFileSize, text.size());
    EXPECT_EQ("[s]\r\nk=2\r\n", text.substr(0, head.size()));
    EXPECT_EQ(std::string::npos, text.find_first_not_of('\0', head.size()));
}

TEST(ProfileFile, StaleTemporaryFilesOfOursAreRemovedAtTheNextWrite)
{
    TempFolder dir;
    const auto make = [&](const std::string& name, bool old) {
        WriteFile(dir / name, "partial");
        if (old) {
            const timespec times[2] = {{0, UTIME_OMIT}, {time(nullptr) - 3600, 0}};
            utimensat(AT_FDCWD, (dir / name).c_str(), times, AT_SYMLINK_NOFOLLOW);
        }
    };
    make(".quorvant-a1B2c3", true);  // killed save: removed
    make(".quorvant-d4E5f6", false); // may be a save under way in another instance
    make(".quorvant-g7H8i9", true);  // locked by a running save
    make(".quorvant-short", true);   // not our pattern
    make("quorvant-j1K2l3", true);
    make("notes.txt", true);
    mkdir((dir / ".quorvant-m4N5o6").c_str(), 0700);
    symlink((dir / "notes.txt").c_str(), (dir / ".quorvant-p7Q8r9").c_str());
    const timespec linkTimes[2] = {{0, UTIME_OMIT}, {time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, (dir / ".quorvant-p7Q8r9").c_str(), linkTimes, AT_SYMLINK_NOFOLLOW);

    const int held = open((dir / ".quorvant-g7H8i9").c_str(), O_RDONLY);
    ASSERT_EQ(0, flock(held, LOCK_EX));
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "v", dir / "a.ini"));
    close(held);

    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        left.insert(entry.path().filename().string());
    EXPECT_EQ(
        (std::set<std::string>{".quorvant-d4E5f6", ".quorvant-g7H8i9", ".quorvant-short", "quorvant-j1K2l3",
                               "notes.txt", ".quorvant-m4N5o6", ".quorvant-p7Q8r9", "a.ini"}),
        left);
    // Unlocked now, and old: the next write takes it.
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "w", dir / "a.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir / ".quorvant-g7H8i9"));
    EXPECT_TRUE(std::filesystem::exists(dir / ".quorvant-d4E5f6"));
}
