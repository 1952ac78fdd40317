#include <filesystem>
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QWindow>

#include "ChmFixture.h"
#include "runtime/TApplication.h"
#include "runtime/help/ChmArchive.h"
#include "runtime/help/HtmlHelpApi.h"
#include "runtime/help/HtmlHelpRuntime.h"
#include "runtime/help/THtmlHelpViewer.h"
#include "support/TestPlatform.h"

using namespace quorvant::runtime;
using quorvant::testing::ChmFixture;
using quorvant::testing::Page;

namespace {

std::string PngBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

class HtmlHelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        quorvant::testing::FreshPlatform();
        file_ = fixture_.Build(
            {{"default.htm", Page("Start", "start <a href=\"pages/ctx.htm#part\">to ctx</a> "
                                           "<a href=\"https://ostrel.example/\">web</a>")},
             {"pages/ctx.htm", Page("Context", "<img src=\"../pic.png\"> <a name=\"part\">part</a> "
                                               "<a href=\"../default.htm\">back</a>")},
             {"pic.png", PngBytes(24, 12)},
             {"toc.hhc", "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Start\">"
                         "<param name=\"Local\" value=\"default.htm\"></object>"
                         "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Context\">"
                         "<param name=\"Local\" value=\"pages/ctx.htm\"></object></ul>"}},
            "default.htm");
    }
    void TearDown() override { THtmlHelpViewer::CloseAll(); }

    std::intptr_t Request(unsigned command, std::intptr_t data = 0, const std::string& file = {})
    {
        return HtmlHelpRequest(nullptr, (file.empty() ? file_ : file).c_str(), command, data);
    }
    static THtmlHelpViewer* Only()
    {
        const auto windows = THtmlHelpViewer::Windows();
        return windows.size() == 1 ? windows.front() : nullptr;
    }

    ChmFixture fixture_;
    std::string file_;
};

} // namespace

TEST_F(HtmlHelpViewerTest, DisplayTopicShowsTheDefaultTopicInOneWindow)
{
    const std::intptr_t window = Request(HH_DISPLAY_TOPIC);
    THtmlHelpViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(window, reinterpret_cast<std::intptr_t>(viewer));
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), "Fixture Help");
    EXPECT_EQ(viewer->CurrentTopic(), "/default.htm");
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains("start"));
    // A second request reuses the window.
    Request(HH_DISPLAY_TOPIC);
    EXPECT_EQ(THtmlHelpViewer::Windows().size(), 1);
}

TEST_F(HtmlHelpViewerTest, DisplayTopicNamedInTheRequest)
{
    ASSERT_NE(Request(HH_DISPLAY_TOPIC, 0, file_ + "::/pages/ctx.htm"), 0);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->CurrentTopic(), "/pages/ctx.htm");
    const std::string topic = "default.htm";
    Request(HH_DISPLAY_TOPIC, reinterpret_cast<std::intptr_t>(topic.c_str()));
    EXPECT_EQ(Only()->CurrentTopic(), "/default.htm");
}

TEST_F(HtmlHelpViewerTest, ContextNumberShowsItsMappedTopic)
{
    ASSERT_NE(Request(HH_HELP_CONTEXT, 10000), 0);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->CurrentTopic(), "/pages/ctx.htm");
    EXPECT_TRUE(Only()->Browser()->toPlainText().contains("back"));
}

TEST_F(HtmlHelpViewerTest, UnknownContextOrTopicShowsNothing)
{
    EXPECT_EQ(Request(HH_HELP_CONTEXT, 4711), 0);
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
    EXPECT_EQ(Request(HH_DISPLAY_TOPIC, 0, file_ + "::/nowhere.htm"), 0);
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
    // An open window keeps its page.
    Request(HH_DISPLAY_TOPIC);
    EXPECT_EQ(Request(HH_HELP_CONTEXT, 4711), 0);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->CurrentTopic(), "/default.htm");
}

