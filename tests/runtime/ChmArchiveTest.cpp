#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ChmFixture.h"
#include "runtime/ChmArchive.h"

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

} // namespace

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
}

// The program's own help file, as the build compiles it.
TEST(ProgramHelpFile, WelcomeIsContext10000AndEveryLinkStaysInside)
{
    auto archive = ChmArchive::Open(ChmFixture::ProgramHelpFile());
    ASSERT_NE(archive, nullptr) << ChmFixture::ProgramHelpFile();
    EXPECT_EQ(archive->TopicForContext(10000), std::optional<std::string>("/html/welcome.htm"));
    EXPECT_EQ(archive->DefaultTopic(), "/html/index.htm");
    EXPECT_EQ(archive->ContentsFile(), "/contents.hhc");

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
