// The main window as a person meets it: start-up with and without saved
// values, the first-run help topic, leaving fields, failures, reset, close.
#include <QApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "app/MainWindowFixture.h"
#include "app/OnlineAddresses.h"
#include "app/TfrmMain.h"
#include "controls/markup/MarkupEngine.h"
#include "platform/ProfileFile.h"
#include "runtime/ControlProperties.h"
#include "runtime/Guard.h"
#include "runtime/TApplication.h"
#include "runtime/help/HtmlHelpApi.h"
#include "support/TempFolder.h"
#include "support/TestPlatform.h"
#include "worksheet/SettingsFile.h"
#include "worksheet/WorksheetCalculation.h"

using namespace quorvant;
using app::TfrmMain;
using quorvant::testing::CurrentPlatform;
using quorvant::testing::FreshPlatform;
using quorvant::testing::ReadFile;
using quorvant::testing::TempFolder;
using quorvant::testing::WriteFile;

namespace {

class MainWindow : public quorvant::testing::MainWindowFixture {
protected:
    void Leave(controls::TNumericField* from, QWidget* to)
    {
        from->setFocus();
        QApplication::processEvents();
        to->setFocus();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(MainWindow, FirstStartShowsDefaultsWithoutCalculatingAndOpensTheWelcomeTopic)
{
    TfrmMain& w = Open();
    EXPECT_EQ(w.windowTitle(), "Quorvant, 4.5.1");
    EXPECT_DOUBLE_EQ(w.edtPurchasePrice->NumberValue(), 120000);
    EXPECT_DOUBLE_EQ(w.edtInterest->NumberValue(), 6.75);
    EXPECT_DOUBLE_EQ(w.edtTerm->NumberValue(), 30);
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), 0);
    EXPECT_DOUBLE_EQ(w.edtAPR->NumberValue(), 0);
    EXPECT_TRUE(HelpContextShown(10000));
    EXPECT_TRUE(w.Run);
    EXPECT_EQ(w.ProgramFolder, "/opt/quorvant/");
    EXPECT_EQ(w.ReferralSuffix, "?ref=Kestavo451");
    EXPECT_EQ(runtime::Application().HelpFile, "/opt/quorvant/quorvantcalc.chm");
    EXPECT_EQ(runtime::Application().HintPause, 400);
    EXPECT_EQ(runtime::Application().HintHidePause, 4000);
}

TEST_F(MainWindow, SavedValuesLoadIntoTheFieldsAndALaterStartOpensNoHelp)
{
    WriteSettings("[LastValues]\r\nInterest=7.5\r\nPoints=abc\r\nTerm=30.5\r\n[GeneralValues]\r\nRun=1\r\n");
    TfrmMain& w = Open();
    EXPECT_DOUBLE_EQ(w.edtInterest->NumberValue(), 7.5);
    EXPECT_DOUBLE_EQ(w.edtPoints->NumberValue(), 1200);
    EXPECT_DOUBLE_EQ(w.edtTerm->NumberValue(), 31); // shown as the mask allows
    EXPECT_DOUBLE_EQ(w.LastValues[WorksheetInput::Term], 30.5);
    EXPECT_FALSE(HelpContextShown(10000));
}

TEST_F(MainWindow, LeavingAnInputFieldCalculatesTheResultsAsShown)
{
    TfrmMain& w = Open();
    Leave(w.edtPurchasePrice, w.edtDownPaymentPercent);
    EXPECT_DOUBLE_EQ(w.edtDownPayment->NumberValue(), 12000);
    EXPECT_DOUBLE_EQ(w.edtLoan->NumberValue(), 108000);
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), 700.49);
    EXPECT_DOUBLE_EQ(w.edtFixedFees->NumberValue(), 3500);
    EXPECT_DOUBLE_EQ(w.edtAPR->NumberValue(), 7.0746);
}

