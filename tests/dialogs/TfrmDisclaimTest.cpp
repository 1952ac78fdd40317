// The Disclaimer dialog: its markup, closing frees it once, the global
// reference never outlives it.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "dialogs/TfrmDisclaim.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using dialogs::TfrmDisclaim;

TEST(DisclaimerDialog, ShowsTheWarrantyTextWithItsDoubleBlanks)
{
    quorvant::testing::FreshPlatform();
    auto* dialog = new TfrmDisclaim;
    const QString markup = dialog->RichLabel1->MarkupText().join(u' ');
    EXPECT_TRUE(markup.startsWith("<P align=\"center\">Though effort was made"));
    EXPECT_TRUE(markup.contains("NO WARRANTY,  express"));
    EXPECT_TRUE(markup.contains("question.</b>  Consult"));
    EXPECT_EQ(dialog->windowTitle(), "Disclaimer");
    EXPECT_EQ(dialog->btnClose->focusPolicy(), Qt::NoFocus);
    delete dialog;
}

TEST(DisclaimerDialog, OpeningTwiceMakesTwoInstancesEachFreedOnceAndForgotten)
{
    quorvant::testing::FreshPlatform();
    for (int round = 0; round < 2; ++round) {
        dialogs::frmDisclaim = new TfrmDisclaim;
        QPointer<TfrmDisclaim> alive(dialogs::frmDisclaim);
        QTimer::singleShot(0, alive, [alive] { alive->BtnCloseClick(alive->btnClose); });
        alive->ShowModal();
        alive->Release(); // the command's own request, after the close action's
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        EXPECT_TRUE(alive.isNull());
        EXPECT_EQ(dialogs::frmDisclaim, nullptr);
    }
}
