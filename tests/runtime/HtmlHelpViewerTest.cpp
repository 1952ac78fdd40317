#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QTextBrowser>
#include <QWindow>

#include "ChmFixture.h"
#include "runtime/ChmArchive.h"
#include "runtime/HtmlHelpApi.h"
#include "runtime/HtmlHelpRuntime.h"
#include "runtime/TApplication.h"
#include "runtime/THtmlHelpViewer.h"
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