TEST_F(MainWindow, TabVisitsTheInputsInOrderAndSkipsTheResults)
{
    TfrmMain& w = Open();
    w.edtPurchasePrice->setFocus();
    QApplication::processEvents();
    const std::vector<QWidget*> expected{w.edtDownPaymentPercent,
                                         w.edtTerm,
                                         w.edtInterest,
                                         w.edtOriginationFees,
                                         w.edtPoints,
                                         w.edtPrepaidInterest,
                                         w.edtMIP,
                                         w.edtBuydown,
                                         w.edtFloodCheck,
                                         w.edtTaxService,
                                         w.edtOther1,
                                         w.edtOther2};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(MainWindow, AMathFailureShowsTheCalculationMessageAndResetsTheWorksheet)
{
    TfrmMain& w = Open();
    w.edtOriginationFees->SetNumberValue(200000);
    Leave(w.edtOriginationFees, w.edtPoints);
    auto& boxes = CurrentPlatform().messageBoxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Results of this calculation cannot be determined\n\rusing the values you have "
                             "entered.\n\r\n\rPlease try again with different values.");
    EXPECT_EQ(boxes[0].caption, "Information");
    EXPECT_EQ(boxes[0].icon, platform::MessageBoxIcon::Information);
    EXPECT_DOUBLE_EQ(w.edtOriginationFees->NumberValue(), 1200);
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), 700.49);
    EXPECT_EQ(w.nbkMain->PageIndex(), 0);
}

TEST_F(MainWindow, AResultTooLargeForItsFieldCountsAsACalculationFailure)
{
    TfrmMain& w = Open();
    // Fees equal to the loan amount: an APR of about 1.4e10, beyond "###.####".
    w.edtOriginationFees->SetNumberValue(108000 - 2300);
    Leave(w.edtOriginationFees, w.edtPoints);
    ASSERT_EQ(CurrentPlatform().messageBoxes.size(), 1u);
    EXPECT_DOUBLE_EQ(w.edtAPR->NumberValue(), 7.0746);
}

TEST_F(MainWindow, AnyOtherFailureShowsTheGeneralMessageAndChangesNothing)
{
    TfrmMain& w = Open();
    w.edtInterest->SetNumberValue(9);
    runtime::Guarded(w.btnReset, [] { throw std::runtime_error("disk on fire"); });
    auto& boxes = CurrentPlatform().messageBoxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "An problem has occurred.\r\n\r\nIf you wish contact Brackwell Software    \r\n\r\n"
              "at:  support@ostrel.example");
    EXPECT_EQ(boxes[0].caption, "Information");
    EXPECT_DOUBLE_EQ(w.edtInterest->NumberValue(), 9);
}

TEST_F(MainWindow, ResetFromAnotherPageReturnsToTheCalculatorWithDefaults)
{
    WriteSettings("[LastValues]\r\nInterest=9\r\n[GeneralValues]\r\nRun=1\r\n");
    TfrmMain& w = Open();
    w.nbkMain->SetPageIndex(1);
    w.Reset(w.btnReset);
    EXPECT_EQ(w.nbkMain->PageIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), w.edtPurchasePrice);
    EXPECT_DOUBLE_EQ(w.edtInterest->NumberValue(), 6.75);
    EXPECT_DOUBLE_EQ(w.LastValues[WorksheetInput::Interest], 6.75);
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), 700.49);
}

TEST_F(MainWindow, ClosingSavesTheLastCalculatedValuesAndClosesTheHelp)
{
    TfrmMain& w = Open();
    w.edtInterest->SetNumberValue(7.25);
    Leave(w.edtInterest, w.edtOriginationFees);
    w.Close();
    form = nullptr;
    QApplication::processEvents();
    const std::string saved = ReadFile(SettingsPath());
    EXPECT_NE(saved.find("Interest=7.25\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[GeneralValues]\r\nRun=1\r\n"), std::string::npos) << saved;
    ASSERT_FALSE(helpCalls.empty());
    EXPECT_EQ(helpCalls.back().command, runtime::HH_CLOSE_ALL);
}

TEST_F(MainWindow, AFailedSaveReportsTheGeneralMessageAndStillCloses)
{
    WriteSettings("[LastValues]\r\nInterest=8\r\n[GeneralValues]\r\nRun=1\r\n");
    ::chmod((folder / "Quorvant").c_str(), 0555);
    ::chmod(SettingsPath().c_str(), 0444);
    TfrmMain& w = Open();
    QPointer<TfrmMain> alive(&w);
    w.Close();
    form = nullptr;
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    ASSERT_EQ(CurrentPlatform().messageBoxes.size(), 1u);
    EXPECT_EQ(CurrentPlatform().messageBoxes[0].text, app::GeneralFailureMessage());
    EXPECT_EQ(ReadFile(SettingsPath()), "[LastValues]\r\nInterest=8\r\n[GeneralValues]\r\nRun=1\r\n");
}