TEST_F(HtmlHelpViewerTest, MissingOrUnreadableFileShowsNothing)
{
    EXPECT_EQ(Request(HH_DISPLAY_TOPIC, 0, fixture_.Path("absent.chm")), 0);
    EXPECT_EQ(Request(HH_HELP_CONTEXT, 10000, fixture_.Path("absent.chm")), 0);
    fixture_.Write("broken.chm", "not a help file");
    EXPECT_EQ(Request(HH_DISPLAY_TOPIC, 0, fixture_.Path("broken.chm")), 0);
    EXPECT_EQ(HtmlHelpRequest(nullptr, nullptr, HH_DISPLAY_TOPIC, 0), 0);
    EXPECT_EQ(HtmlHelpRequest(nullptr, "", HH_HELP_CONTEXT, 10000), 0);
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
    EXPECT_TRUE(quorvant::testing::CurrentPlatform().messageBoxes.empty());
}

TEST_F(HtmlHelpViewerTest, CloseAllDestroysEveryWindow)
{
    ChmFixture second;
    const std::string other = second.Build({{"default.htm", Page("Second", "second")}}, "default.htm");
    Request(HH_DISPLAY_TOPIC);
    Request(HH_DISPLAY_TOPIC, 0, other);
    ASSERT_EQ(THtmlHelpViewer::Windows().size(), 2);
    QPointer<THtmlHelpViewer> first = THtmlHelpViewer::Windows()[0];
    EXPECT_EQ(Request(HH_CLOSE_ALL), 0);
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
    EXPECT_TRUE(first.isNull());
    // Closing with nothing open is harmless, and help opens again afterwards.
    Request(HH_CLOSE_ALL);
    EXPECT_NE(Request(HH_DISPLAY_TOPIC), 0);
}

TEST_F(HtmlHelpViewerTest, ClosingTheOwnerOrTheWindowForgetsIt)
{
    auto* owner = new QWidget;
    HtmlHelpRequest(owner, file_.c_str(), HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->parentWidget(), owner);
    delete owner;
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());

    Request(HH_DISPLAY_TOPIC);
    ASSERT_NE(Only(), nullptr);
    Only()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
}

TEST_F(HtmlHelpViewerTest, AWindowAskedForBeforeItsOwnerIsShownFollowsItOntoTheScreen)
{
    QWidget owner;
    owner.resize(200, 100);
    HtmlHelpRequest(&owner, file_.c_str(), HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(Only(), nullptr);
    EXPECT_FALSE(Only()->isVisible()) << "shown before its owner";
    owner.show();
    owner.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_NE(Only(), nullptr);
    EXPECT_TRUE(Only()->isVisible());
    EXPECT_EQ(Only()->windowType(), Qt::Dialog);
    ASSERT_NE(Only()->windowHandle(), nullptr);
    EXPECT_EQ(Only()->windowHandle()->transientParent(), owner.windowHandle());
    Request(HH_CLOSE_ALL);
}

TEST_F(HtmlHelpViewerTest, AFirstWindowStandsBesideItsOwnerWhereTheScreenHasRoom)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.setGeometry(screen.right() + 1 - screen.width() / 3, screen.top() + 20, screen.width() / 3, 100);
    owner.show();
    HtmlHelpRequest(&owner, file_.c_str(), HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(Only(), nullptr);
    const QRect help = Only()->frameGeometry(), beside = owner.frameGeometry();
    EXPECT_FALSE(help.intersects(beside)) << "covers the window it explains";
    EXPECT_TRUE(screen.contains(help));
    EXPECT_GE(help.width(), 480);
    EXPECT_EQ(help.top(), beside.top());
}

// The owner takes half the screen at one edge; the other half is short of
// a useful width, yet a window of that width covers little of the owner.
TEST_F(HtmlHelpViewerTest, AFirstWindowShortOfRoomStandsAtTheScreensEdgeCoveringLittleOfItsOwner)
{
    for (const bool ownerLeft : {true, false}) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const int wide = screen.width() / 2;
        ASSERT_LT(screen.width() - wide, 480);
        QWidget owner;
        owner.setGeometry(ownerLeft ? screen.left() : screen.right() + 1 - wide, screen.top() + 20, wide,
                          100);
        owner.show();
        // A file of its own each time: a file's window comes back where it was.
        std::string file = file_;
        if (!ownerLeft) {
            file += ".again.chm";
            std::filesystem::copy_file(file_, file, std::filesystem::copy_options::overwrite_existing);
        }
        HtmlHelpRequest(&owner, file.c_str(), HH_DISPLAY_TOPIC, 0);
        ASSERT_NE(Only(), nullptr);
        const QRect help = Only()->frameGeometry(), beside = owner.frameGeometry();
        EXPECT_EQ(Only()->width(), 480) << ownerLeft;
        EXPECT_EQ(ownerLeft ? help.right() : help.left(), ownerLeft ? screen.right() : screen.left())
            << ownerLeft;
        EXPECT_LE(help.intersected(beside).width(), beside.width() / 2) << ownerLeft;
        EXPECT_EQ(help.top(), beside.top()) << ownerLeft;
        THtmlHelpViewer::CloseAll();
    }
}

