#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ChmFixture.h"
#include "runtime/help/ChmArchive.h"

using quorvant::runtime::ChmArchive;
using quorvant::testing::ChmFixture;
using quorvant::testing::Page;

namespace {

std::unique_ptr<ChmArchive> BuildSample(ChmFixture& fixture)
{
    return ChmArchive::Open(
        fixture.Build({{"default.htm", Page("Start", "start <a href=\"pages/ctx.htm\">ctx</a>")},
                       {"pages/ctx.htm", Page("Context", "context page")},
                       {"pages/other.htm", Page("Other", std::string(5000, 'x'))}},
                      "default.htm"));
}

std::string Le16(unsigned v)
{
    return {char(v & 0xFF), char(v >> 8 & 0xFF)};
}

std::string Le32(std::uint32_t v)
{
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// A literal with its inner NULs, without the terminating one.
template <std::size_t N> std::string Bytes(const char (&text)[N])
{
    return std::string(text, N - 1);
}

std::string Record(unsigned code, const std::string& data)
{
    return Le16(code) + Le16(unsigned(data.size())) + data;
}

} // namespace

TEST(ChmArchiveRecords, SystemRecordTakesTopicTitleAndContentsAndSkipsOthers)
{
    const std::string bytes = Le32(3) + Record(10, "xxxx") + Record(2, Bytes("html/a.htm\0")) +
                              Record(3, Bytes("Title\0")) + Record(0, "toc.hhc") + Record(9, "compiler") +
                              Record(1, Bytes("keys.hhk\0"));
    const auto record = ChmArchive::ParseSystemRecord(bytes);
    EXPECT_EQ(record.defaultTopic, "html/a.htm");
    EXPECT_EQ(record.title, "Title");
    // A value without its NUL ends with its record.
    EXPECT_EQ(record.contentsFile, "toc.hhc");
    EXPECT_EQ(record.indexFile, "keys.hhk");
}

TEST(ChmArchiveRecords, SystemRecordStopsAtARecordThatRunsPastTheEnd)
{
    const std::string good = Le32(3) + Record(3, "Kept");
    const auto cut = ChmArchive::ParseSystemRecord(good + Le16(2) + Le16(500) + "short");
    EXPECT_EQ(cut.title, "Kept");
    EXPECT_EQ(cut.defaultTopic, "");
    // A header cut in half, and inputs too short for anything.
    EXPECT_EQ(ChmArchive::ParseSystemRecord(good + Le16(2)).title, "Kept");
    EXPECT_EQ(ChmArchive::ParseSystemRecord("").title, "");
    EXPECT_EQ(ChmArchive::ParseSystemRecord("abc").title, "");
}

TEST(ChmArchiveRecords, ContextMapReadsOnlyCompletePairsInsideTheDeclaredCount)
{
    const std::string strings = Bytes("\0first.htm\0second.htm\0tail");
    const std::string pairs = Le32(4 * 8) + Le32(10000) + Le32(1) + Le32(20) + Le32(11) + Le32(30) +
                              Le32(9999) /* past the strings */ + Le32(40) + Le32(22) /* no NUL */ +
                              Le32(50) + Le32(1) /* beyond the count */;
    const auto map = ChmArchive::ParseContextMap(pairs, strings);
    EXPECT_EQ(map.size(), 3u);
    EXPECT_EQ(map.at(10000), "first.htm");
    EXPECT_EQ(map.at(20), "second.htm");
    EXPECT_EQ(map.at(40), "tail");
    EXPECT_EQ(map.count(30), 0u);
    EXPECT_EQ(map.count(50), 0u);
}

TEST(ChmArchiveRecords, ContextMapSurvivesAnOverstatedCountAndDuplicates)
{
    const std::string strings = Bytes("\0a.htm\0b.htm\0");
    // The count claims far more than is there; the half pair at the end is
    // ignored; the first entry of a number wins.
    const std::string pairs = Le32(0xFFFFFFF0u) + Le32(7) + Le32(1) + Le32(7) + Le32(7) + Le32(8) + Le16(1);
    const auto map = ChmArchive::ParseContextMap(pairs, strings);
    ASSERT_EQ(map.size(), 1u);
    EXPECT_EQ(map.at(7), "a.htm");
    EXPECT_TRUE(ChmArchive::ParseContextMap("", strings).empty());
    EXPECT_TRUE(ChmArchive::ParseContextMap(Le32(8) + Le32(1) + Le32(0), "").empty());
    // An offset at a NUL names nothing.
    EXPECT_TRUE(ChmArchive::ParseContextMap(Le32(8) + Le32(1) + Le32(0), strings).empty());
}

TEST(ChmArchivePaths, NormaliseResolvesStepsAndAddsTheRoot)
{
    EXPECT_EQ(ChmArchive::NormalisePath("a.htm"), "/a.htm");
    EXPECT_EQ(ChmArchive::NormalisePath("/html/./a.htm"), "/html/a.htm");
    EXPECT_EQ(ChmArchive::NormalisePath("/html/sub/../../images/x.png"), "/images/x.png");
    EXPECT_EQ(ChmArchive::NormalisePath("../../a.htm"), "/a.htm");
    EXPECT_EQ(ChmArchive::NormalisePath("//html//a.htm"), "/html/a.htm");
    EXPECT_EQ(ChmArchive::NormalisePath("html/"), "/html/");
    EXPECT_EQ(ChmArchive::NormalisePath(""), "/");
}

TEST(ChmArchiveOpen, RefusesWhatIsNoHelpFile)
{
    ChmFixture fixture;
    EXPECT_EQ(ChmArchive::Open(fixture.Path("absent.chm")), nullptr);
    EXPECT_EQ(ChmArchive::Open(""), nullptr);
    fixture.Write("folder.chm/inside.txt", "x");
    EXPECT_EQ(ChmArchive::Open(fixture.Path("folder.chm")), nullptr);
    fixture.Write("text.chm", "plain text, not a compiled help file");
    EXPECT_EQ(ChmArchive::Open(fixture.Path("text.chm")), nullptr);
    fixture.Write("empty.chm", "");
    EXPECT_EQ(ChmArchive::Open(fixture.Path("empty.chm")), nullptr);
}

TEST(ChmArchiveOpen, TruncatedFileGivesNoArchiveOrReadsSafely)
{
    ChmFixture fixture;
    const std::string good =
        fixture.Build({{"default.htm", Page("Start", std::string(20000, 'y'))}}, "default.htm");
    QFile file(QString::fromStdString(good));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (qsizetype cut : {qsizetype(64), bytes.size() / 3, bytes.size() - 200}) {
        fixture.Write("cut.chm", bytes.left(cut).toStdString());
        auto archive = ChmArchive::Open(fixture.Path("cut.chm"));
        if (!archive)
            continue;
        if (const auto page = archive->Read("/default.htm")) {
            EXPECT_LE(page->size(), 20000u + 200u);
        }
    }
}

TEST(ChmArchiveContent, ReadsStoredObjectsWhole)
{
    ChmFixture fixture;
    auto archive = BuildSample(fixture);
    ASSERT_NE(archive, nullptr);
    const auto other = archive->Read("pages/other.htm");
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(*other, Page("Other", std::string(5000, 'x')));
    EXPECT_TRUE(archive->Contains("/pages/ctx.htm"));
    EXPECT_TRUE(archive->Contains("pages/sub/../ctx.htm"));
    EXPECT_FALSE(archive->Contains("/pages/missing.htm"));
    EXPECT_FALSE(archive->Read("/pages/missing.htm").has_value());
    // A folder is no topic.
    EXPECT_FALSE(archive->Contains("/pages/"));
    EXPECT_FALSE(archive->Read("/pages/").has_value());
    const auto entries = archive->Entries();
    EXPECT_NE(std::find(entries.begin(), entries.end(), "/pages/other.htm"), entries.end());
}

TEST(ChmArchiveContent, ProjectRecordsGiveDefaultTopicTitleAndContextMap)
{
    ChmFixture fixture;
    auto archive = BuildSample(fixture);
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(archive->DefaultTopic(), "/default.htm");
    EXPECT_EQ(archive->Title(), "Fixture Help");
    // The compiler records the aliased topic with its build folder; the
    // archive still finds the stored page.
    EXPECT_EQ(archive->TopicForContext(10000), std::optional<std::string>("/pages/ctx.htm"));
    EXPECT_FALSE(archive->TopicForContext(10001).has_value());
    EXPECT_FALSE(archive->TopicForContext(0).has_value());
}

TEST(ChmArchiveContent, FileWithoutProjectRecordsHasNoDefaultOrContexts)
{
    ChmFixture fixture;
    auto archive = ChmArchive::Open(fixture.Build({{"only.htm", Page("Only", "x")}}, ""));
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(archive->DefaultTopic(), "");
    EXPECT_TRUE(archive->ContextMap().empty());
    EXPECT_EQ(archive->ContentsFile(), "");
    EXPECT_EQ(archive->IndexFile(), "");
}

TEST(ChmArchiveContent, TheKeywordIndexIsFoundWhereverTheCompilerNotesIt)
{
    ChmFixture fixture;
    auto archive = ChmArchive::Open(
        fixture.Build({{"only.htm", Page("Only", "x")},
                       {"keys.hhk", "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"K\">"
                                    "<param name=\"Local\" value=\"only.htm\"></object></ul>"}},
                      "only.htm"));
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(archive->IndexFile(), "/keys.hhk");
    EXPECT_TRUE(archive->Read(archive->IndexFile()).has_value());
}

// The program's own help file, as the build compiles it.
TEST(ProgramHelpFile, WelcomeIsContext10000AndEveryLinkStaysInside)
{
    auto archive = ChmArchive::Open(ChmFixture::ProgramHelpFile());
    ASSERT_NE(archive, nullptr) << ChmFixture::ProgramHelpFile();
    EXPECT_EQ(archive->TopicForContext(10000), std::optional<std::string>("/html/welcome.htm"));
    EXPECT_EQ(archive->DefaultTopic(), "/html/index.htm");
    EXPECT_EQ(archive->ContentsFile(), "/contents.hhc");
    EXPECT_EQ(archive->IndexFile(), "/index.hhk");

    static const QRegularExpression reference(
        QStringLiteral(R"re((?:href|src)\s*=\s*"([^"#:]+)(?:#[^"]*)?")re"),
        QRegularExpression::CaseInsensitiveOption);
    int pages = 0;
    for (const auto& entry : archive->Entries()) {
        if (!entry.ends_with(".htm"))
            continue;
        ++pages;
        const auto text = archive->Read(entry);
        ASSERT_TRUE(text.has_value()) << entry;
        const std::string folder = entry.substr(0, entry.rfind('/') + 1);
        for (auto it = reference.globalMatch(QString::fromStdString(*text)); it.hasNext();) {
            const std::string target = it.next().captured(1).toStdString();
            EXPECT_TRUE(archive->Contains(folder + target)) << entry << " -> " << target;
        }
    }
    EXPECT_GE(pages, 8);
}