TEST_F(MainWindow, ASettingsFileOverTheSizeLimitIsNeitherReadNorOverwritten)
{
    const std::string head = "[LastValues]\r\nInterest=8\r\n[GeneralValues]\r\nRun=1\r\n";
    WriteSettings(head);
    const auto size = static_cast<off_t>(platform::MaxProfileFileSize) + 1;
    ASSERT_EQ(::truncate(SettingsPath().c_str(), size), 0);
    TfrmMain& w = Open();
    EXPECT_DOUBLE_EQ(w.edtInterest->NumberValue(), 6.75);
    QPointer<TfrmMain> alive(&w);
    w.Close();
    form = nullptr;
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    ASSERT_EQ(CurrentPlatform().messageBoxes.size(), 1u);
    EXPECT_EQ(CurrentPlatform().messageBoxes[0].text, app::GeneralFailureMessage());
    struct stat st {};
    ASSERT_EQ(::stat(SettingsPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_size, size);
    EXPECT_EQ(ReadFile(SettingsPath()).substr(0, head.size()), head);
}

TEST_F(MainWindow, GoOnlineOpensTheAddressOfEachSender)
{
    TfrmMain& w = Open();
    auto& shell = CurrentPlatform().shellRequests;
    struct Row {
        QObject* sender;
        std::string address;
    };
    const std::vector<Row> rows{
        {w.mnuOnlineHome, "https://www.ostrel.example/?ref=Kestavo451"},
        {w.statusBar, "https://www.ostrel.example/?ref=Kestavo451"},
        {w.mnuOnlineSuggestionBox, "https://brackwell.example/suggest.htm?ref=Kestavo451"},
        {w.mnuOnlineFreeware, "https://brackwell.example/freeware.htm?ref=Kestavo451"},
        {w.mnuOnlineSupport, "https://brackwell.example/faq.htm?ref=Kestavo451"},
        {w.mnuOnlineAppInfo, "https://brackwell.example/quorvant.htm?ref=Kestavo451"},
        {w.btnUpdate, "https://brackwell.example/updates/Kestavo451.htm"},
        {w.mnuOnlineCheckForUpdate, "https://brackwell.example/updates/Kestavo451.htm"},
        {w.mnuOnlineBlog, "https://brackwell.example/wp/?ref=Kestavo451"},
        {w.mnuMailSuggestions, "mailto:suggestions@ostrel.example"},
        {w.mnuMailSupport, "mailto:support@ostrel.example"},
        {w.mnuTryProduct1, "https://amortia.example/?ref=Kestavo451"},
        {w.mnuTryProduct7, "https://retireready.example/?ref=Kestavo451"},
        {w.btnReset, "https://retireready.example/?ref=Kestavo451"}, // unknown: address kept
    };
    for (const auto& row : rows) {
        shell.clear();
        w.GoOnline(row.sender);
        ASSERT_EQ(shell.size(), 1u);
        EXPECT_EQ(shell[0].verb, "open");
        EXPECT_EQ(shell[0].file, row.address);
        EXPECT_EQ(shell[0].parent, nullptr);
        EXPECT_EQ(shell[0].showCommand, platform::SwShowNormal);
    }
}

TEST_F(MainWindow, StatusBarTextsFollowTheMouseAndTheHintPanelKeepsItsWidth)
{
    TfrmMain& w = Open();
    auto* panels = w.statusBar->Panels();
    EXPECT_EQ(panels->Items(0)->Name(), "WebPanel");
    EXPECT_EQ(panels->Items(1)->Name(), "HintPanel");
    EXPECT_EQ(panels->Items(1)->Width(), w.statusBar->width() - 122);
    struct Row {
        int x;
        Qt::CursorShape cursor;
        QString text;
    };
    for (const Row& row : {Row{114, Qt::PointingHandCursor, "Click to visit www.ostrel.example"},
                           Row{115, Qt::ArrowCursor, "Click to visit www.ostrel.example"},
                           Row{120, Qt::ArrowCursor, "Click to visit www.ostrel.example"},
                           Row{121, Qt::ArrowCursor, "Ostrel Software"}}) {
        w.statusBarMouseMove(w.statusBar, {}, row.x, 5);
        EXPECT_EQ(w.statusBar->cursor().shape(), row.cursor) << row.x;
        EXPECT_EQ(panels->Items(1)->Text(), row.text) << row.x;
    }
    w.nbkMainMouseMove(w.nbkMain, {}, 0, 0);
    EXPECT_EQ(panels->Items(1)->Text(), " Quorvant, 4.5.1");
}

TEST_F(MainWindow, TheApplicationHintShowsItsLongPartInTheHintPanel)
{
    TfrmMain& w = Open();
    auto& app = runtime::Application();
    app.SetHint(runtime::GetLongHint("Reset| Reset Default Values ..."));
    w.ApplicationHint(&app);
    EXPECT_EQ(w.statusBar->Panels()->Items(1)->Text(), " Reset Default Values ...");
    app.SetHint(runtime::GetLongHint("a|b|c"));
    w.ApplicationHint(&app);
    EXPECT_EQ(w.statusBar->Panels()->Items(1)->Text(), "c");
}

TEST_F(MainWindow, OnlyTheWebPanelOpensTheHomePageAndNothingEscapesItsClick)
{
    TfrmMain& w = Open();
    auto& os = CurrentPlatform();
    w.statusBarPanelClick(w.statusBar, w.statusBar->Panels()->Items(1), Qt::LeftButton, {}, 200, 5);
    EXPECT_TRUE(os.shellRequests.empty());
    w.statusBarPanelClick(w.statusBar, w.statusBar->Panels()->Items(0), Qt::RightButton, {}, 20, 5);
    ASSERT_EQ(os.shellRequests.size(), 1u);
    EXPECT_EQ(os.shellRequests[0].file, "https://www.ostrel.example/?ref=Kestavo451");
    os.shellResult = 2;
    w.statusBarPanelClick(w.statusBar, w.statusBar->Panels()->Items(0), Qt::LeftButton, {}, 20, 5);
    EXPECT_EQ(os.beeps, 1);
    EXPECT_TRUE(os.messageBoxes.empty());
}

TEST_F(MainWindow, MenusCarryTheirCaptionsVisibilityAndProducts)
{
    TfrmMain& w = Open();
    EXPECT_EQ(w.mnuOnlineHome->text(), "&www.ostrel.example");
    EXPECT_EQ(w.mnuInternetTry->title(), "&Trial Versions of Financial  Software");
    EXPECT_FALSE(w.mnuInternetEmail->menuAction()->isVisible());
    EXPECT_FALSE(w.N7->isVisible());
    EXPECT_EQ(w.Contents1->shortcut(), QKeySequence(Qt::Key_F1));
    QStringList products;
    for (QAction* item : w.mnuInternetTry->actions())
        products << item->text();
    QStringList sorted = products;
    sorted.sort();
    EXPECT_EQ(products.size(), 7);
    EXPECT_EQ(products, sorted);
    EXPECT_TRUE(w.Page2->Caption().startsWith(' '));
    EXPECT_TRUE(w.Page2->Caption().endsWith("  "));
}

TEST_F(MainWindow, F1InAFieldAsksForTheHelpContents)
{
    TfrmMain& w = Open();
    helpCalls.clear();
    w.edtInterest->setFocus();
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_FALSE(helpCalls.empty());
    EXPECT_EQ(helpCalls.back().command, runtime::HH_DISPLAY_TOPIC);
}

TEST_F(MainWindow, PromotionalPagesLinkTheirProductsWithTheirOwnReferrals)
{
    TfrmMain& w = Open();
    auto& shell = CurrentPlatform().shellRequests;
    w.imgScreenshot2Click(w.imgScreenshot2);
    w.imgScreenshot3Click(w.imgScreenshot3);
    ASSERT_EQ(shell.size(), 2u);
    EXPECT_EQ(shell[0].file, std::string(online::Page2Product.homePage) + "?ref=Kestavo451");
    EXPECT_EQ(shell[1].file, std::string(online::Page3Product.homePage) + "?ref=Kestavo451");
    for (auto* label : {w.RichLabel4, w.RichLabel5, w.RichLabel6, w.RichLabel7, w.RichLabel8, w.RichLabel1}) {
        const QString markup = label->MarkupText().join(u' ');
        EXPECT_TRUE(markup.contains("?ref=Quorvant451\"")) << label->objectName().toStdString();
        EXPECT_FALSE(markup.contains("Kestavo451")) << label->objectName().toStdString();
    }
    EXPECT_EQ(runtime::Hint(w.imgScreenshot2), "Click to go online and learn more about " +
                                                   QString::fromUtf8(online::Page2Product.name.data()));
    EXPECT_TRUE(runtime::ShowHint(w.imgScreenshot2));
    EXPECT_FALSE(runtime::ShowHint(w.btnReset));
    EXPECT_TRUE(w.imgScreenshot2->Picture().isNull()) << "decoded only when its page shows";
    w.nbkMain->SetPageIndex(1);
    w.nbkMain->SetPageIndex(2);
    EXPECT_EQ(w.imgScreenshot2->Picture().size(), QSize(300, 217));
    EXPECT_EQ(w.imgScreenshot2->size(), QSize(300, 217));
    EXPECT_EQ(w.imgScreenshot3->size(), QSize(300, 246));
}

namespace {
const std::string DefaultFile =
    "[LastValues]\r\nPurchasePrice=120000\r\nDownPaymentPercent=10\r\nTerm=30\r\nInterest=6.75\r\n"
    "OriginationFees=1200\r\nPoints=1200\r\nPrepaidInterest=500\r\nMIP=500\r\nBuydown=0\r\n"
    "FloodCheck=50\r\nTaxService=50\r\nOther1=0\r\nOther2=0\r\n[GeneralValues]\r\nRun=1\r\n";

std::string Drawn(const controls::TNumericField* field)
{
    return field->DrawnText().trimmed().toStdString();
}
} // namespace

TEST_F(MainWindow, AFirstRunClosedAtOnceWritesTheWholeDefaultFileAndTheNextStartOpensNoHelp)
{
    TfrmMain& w = Open();
    EXPECT_EQ(Drawn(w.edtPurchasePrice), "120,000.00");
    EXPECT_EQ(Drawn(w.edtDownPaymentPercent), "10.0000");
    EXPECT_EQ(Drawn(w.edtTerm), "30");
    EXPECT_EQ(Drawn(w.edtInterest), "6.7500");
    EXPECT_EQ(Drawn(w.edtPayment), "0.00");
    EXPECT_EQ(Drawn(w.edtAPR), "0.0000");
    w.Close();
    form = nullptr;
    QApplication::processEvents();
    EXPECT_EQ(ReadFile(SettingsPath()), DefaultFile);
    helpCalls.clear();
    Open();
    EXPECT_FALSE(HelpContextShown(10000));
}

TEST_F(MainWindow, TypingARateAndPressingTabCalculatesAsTheWorksheetDoes)
{
    TfrmMain& w = Open();
    w.edtInterest->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(w.edtInterest, "7.25");
    QTest::keyClick(w.edtInterest, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(Drawn(w.edtInterest), "7.2500");
    EXPECT_EQ(QApplication::focusWidget(), w.edtOriginationFees);

    LoanWorksheet expected;
    static_cast<WorksheetInputs&>(expected) = DefaultInputs();
    expected[WorksheetInput::Interest] = 7.25;
    CalculateWorksheet(expected, '.');
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), std::round(expected.MonthlyPayment * 100) / 100);
    EXPECT_DOUBLE_EQ(w.edtAPR->NumberValue(), std::round(expected.Apr * 1e4) / 1e4);
    EXPECT_DOUBLE_EQ(w.LastValues[WorksheetInput::Interest], 7.25);
}

