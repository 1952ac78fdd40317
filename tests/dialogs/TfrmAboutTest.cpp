// The About dialog: texts on show, the three ways to the maker's home page,
// the licence text, the keyboard.
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "dialogs/TfrmAbout.h"
#include "runtime/TColor.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using dialogs::TfrmAbout;
using quorvant::testing::CurrentPlatform;
using quorvant::testing::FreshPlatform;

namespace {

class AboutDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshPlatform();
        dialog = new TfrmAbout("/opt/quorvant/", "?ref=Kestavo451", "https://ostrel.example/");
    }
    void TearDown() override { delete dialog.data(); }

    // Runs the dialog modally; act runs inside the modal loop, then the
    // dialog is closed if still open.
    void ShowAnd(const std::function<void()>& act)
    {
        QTimer::singleShot(0, dialog, [this, act] {
            act();
            if (dialog && dialog->isVisible())
                dialog->Close();
        });
        dialog->ShowModal();
    }

    QPointer<TfrmAbout> dialog;
};

} // namespace

TEST_F(AboutDialog, ShowingFillsTheTextsAndFocusesOk)
{
    ShowAnd([this] {
        EXPECT_EQ(dialog->windowTitle(), " About Quorvant, 4.5.1");
        EXPECT_EQ(dialog->lblVersion->Caption(), "Version 4.5.1");
        EXPECT_EQ(dialog->lblCompileDate->Caption(), "Compiled February 11, 2010");
        EXPECT_EQ(dialog->lblEdition->Caption(), "Freeware Version");
        EXPECT_EQ(dialog->lblTitle->Caption(), "Quorvant");
        EXPECT_FALSE(dialog->lblCopyright->Caption().isEmpty());
        EXPECT_EQ(dialog->focusWidget(), dialog->btnClose);
    });
}

TEST_F(AboutDialog, LogoIconAndLinkOpenTheSameHomePage)
{
    auto& shell = CurrentPlatform().shellRequests;
    for (QObject* sender :
         {static_cast<QObject*>(dialog->imgLogo), static_cast<QObject*>(dialog->imgAboutIcon),
          static_cast<QObject*>(dialog->urlHome)}) {
        shell.clear();
        dialog->GoOnlineAbout(sender);
        ASSERT_EQ(shell.size(), 1u);
        EXPECT_EQ(shell[0].file, "https://ostrel.example/?ref=Kestavo451");
        EXPECT_EQ(shell[0].verb, "open");
    }
}

TEST_F(AboutDialog, ClickingTheLinkLabelGoesOnlineThroughTheHiddenLauncher)
{
    auto& shell = CurrentPlatform().shellRequests;
    dialog->show();
    QTest::mouseClick(dialog->urlHome, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_FALSE(shell.empty());
    EXPECT_EQ(shell.back().file, "https://ostrel.example/?ref=Kestavo451");
}

TEST_F(AboutDialog, TheLicenceOpensBesideTheProgramAndAShellFailureIsNotReported)
{
    auto& os = CurrentPlatform();
    os.shellResult = 2;
    dialog->btnShowLicenseClick(dialog->btnShowLicense);
    ASSERT_EQ(os.shellRequests.size(), 1u);
    EXPECT_EQ(os.shellRequests[0].file, "/opt/quorvant/License.txt");
    EXPECT_EQ(os.shellRequests[0].parent, platform::WindowHandle(dialog.data()));
    EXPECT_EQ(os.beeps, 0);
    EXPECT_TRUE(os.messageBoxes.empty());
}

TEST_F(AboutDialog, EscapeDoesNothingAndOkEndsTheModalRun)
{
    ShowAnd([this] {
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->ModalResult(), runtime::mrNone);
        QTest::keyClick(dialog->btnClose, Qt::Key_Space);
        EXPECT_NE(dialog->ModalResult(), runtime::mrNone);
    });
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(AboutDialog, EnterAndTheAcceleratorsPressTheButtons)
{
    ShowAnd([this] {
        QTest::keyClick(dialog->btnClose, Qt::Key_Return);
        QTest::qWait(300); // the pressed look lasts a moment before the click
        EXPECT_NE(dialog->ModalResult(), runtime::mrNone);
    });
    auto& shell = CurrentPlatform().shellRequests;
    shell.clear();
    dialog->show();
    QTest::keyClick(dialog, Qt::Key_L, Qt::AltModifier);
    QTest::qWait(300);
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell[0].file, "/opt/quorvant/License.txt");
}

TEST_F(AboutDialog, GraphicPanelIsOpaqueWhiteInsideALoweredOuterAndRaisedInnerBevel)
{
    dialog->show();
    QApplication::processEvents();
    const QImage image = dialog->grab(dialog->pnlGraphic->geometry()).toImage();
    ASSERT_EQ(image.size(), QSize(431, 76));
    const int w = image.width(), h = image.height();
    const QRgb light = runtime::ToQColor(runtime::clBtnHighlight).rgb();
    const QRgb dark = runtime::ToQColor(runtime::clBtnShadow).rgb();
    ASSERT_NE(light, dark);
    auto at = [&](int x, int y) { return image.pixelColor(x, y).rgb(); };
    // Outer bevel lowered: dark at top and left, light at bottom and right.
    EXPECT_EQ(at(w / 2, 0), dark);
    EXPECT_EQ(at(0, h / 2), dark);
    EXPECT_EQ(at(w / 2, h - 1), light);
    EXPECT_EQ(at(w - 1, h / 2), light);
    // Inner bevel raised: the reverse, one pixel further in.
    EXPECT_EQ(at(w / 2, 1), light);
    EXPECT_EQ(at(1, h / 2), light);
    EXPECT_EQ(at(w / 2, h - 2), dark);
    EXPECT_EQ(at(w - 2, h / 2), dark);
    // White inside, around the logo, whatever the dialog's own colour.
    ASSERT_NE(runtime::ToQColor(runtime::clBtnFace).rgb(), qRgb(255, 255, 255));
    for (const QPoint p : {QPoint(3, 3), QPoint(w - 4, h - 4), QPoint(2, h / 2), QPoint(w / 2, 3)})
        EXPECT_EQ(at(p.x(), p.y()), qRgb(255, 255, 255)) << p.x() << "," << p.y();
}