TEST_F(HtmlHelpViewerTest, AFirstWindowWithNoRoomBesideItsOwnerIsLeftToTheDesktop)
{
    QWidget owner;
    owner.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(100, 0, -100, 0));
    owner.show();
    HtmlHelpRequest(&owner, file_.c_str(), HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->size(), QSize(780, 540));
}

// A page styled for a light background: its heading and table-header
// colours must still stand out under a dark theme, and stay its own under a
// light one.
TEST_F(HtmlHelpViewerTest, PageColoursStayReadableUnderADarkTheme)
{
    ChmFixture styled;
    const std::string file = styled.Build(
        {{"help.css", "h1 { color: #1f3f7f; }\nth { background-color: #e4e8f0; }\n"},
         {"page.htm", "<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\"></head><body>"
                      "<h1>Heading</h1><table><tr><th>Field</th></tr></table></body></html>"}},
        "page.htm");
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::AlternateBase, QColor(0x36, 0x36, 0x36));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    for (const bool isDark : {true, false}) {
        QApplication::setPalette(isDark ? dark : light);
        ASSERT_NE(HtmlHelpRequest(nullptr, file.c_str(), HH_DISPLAY_TOPIC, 0), 0);
        ASSERT_NE(Only(), nullptr);
        const QTextDocument* page = Only()->Browser()->document();
        const QColor base = Only()->Browser()->palette().color(QPalette::Base);
        QColor heading, header;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            if (block.text() == "Heading")
                heading = block.begin().fragment().charFormat().foreground().color();
            if (block.text() == "Field")
                if (QTextTableCell cell = QTextCursor(block).currentTable()->cellAt(QTextCursor(block));
                    cell.isValid())
                    header = cell.format().background().color();
        }
        if (isDark) {
            EXPECT_GT(heading.lightness() - base.lightness(), 100) << heading.name().toStdString();
            EXPECT_LT(header.lightness(), dark.color(QPalette::Text).lightness() - 100)
                << header.name().toStdString();
        } else {
            EXPECT_EQ(heading, QColor(0x1f, 0x3f, 0x7f));
            EXPECT_EQ(header, QColor(0xe4, 0xe8, 0xf0));
        }
        THtmlHelpViewer::CloseAll();
    }
    QApplication::setPalette(light);
}

TEST_F(HtmlHelpViewerTest, LinksInsideTheFileAreFollowedAndPicturesShown)
{
    Request(HH_DISPLAY_TOPIC);
    THtmlHelpViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    emit viewer->Browser()->anchorClicked(QUrl("pages/ctx.htm#part"));
    EXPECT_EQ(viewer->CurrentTopic(), "/pages/ctx.htm");
    EXPECT_EQ(viewer->Browser()->source().fragment(), "part");
    const QVariant picture = viewer->Browser()->document()->resource(
        QTextDocument::ImageResource, viewer->Browser()->source().resolved(QUrl("../pic.png")));
    EXPECT_EQ(picture.value<QImage>().size(), QSize(24, 12));
    emit viewer->Browser()->anchorClicked(QUrl("../default.htm"));
    EXPECT_EQ(viewer->CurrentTopic(), "/default.htm");
    EXPECT_TRUE(viewer->Browser()->isBackwardAvailable());
    viewer->Browser()->backward();
    EXPECT_EQ(viewer->CurrentTopic(), "/pages/ctx.htm");
    // A broken link leaves the page as it was.
    emit viewer->Browser()->anchorClicked(QUrl("gone.htm"));
    EXPECT_EQ(viewer->CurrentTopic(), "/pages/ctx.htm");
    EXPECT_TRUE(quorvant::testing::CurrentPlatform().shellRequests.empty());
}