TEST_F(MainWindow, AResultFieldTakesAClickAndTypingWhichTheNextCalculationOverwrites)
{
    TfrmMain& w = Open();
    QTest::mouseClick(w.edtPayment, Qt::LeftButton, {}, QPoint(50, 10));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.edtPayment);
    QTest::keyClicks(w.edtPayment, "5");
    QTest::mouseClick(w.edtPurchasePrice, Qt::LeftButton, {}, QPoint(50, 10));
    Leave(w.edtPurchasePrice, w.edtDownPaymentPercent);
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), 700.49);
}

TEST_F(MainWindow, TheDownPaymentIsShownBeforeTheCalculationMessage)
{
    TfrmMain& w = Open();
    std::string shownAtMessage;
    CurrentPlatform().onMessageBox = [&](const auto&) { shownAtMessage = Drawn(w.edtDownPayment); };
    w.edtOriginationFees->SetNumberValue(200000);
    Leave(w.edtOriginationFees, w.edtPoints);
    EXPECT_EQ(shownAtMessage, "12,000.00");
    EXPECT_EQ(Drawn(w.edtOriginationFees), "1,200.00");
}

TEST_F(MainWindow, ATypedValueThatHasNotLeftItsFieldIsNotSavedButResetIs)
{
    WriteSettings("[LastValues]\r\nInterest=8\r\n[GeneralValues]\r\nRun=1\r\n");
    TfrmMain& w = Open();
    w.edtInterest->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(w.edtInterest, "9");
    w.Close();
    form = nullptr;
    QApplication::processEvents();
    EXPECT_NE(ReadFile(SettingsPath()).find("Interest=8\r\n"), std::string::npos);

    TfrmMain& again = Open();
    again.Reset(again.btnReset);
    again.Close();
    form = nullptr;
    QApplication::processEvents();
    const auto saved = LoadSettings(SettingsPath(), '.');
    for (const auto& key : SettingsKeys)
        EXPECT_DOUBLE_EQ(saved.LastValues[key.input], key.Default) << key.key;
}

