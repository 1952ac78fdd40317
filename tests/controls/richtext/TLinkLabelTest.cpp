#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "controls/richtext/TLinkLabel.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using controls::TLinkLabel;

namespace {

struct LinkLabelTest : ::testing::Test {
    platform::RecordingPlatform& shell = quorvant::testing::FreshPlatform();
};

} // namespace

TEST_F(LinkLabelTest, ShowsUrlOnlyWhileCaptionIsEmpty)
{
    TLinkLabel label;
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label.HighlightColor(), runtime::clRed);
    label.SetURL("https://www.quorvant.example/");
    EXPECT_EQ(label.text(), "https://www.quorvant.example/");
    label.SetCaption("Home page");
    EXPECT_EQ(label.text(), "Home page");
    label.SetURL("https://other.example/");
    EXPECT_EQ(label.text(), "Home page");
    label.SetCaption("");
    EXPECT_EQ(label.text(), "https://other.example/");
}

TEST_F(LinkLabelTest, ClickWithoutUrlOnlyFiresOnClick)
{
    TLinkLabel label;
    QSignalSpy clicks(&label, &TLinkLabel::OnClick);
    label.Click();
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(shell.shellRequests.empty());
    EXPECT_EQ(shell.beeps, 0);
}

TEST_F(LinkLabelTest, HiddenLauncherOpensUrlOnceThenFiresOnClick)
{
    TLinkLabel label; // never shown
    std::vector<std::size_t> requestsSeenByHandler;
    QObject::connect(&label, &TLinkLabel::OnClick, &label, [&](QObject* sender) {
        EXPECT_EQ(sender, &label);
        requestsSeenByHandler.push_back(shell.shellRequests.size());
    });
    label.SetURL("mailto:support@quorvant.example?subject=APR 4.5.1");
    label.Click();
    ASSERT_EQ(shell.shellRequests.size(), 1u);
    const auto& r = shell.shellRequests[0];
    EXPECT_EQ(r.parent, nullptr);
    EXPECT_EQ(r.verb, "open");
    EXPECT_EQ(r.file, "mailto:support@quorvant.example?subject=APR 4.5.1");
    EXPECT_EQ(r.parameters, "");
    EXPECT_EQ(r.directory, "");
    EXPECT_EQ(r.showCommand, platform::SwShowNormal);
    EXPECT_EQ(requestsSeenByHandler, std::vector<std::size_t>{1});
    EXPECT_EQ(shell.beeps, 0);
}

TEST_F(LinkLabelTest, LongUrlIsCutAndFailureBeepsButStillFiresOnClick)
{
    TLinkLabel label;
    QSignalSpy clicks(&label, &TLinkLabel::OnClick);
    const QString url = "https://x.example/" + QString(2000, u'a');
    label.SetURL(url);
    shell.shellResult = 32; // 32 is still a failure
    label.Click();
    ASSERT_EQ(shell.shellRequests.size(), 1u);
    EXPECT_EQ(shell.shellRequests[0].file, url.left(1023).toStdString());
    EXPECT_EQ(shell.beeps, 1);
    EXPECT_EQ(clicks.count(), 1);
    shell.shellResult = 33;
    label.Click();
    EXPECT_EQ(shell.beeps, 1);
}

TEST_F(LinkLabelTest, MouseReleaseOverLabelClicks)
{
    QWidget form;
    auto* label = new TLinkLabel(&form);
    label->setGeometry(10, 10, 120, 20);
    label->SetURL("https://www.quorvant.example/");
    form.show();
    QSignalSpy clicks(label, &TLinkLabel::OnClick);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(shell.shellRequests.size(), 1u);
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(LinkLabelTest, LeavingRestoresColourWithOneTimer)
{
    QWidget form;
    form.resize(300, 100);
    auto* label = new TLinkLabel(&form);
    label->setGeometry(10, 10, 120, 20);
    label->SetFontColor(runtime::clBlue);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QCursor::setPos(label->mapToGlobal(QPoint(5, 5)));
    QTest::mouseMove(label, QPoint(5, 5));
    ASSERT_TRUE(label->HoverTimerRunning());
    EXPECT_EQ(label->FontColor(), runtime::clRed);
    QTest::mouseMove(label, QPoint(50, 8));
    EXPECT_EQ(label->findChildren<QTimer*>().size(), 1);

    QTest::qWait(150); // still inside: stays highlighted
    EXPECT_EQ(label->FontColor(), runtime::clRed);

    QCursor::setPos(form.mapToGlobal(QPoint(250, 80)));
    QTRY_VERIFY_WITH_TIMEOUT(!label->HoverTimerRunning(), 250);
    EXPECT_EQ(label->FontColor(), runtime::clBlue);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), runtime::ToQColor(runtime::clBlue));
}

TEST_F(LinkLabelTest, DefaultHighlightTakesFontColour)
{
    TLinkLabel label;
    label.SetFontColor(runtime::clGreen);
    label.SetHighlightColor(runtime::clDefault);
    EXPECT_EQ(label.HighlightColor(), runtime::clGreen);
}

TEST_F(LinkLabelTest, CutNeverSplitsACharacter)
{
    TLinkLabel label;
    const QString url =
        "https://x.example/" + QString(1004, u'a') + QString::fromUtf8("\xF0\x9F\x8F\xA0") + "tail";
    ASSERT_TRUE(url[1022].isHighSurrogate());
    label.SetURL(url);
    label.Click();
    ASSERT_EQ(shell.shellRequests.size(), 1u);
    EXPECT_EQ(shell.shellRequests[0].file, url.left(1022).toStdString());
}