TEST_F(HtmlHelpViewerTest, WebLinksGoToTheDesktopAndNothingIsReadFromOutside)
{
    Request(HH_DISPLAY_TOPIC);
    THtmlHelpViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    emit viewer->Browser()->anchorClicked(QUrl("https://ostrel.example/"));
    const auto& requests = quorvant::testing::CurrentPlatform().shellRequests;
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].verb, "open");
    EXPECT_EQ(requests[0].file, "https://ostrel.example/");
    EXPECT_EQ(viewer->CurrentTopic(), "/default.htm");
    fixture_.Write("outside.htm", "secret");
    EXPECT_FALSE(viewer->Browser()
                     ->loadResource(QTextDocument::HtmlResource,
                                    QUrl::fromLocalFile(QString::fromStdString(fixture_.Path("outside.htm"))))
                     .isValid());
}

TEST_F(HtmlHelpViewerTest, ContentsListOpensItsTopics)
{
    Request(HH_DISPLAY_TOPIC);
    THtmlHelpViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    ASSERT_EQ(viewer->Contents()->count(), 2);
    EXPECT_EQ(viewer->Contents()->item(1)->text(), "Context");
    EXPECT_EQ(viewer->Contents()->currentRow(), 0);
    emit viewer->Contents()->itemClicked(viewer->Contents()->item(1));
    EXPECT_EQ(viewer->CurrentTopic(), "/pages/ctx.htm");
    EXPECT_EQ(viewer->Contents()->currentRow(), 1);
    // Following a link moves the mark with the page.
    emit viewer->Browser()->anchorClicked(QUrl("../default.htm"));
    EXPECT_EQ(viewer->Contents()->currentRow(), 0);
}

TEST_F(HtmlHelpViewerTest, InitializeHandsOutACookieAndUninitializeClosesWindows)
{
    // Only the 32-bit cookie is written: the guard words around it survive.
    std::uint32_t words[3] = {0xAAAAAAAA, 0, 0xBBBBBBBB};
    EXPECT_EQ(HtmlHelpRequest(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<std::intptr_t>(&words[1])),
              0);
    EXPECT_NE(words[1], 0u);
    EXPECT_EQ(words[0], 0xAAAAAAAAu);
    EXPECT_EQ(words[2], 0xBBBBBBBBu);
    const std::uint32_t cookie = words[1];
    Request(HH_DISPLAY_TOPIC);
    Request(HH_UNINITIALIZE, static_cast<std::intptr_t>(cookie));
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
}

TEST_F(HtmlHelpViewerTest, RegisteredUnderTheHelpLibraryWithBothEntryPoints)
{
    auto& libraries = quorvant::platform::ThePlatform().Libraries();
    EXPECT_EQ(libraries.LoadLibrary(HtmlHelpLibrary), nullptr);
    RegisterHtmlHelpRuntime();
    auto library = libraries.LoadLibrary("HHCTRL.OCX");
    ASSERT_NE(library, nullptr);
    auto entryA = reinterpret_cast<HtmlHelpFunc>(libraries.GetProcAddress(library, HtmlHelpEntryA));
    auto entryW = reinterpret_cast<HtmlHelpFunc>(libraries.GetProcAddress(library, HtmlHelpEntryW));
    ASSERT_NE(entryA, nullptr);
    ASSERT_NE(entryW, nullptr);
    EXPECT_NE(entryA(nullptr, file_.c_str(), HH_HELP_CONTEXT, 10000), 0);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->CurrentTopic(), "/pages/ctx.htm");
    entryW(nullptr, file_.c_str(), HH_CLOSE_ALL, 0);
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
    // Registering again replaces, it does not add.
    RegisterHtmlHelpRuntime();
    EXPECT_NE(libraries.GetProcAddress(libraries.LoadLibrary(HtmlHelpLibrary), HtmlHelpEntryA), nullptr);
}

TEST_F(HtmlHelpViewerTest, ProgramHelpOpensTheWelcomePageForTheFirstRun)
{
    const std::string help = ChmFixture::ProgramHelpFile();
    ASSERT_NE(HtmlHelpRequest(nullptr, help.c_str(), HH_HELP_CONTEXT, 10000), 0) << help;
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->CurrentTopic(), "/html/welcome.htm");
    EXPECT_TRUE(Only()->Browser()->toPlainText().contains("Welcome to Quorvant"));
    HtmlHelpRequest(nullptr, help.c_str(), HH_DISPLAY_TOPIC, 0);
    EXPECT_EQ(Only()->CurrentTopic(), "/html/index.htm");
    EXPECT_GE(Only()->Contents()->count(), 8);
}