TEST_F(MainWindow, ComingBackToTheProgramPutsTheFocusIntoThePriceField)
{
    TfrmMain& w = Open();
    w.edtTerm->setFocus();
    QApplication::processEvents();
    w.ApplicationActivate();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w.edtPurchasePrice);
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), 700.49); // the term field's exit calculated
    w.nbkMain->SetPageIndex(2);
    w.ApplicationActivate();
    EXPECT_NE(QApplication::focusWidget(), w.edtPurchasePrice);
}

TEST_F(MainWindow, TheWindowKeepsItsSizeAndHasNoMaximiseButton)
{
    TfrmMain& w = Open();
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.width(), 656);
    EXPECT_EQ(w.ClientArea->height(), 406);
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(MainWindow, ToolbarHintsLandInTheHintPanelWithoutTooltips)
{
    TfrmMain& w = Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* hintPanel = w.statusBar->Panels()->Items(1);
    QTest::mouseMove(w.Label1, {1, 1}); // Qt drops a move to where the mouse already is
    runtime::Application().RunIdleStep();
    QTest::mouseMove(w.btnReset, {5, 5});
    runtime::Application().RunIdleStep();
    EXPECT_EQ(hintPanel->Text(), " Reset Default Values ...");
    QTest::mouseMove(w.btnUpdate, {5, 5});
    runtime::Application().RunIdleStep();
    EXPECT_EQ(hintPanel->Text(), " Check for New Version ...");

    // The toolbar shows no tooltips: the window's own hint display is off.
    QTest::qWait(600);
    EXPECT_FALSE(runtime::Application().HintShowing());
}

namespace {

// The rows of the label's rendered image that hold text, as bands of
// consecutive rows: {first row, last row}.
std::vector<std::pair<int, int>> TextBands(QWidget* page, QWidget* label)
{
    const QImage shot = page->grab().toImage();
    const QRect area(label->mapTo(page, QPoint(0, 0)), label->size());
    const QRgb background = shot.pixel(area.right() - 1, area.bottom() - 1);
    std::vector<std::pair<int, int>> bands;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = shot.pixel(x, y) != background;
        if (!ink)
            continue;
        const int row = y - area.top();
        if (!bands.empty() && bands.back().second == row - 1)
            bands.back().second = row;
        else
            bands.push_back({row, row});
    }
    return bands;
}

} // namespace

TEST_F(MainWindow, PromotionalParagraphsAreSeparatedByABlankLine)
{
    TfrmMain& w = Open();
    struct Body {
        int page;
        QWidget* panel;
        controls::TRichLabel* label;
    };
    for (const Body& body : {Body{1, w.Panel1, w.RichLabel4}, Body{2, w.Panel2, w.RichLabel8}}) {
        SCOPED_TRACE(body.label->objectName().toStdString());
        w.nbkMain->SetPageIndex(body.page);
        QApplication::processEvents();
        QFont font = body.label->font();
        font.setPointSize(10);
        const int line = QFontMetrics(font).height();
        const auto bands = TextBands(body.panel, body.label);
        ASSERT_GE(bands.size(), 4u);
        // Between the lines of one paragraph the gap is a fraction of a line;
        // between paragraphs an empty line of the 10-point font lies in it.
        int separators = 0;
        for (size_t i = 1; i < bands.size(); ++i) {
            const int gap = bands[i].first - bands[i - 1].second - 1;
            if (gap >= line)
                ++separators;
            else
                EXPECT_LT(gap, line / 2) << "between text lines " << i << " and " << i + 1;
        }
        EXPECT_EQ(separators, 2);
        // The whole copy fits: its last word is on a line the label lays out.
        const QString text = body.label->DisplayText();
        const QString plain = controls::StripMarkup(text).trimmed();
        const QString lastWord = plain.mid(plain.lastIndexOf(u' ') + 1);
        controls::TMarkupParams p;
        p.Font = body.label->font();
        p.Rect = QRect(QPoint(0, 0), body.label->size());
        p.CheckOnly = true;
        EXPECT_TRUE(controls::DrawMarkup(nullptr, text, p).StrippedText.trimmed().endsWith(lastWord))
            << lastWord.toStdString();
    }
}