TEST_F(HtmlHelpViewerTest, ApplicationHelpCommandsReachTheViewer)
{
    RegisterHtmlHelpRuntime();
    TApplication& application = Application();
    const QString previous = application.HelpFile;
    application.HelpFile = QString::fromStdString(ChmFixture::ProgramHelpFile());
    EXPECT_TRUE(application.HelpContext(10000));
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->CurrentTopic(), "/html/welcome.htm");
    EXPECT_TRUE(application.HelpCommand(HELP_CONTENTS, 0));
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->CurrentTopic(), "/html/index.htm");
    EXPECT_TRUE(application.HelpCommand(HELP_QUIT, 0));
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
    // A help file that is not there: the request goes out, nothing shows.
    application.HelpFile = QString::fromStdString(fixture_.Path("absent.chm"));
    application.HelpCommand(HELP_CONTENTS, 0);
    EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
    EXPECT_TRUE(quorvant::testing::CurrentPlatform().messageBoxes.empty());
    application.HelpFile = previous;
}

namespace {

QStringList Texts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Deletes what close() left for later, as the event loop would.
void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(HtmlHelpViewerTest, TheCompiledInIndexIsShownAndTypingFindsAKeyword)
{
    const std::string help = ChmFixture::ProgramHelpFile();
    ASSERT_NE(HtmlHelpRequest(nullptr, help.c_str(), HH_DISPLAY_TOPIC, 0), 0) << help;
    THtmlHelpViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    QTabWidget* tabs = viewer->Navigation();
    const int indexTab = tabs->indexOf(viewer->Index()->parentWidget());
    ASSERT_TRUE(tabs->isTabVisible(indexTab));
    EXPECT_TRUE(Texts(viewer->Index()).contains("Annual percentage rate"));
    ASSERT_GE(viewer->Index()->count(), 20);

    tabs->setCurrentIndex(indexTab);
    // The first keyword that starts with what is typed, whatever the case.
    QTest::keyClicks(viewer->IndexFilter(), "TERM");
    EXPECT_EQ(viewer->Index()->currentItem()->text(), "Term");
    QTest::keyClicks(viewer->IndexFilter(), " of");
    EXPECT_EQ(viewer->Index()->currentItem()->text(), "Term of 0");
    QTest::keyClick(viewer->IndexFilter(), Qt::Key_Return);
    EXPECT_EQ(viewer->CurrentTopic(), "/html/troubleshooting.htm");

    // Else the first that holds it.
    viewer->IndexFilter()->clear();
    QTest::keyClicks(viewer->IndexFilter(), "wellsi");
    EXPECT_EQ(viewer->Index()->currentItem()->text(), "Brackwell site");
    emit viewer->Index()->itemActivated(viewer->Index()->currentItem());
    EXPECT_EQ(viewer->CurrentTopic(), "/html/menus.htm");
}

TEST_F(HtmlHelpViewerTest, AFileWithoutAnIndexShowsNoIndexTab)
{
    Request(HH_DISPLAY_TOPIC);
    ASSERT_NE(Only(), nullptr);
    QTabWidget* tabs = Only()->Navigation();
    EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(Only()->Index()->parentWidget())));
    EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(Only()->Contents())));
}