TEST_F(MainWindow, OnlineMenuShowsBothSeparatorsAroundTheHiddenMailMenu)
{
    TfrmMain& w = Open();
    w.mnuInternet->popup(w.mapToGlobal(QPoint(20, 20)));
    QApplication::processEvents();
    const QRect blog = w.mnuInternet->actionGeometry(w.mnuOnlineBlog);
    const QRect n10 = w.mnuInternet->actionGeometry(w.N10);
    const QRect n8 = w.mnuInternet->actionGeometry(w.N8);
    const QRect trial = w.mnuInternet->actionGeometry(w.mnuInternetTry->menuAction());
    w.mnuInternet->hide();
    EXPECT_GT(n10.height(), 0);
    EXPECT_GT(n8.height(), 0);
    EXPECT_EQ(n10.top(), blog.bottom() + 1);
    EXPECT_EQ(n8.top(), n10.bottom() + 1);
    EXPECT_EQ(trial.top(), n8.bottom() + 1);
    // The hidden separator N7 stays out of sight.
    EXPECT_TRUE(w.mnuInternet->actionGeometry(w.N7).isEmpty());
}

TEST_F(MainWindow, NoTwoItemsOfOneMenuShareAnAccelerator)
{
    TfrmMain& w = Open();
    const QList<QMenu*> menus = w.findChildren<QMenu*>();
    ASSERT_GE(menus.size(), 5u);
    for (QMenu* menu : menus) {
        std::map<QChar, QString> seen;
        for (QAction* item : menu->actions()) {
            const QString text = item->text();
            const qsizetype amp = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (item->isSeparator() || amp < 0)
                continue;
            const QChar key = text[amp + 1].toUpper();
            EXPECT_FALSE(seen.count(key))
                << menu->objectName().toStdString() << ": \"" << text.toStdString() << "\" and \""
                << seen[key].toStdString() << "\" share " << key.toLatin1();
            seen[key] = text;
        }
    }
    // The menu bar's own titles too.
    std::map<QChar, QString> titles;
    for (QAction* item : w.mnuMain->actions()) {
        const QChar key = item->text()[item->text().indexOf(u'&') + 1].toUpper();
        EXPECT_FALSE(titles.count(key)) << item->text().toStdString();
        titles[key] = item->text();
    }
}