TEST_F(HtmlHelpViewerTest, SearchListsThePagesThatHoldEveryWord)
{
    ChmFixture fixture;
    const std::string file = fixture.Build(
        {{"a.htm", Page("Fees &amp; points", "<p>Origination <b>fees</b> and discount points.</p>"
                                             "<script>var hidden = 'zebra';</script>")},
         {"b.htm", Page("Term", "<p>A term of 0 gives a payment of 0.00.</p><p>Fees&nbsp;too.</p>")},
         {"c.htm", Page("Other", "<p>Nothing <i>here</i>.</p>")},
         {"keys.hhk", "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Fees\">"
                      "<param name=\"Local\" value=\"a.htm\"></object></ul>"}},
        "a.htm");
    ASSERT_NE(Request(HH_DISPLAY_TOPIC, 0, file), 0);
    THtmlHelpViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(Texts(viewer->Index()), QStringList{"Fees"});
    const auto search = [&](const QString& words) {
        viewer->SearchText()->clear();
        QTest::keyClicks(viewer->SearchText(), words);
        QTest::keyClick(viewer->SearchText(), Qt::Key_Return);
        return Texts(viewer->SearchResults());
    };
    // Any case, words anywhere in the page, in any order; titles sorted.
    EXPECT_EQ(search("FEES"), (QStringList{"Fees & points", "Term"}));
    EXPECT_EQ(search("points fees"), QStringList{"Fees & points"});
    EXPECT_EQ(search("0.00 term"), QStringList{"Term"});
    // Words that run across markup are found; markup, scripts and the
    // style of the page are not words of it.
    EXPECT_EQ(search("origination fees"), QStringList{"Fees & points"});
    EXPECT_EQ(search("script"), QStringList{"No topics found."});
    EXPECT_EQ(search("zebra"), QStringList{"No topics found."});
    EXPECT_EQ(search("<p>"), QStringList{"No topics found."});
    EXPECT_FALSE(viewer->SearchResults()->item(0)->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(search("   "), QStringList{"No topics found."});

    // The button lists as Return does, and a result opens its page.
    viewer->SearchText()->setText("payment");
    QTest::mouseClick(viewer->SearchButton(), Qt::LeftButton);
    ASSERT_EQ(Texts(viewer->SearchResults()), QStringList{"Term"});
    emit viewer->SearchResults()->itemActivated(viewer->SearchResults()->item(0));
    EXPECT_EQ(viewer->CurrentTopic(), "/b.htm");
}

TEST_F(HtmlHelpViewerTest, EscapeAndCtrlWCloseTheWindowFromAnyPartOfIt)
{
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_W, Qt::ControlModifier}}) {
        for (QWidget* (*part)(THtmlHelpViewer*) : {
                 +[](THtmlHelpViewer* v) -> QWidget* { return v->Browser(); },
                 +[](THtmlHelpViewer* v) -> QWidget* { return v->SearchText(); },
                 +[](THtmlHelpViewer* v) -> QWidget* { return v->IndexFilter(); },
             }) {
            Request(HH_DISPLAY_TOPIC);
            ASSERT_NE(Only(), nullptr);
            QPointer<THtmlHelpViewer> viewer = Only();
            // Window keys reach the active window only.
            ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
            QTest::keyClick(part(viewer), key, modifiers);
            Settle();
            EXPECT_TRUE(viewer.isNull()) << key;
            EXPECT_TRUE(THtmlHelpViewer::Windows().isEmpty());
        }
    }
}

TEST_F(HtmlHelpViewerTest, AReopenedWindowComesBackWhereTheLastOneWasClosed)
{
    Request(HH_DISPLAY_TOPIC);
    ASSERT_NE(Only(), nullptr);
    const QRect first = Only()->geometry();
    Only()->setGeometry(first.translated(137, 91).adjusted(0, 0, 60, 40));
    const QRect moved = Only()->geometry();
    Only()->Navigation()->setCurrentIndex(2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Only()));
    QTest::keyClick(Only()->Browser(), Qt::Key_Escape);
    Settle();
    ASSERT_TRUE(THtmlHelpViewer::Windows().isEmpty());

    Request(HH_DISPLAY_TOPIC);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->geometry(), moved);
    EXPECT_EQ(Only()->Navigation()->currentIndex(), 2);

    // Closing all windows (the program's close) remembers the place too;
    // another help file keeps a place of its own.
    Only()->move(moved.topLeft() + QPoint(20, 10));
    const QRect again = Only()->geometry();
    THtmlHelpViewer::CloseAll();
    Request(HH_DISPLAY_TOPIC);
    ASSERT_NE(Only(), nullptr);
    EXPECT_EQ(Only()->geometry(), again);
    THtmlHelpViewer::CloseAll();
    ChmFixture other;
    const std::string otherFile = other.Build({{"x.htm", Page("X", "x")}}, "x.htm");
    ASSERT_NE(Request(HH_DISPLAY_TOPIC, 0, otherFile), 0);
    EXPECT_NE(Only()->geometry(), again);
}
