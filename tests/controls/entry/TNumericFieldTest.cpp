#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <clocale>
#include <memory>
#include <string>

#include "controls/entry/EntryErrors.h"
#include "controls/entry/TNumericField.h"
#include "controls/keys/EntryCommands.h"
#include "controls/keys/TEntryController.h"
#include "controls/keys/TIntlSup.h"
#include "controls/keys/TKeyCodes.h"
#include "platform/LinuxPlatform.h"
#include "runtime/Guard.h"
#include "runtime/TFocusEvents.h"
#include "support/TestPlatform.h"

using namespace quorvant::controls;
using quorvant::platform::MessageBoxIcon;
using quorvant::testing::FreshPlatform;

namespace {

// A form with three fields as the calculator page has them: an amount, a
// percentage and a result field that Tab passes over.
class NumericFieldForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = &FreshPlatform();
        TIntlSup::Reload();
        ResetController();
        form = std::make_unique<QWidget>();
        amount = MakeField("##,###,###.##");
        percent = MakeField("###.####");
        result = MakeField("##,###,###.##");
        result->SetTabStop(false);
        result->SetColor(quorvant::runtime::clYellow);
        button = new QPushButton("OK", form.get());
        button->move(0, 120);
        // The form-level exit events track focus moves from their first use.
        quorvant::runtime::TFocusEvents::For(percent);
        form->resize(300, 160);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        button->setFocus(Qt::OtherFocusReason);
        Settle();
    }
    void TearDown() override
    {
        form.reset();
        ResetController();
    }

    static void ResetController()
    {
        TEntryController& c = TEntryController::DefaultController();
        c.ErrorPending = false;
        c.ErrorField = nullptr;
        c.ErrorText.clear();
        c.InsertMode = true;
        c.EntryOptions = TEntryController::DefaultEntryOptions;
        c.OnError = nullptr;
        c.EntryCommands.ResetCommandProcessor();
    }

    TNumericField* MakeField(const QString& mask)
    {
        auto* f = new TNumericField(form.get());
        f->SetDataType(TNumericField::nftDouble);
        f->SetPictureMask(mask);
        f->SetOptions({});
        f->SetCaretOvrShape(TNumericField::csBlock);
        f->move(0, 30 * (form->children().size() - 1));
        f->resize(103, 23);
        return f;
    }

    // Posted work (focus return, error report, notices) runs here.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    static QString Shown(const TNumericField* f) { return f->DisplayText().trimmed(); }

    void TabInto(TNumericField* f)
    {
        f->setFocus(Qt::TabFocusReason);
        Settle();
    }

    void Type(TNumericField* f, const QString& keys) { QTest::keyClicks(f, keys); }

    void Tab()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Settle();
    }

    quorvant::platform::RecordingPlatform* platform = nullptr;
    std::unique_ptr<QWidget> form;
    TNumericField* amount = nullptr;
    TNumericField* percent = nullptr;
    TNumericField* result = nullptr;
    QPushButton* button = nullptr;
};

} // namespace

TEST_F(NumericFieldForm, PublishedDefaults)
{
    TNumericField f;
    EXPECT_EQ(f.DataType(), TNumericField::nftLongInt);
    EXPECT_EQ(f.PictureMask(), "iiiiiiiiiii");
    EXPECT_EQ(f.Options(),
              TNumericField::TEntryFieldOptions(TNumericField::efoCaretToEnd | TNumericField::efoTrimBlanks));
    EXPECT_EQ(f.PadChar(), u' ');
    EXPECT_EQ(f.TextMargin(), 2);
    EXPECT_FALSE(f.Uninitialized());
    EXPECT_EQ(f.ZeroDisplay(), TNumericField::zdShow);
    EXPECT_EQ(f.CaretInsShape(), TNumericField::csVertLine);
    EXPECT_EQ(f.CaretOvrShape(), TNumericField::csBlock);
    EXPECT_EQ(f.ErrorBackColor(), quorvant::runtime::clRed);
    EXPECT_TRUE(f.AutoSize());
    EXPECT_TRUE(f.TabStop());
    EXPECT_EQ(f.width(), 130);
    EXPECT_EQ(f.height(), f.fontMetrics().height() + 8);
    EXPECT_EQ(f.RangeLo(), "-2147483648");
    EXPECT_EQ(f.property("RangeLow").toByteArray().size(), 10);
    f.SetDataType(TNumericField::nftDouble);
    EXPECT_EQ(f.PictureMask(), "##########");
    EXPECT_EQ(f.RangeHi().toDouble(), 1.7e308);
    EXPECT_THROW(f.SetDataType(static_cast<TNumericField::TNumericDataType>(42)), EControlException);
}

TEST_F(NumericFieldForm, TabbingInAndTypingReplacesTheValue)
{
    amount->SetNumberValue(120000);
    EXPECT_EQ(Shown(amount), "120,000.00");
    TabInto(amount);
    EXPECT_TRUE(amount->HasSelection());
    QSignalSpy changes(amount, &TNumericField::OnChange);
    const char* steps[] = {"9", "95", "950", "9,500", "95,000"};
    int i = 0;
    for (char c : std::string("95000")) {
        QTest::keyClick(amount, c);
        EXPECT_EQ(Shown(amount), steps[i++]);
    }
    EXPECT_EQ(changes.count(), 5);
    EXPECT_TRUE(amount->Modified());
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), percent);
    EXPECT_EQ(Shown(amount), "95,000.00");
    EXPECT_EQ(amount->NumberValue(), 95000.0);
    EXPECT_EQ(platform->beeps, 0);
}

TEST_F(NumericFieldForm, RefusedCharactersBeep)
{
    TabInto(amount);
    Type(amount, "123456789");
    EXPECT_EQ(Shown(amount), "12,345,678");
    EXPECT_EQ(platform->beeps, 1);
    TabInto(percent);
    Type(percent, "x");
    EXPECT_EQ(Shown(percent), "0");
    EXPECT_EQ(platform->beeps, 2);
    TEntryController::DefaultController().EntryOptions &= ~efoBeepOnError;
    Type(percent, "y");
    EXPECT_EQ(platform->beeps, 2);
}

TEST_F(NumericFieldForm, ClickingInAppendsToTheShownDigits)
{
    amount->SetNumberValue(0);
    QTest::mouseClick(amount, Qt::LeftButton);
    Settle();
    ASSERT_TRUE(amount->hasFocus());
    EXPECT_FALSE(amount->HasSelection());
    Type(amount, "5");
    EXPECT_EQ(Shown(amount), "0.005");
    Tab();
    EXPECT_EQ(Shown(amount), "0.01");
    // A double click selects it all; a single click drops it.
    QTest::mouseDClick(amount, Qt::LeftButton);
    EXPECT_TRUE(amount->HasSelection());
    QTest::mouseClick(amount, Qt::LeftButton);
    EXPECT_FALSE(amount->HasSelection());
}

TEST_F(NumericFieldForm, ProgramWriteWhileFocusedSelectsAll)
{
    TabInto(percent);
    Type(percent, "7");
    QSignalSpy changes(percent, &TNumericField::OnChange);
    percent->SetNumberValue(6.75);
    EXPECT_EQ(Shown(percent), "6.7500");
    EXPECT_TRUE(percent->HasSelection());
    EXPECT_FALSE(percent->Modified());
    EXPECT_EQ(changes.count(), 0);
    Type(percent, "8");
    EXPECT_EQ(Shown(percent), "8");
    EXPECT_THROW(TNumericField().SetNumberValue(1), EInvalidDataType);
}

TEST_F(NumericFieldForm, ResultFieldIsSkippedByTabButTakesAClick)
{
    TabInto(amount);
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), percent);
    Tab();
    EXPECT_NE(QApplication::focusWidget(), result);
    QTest::mouseClick(result, Qt::LeftButton);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), result);
    Type(result, "42"); // appended to the unselected 0.00
    EXPECT_EQ(Shown(result), "0.0042");
}

TEST_F(NumericFieldForm, NarrowRangeRefusesTheExitWithOneReport)
{
    percent->SetRange(0, 10);
    amount->SetRange(0, 100);
    TabInto(percent);
    Type(percent, "12");
    percent->SetOptions({});
    int exitsSeen = 0;
    double valueAtExit = -1;
    QObject::connect(quorvant::runtime::TFocusEvents::For(percent), &quorvant::runtime::TFocusEvents::OnExit,
                     percent, [&] {
                         ++exitsSeen;
                         valueAtExit = percent->NumberValue();
                     });
    QWidget* focusAtReport = nullptr;
    platform->onMessageBox = [&](const auto&) { focusAtReport = QApplication::focusWidget(); };
    button->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(platform->messageBoxes.empty()); // posted, after the focus change
    Settle();
    EXPECT_EQ(focusAtReport, percent); // the focus is back before the report
    EXPECT_EQ(QApplication::focusWidget(), percent);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(platform->messageBoxes[0].text, "Value is not within required range");
    EXPECT_EQ(platform->messageBoxes[0].icon, MessageBoxIcon::Error);
    EXPECT_EQ(exitsSeen, 1);
    EXPECT_EQ(valueAtExit, 0.0);
    EXPECT_EQ(percent->LastValidationCode(), 256);
    EXPECT_TRUE(percent->HasSelection());
    EXPECT_TRUE(percent->Modified());
    EXPECT_FALSE(TEntryController::DefaultController().ErrorPending);
    EXPECT_EQ(TEntryController::DefaultController().ErrorText, "Value is not within required range");

    // With a handler the box stays shut and the handler gets code and text.
    std::vector<std::pair<int, QString>> reports;
    QObject::connect(
        percent, &TNumericField::OnError, percent,
        [&](QObject*, std::uint16_t code, const QString& msg) { reports.emplace_back(code, msg); });
    amount->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), percent);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].first, 256);
    EXPECT_EQ(platform->messageBoxes.size(), 1u);

    Type(percent, "5");
    button->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_EQ(Shown(percent), "5.0000");
}

TEST_F(NumericFieldForm, SoftValidationLetsTheFocusGo)
{
    percent->SetRange(0, 10);
    percent->SetOptions(TNumericField::efoSoftValidation);
    TabInto(percent);
    Type(percent, "12");
    button->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_TRUE(percent->IsInvalid());
    EXPECT_TRUE(platform->messageBoxes.empty());
    percent->SetNumberValue(3);
    EXPECT_FALSE(percent->IsInvalid());
}

TEST_F(NumericFieldForm, ControllerReportsAndSpecialControls)
{
    TEntryController& c = TEntryController::DefaultController();
    std::vector<int> codes;
    c.OnError = [&](QObject*, std::uint16_t code, const QString&) { codes.push_back(code); };
    c.OnIsSpecialControl = [&](QObject*, QWidget* control, bool& special) { special = control == button; };
    percent->SetRange(0, 10);
    TabInto(percent);
    Type(percent, "12");
    button->setFocus(Qt::TabFocusReason); // special: silent, the focus goes on
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_EQ(percent->LastValidationCode(), 256);
    EXPECT_TRUE(codes.empty());
    c.OnIsSpecialControl = nullptr;
    TabInto(percent);
    Type(percent, "99");
    amount->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(codes, std::vector<int>{256});
    EXPECT_TRUE(platform->messageBoxes.empty());
}

TEST_F(NumericFieldForm, DecimalCommaLocale)
{
    platform->intl = {{"sDecimal", ","}, {"sThousand", "."}};
    TIntlSup::Reload();
    TNumericField* f = MakeField("##,###,###.##");
    f->show();
    f->SetNumberValue(0);
    EXPECT_EQ(Shown(f), "0,00");
    TabInto(f);
    Type(f, "1234,5");
    EXPECT_EQ(Shown(f), "1.234,5");
    Type(f, ".");
    EXPECT_EQ(platform->beeps, 1);
    Tab();
    EXPECT_EQ(Shown(f), "1.234,50");
    EXPECT_EQ(f->NumberValue(), 1234.5);

    platform->intl = {{"sDecimal", ","}, {"sThousand", ","}};
    TIntlSup::Reload();
    EXPECT_EQ(TIntlSup::Instance().DecimalChar, u'.');
    EXPECT_EQ(TIntlSup::Instance().ThousandsChar, u',');
}

TEST_F(NumericFieldForm, TypedValuesRoundAsTypedAndWrittenOnesAsDoubles)
{
    TabInto(percent);
    Type(percent, "7.00005");
    Tab();
    EXPECT_EQ(Shown(percent), "7.0001");
    EXPECT_EQ(percent->NumberValue(), 7.0001);
    TabInto(amount);
    Type(amount, "2.675");
    Tab();
    EXPECT_EQ(Shown(amount), "2.68");
    amount->SetNumberValue(2.675);
    EXPECT_EQ(Shown(amount), "2.67");
    percent->SetNumberValue(7.00005);
    EXPECT_EQ(Shown(percent), "7.0000");
}

// The regional settings that the real platform layer reads from a locale,
// put into the recording double: the fields then work as under that locale.
void UseLocale(quorvant::platform::RecordingPlatform& platform, const char* locale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(std::setlocale(LC_ALL, locale)) << locale << " is not generated (scripts/bootstrap makes it)";
    quorvant::platform::LinuxPlatform real;
    platform.intl.clear();
    for (const char* key :
         {"sDecimal", "sThousand", "sCurrency", "iCurrency", "iCurrDigits", "iNegCurr", "sList"})
        if (const std::string value = real.IntlValue(key, "\x01"); value != "\x01")
            platform.intl[key] = value;
    std::setlocale(LC_ALL, previous.c_str());
    TIntlSup::Reload();
}

// Typing with the locale's decimal character, leaving, copying and pasting
// give one number, shown with the locale's characters, without a beep.
TEST_F(NumericFieldForm, TypedCopiedAndPastedUnderRealLocales)
{
    const struct {
        const char* locale;
        const char* keys;
        double value;
        QString left;
    } rows[] = {
        {"pt_PT.UTF-8", "987,25", 987.25, "987,25"},
        {"pt_PT.UTF-8", "1234567,5", 1234567.5, "1234567,50"},
        {"fr_FR.UTF-8", "1234567,5", 1234567.5, QString::fromUtf16(u"1\u202f234\u202f567,50")},
        {"de_CH.UTF-8", "1234567.5", 1234567.5, QString::fromUtf16(u"1\u2019234\u2019567.50")},
        {"de_DE.UTF-8", "1234567,5", 1234567.5, "1.234.567,50"},
        {"C.UTF-8", "1234567.5", 1234567.5, "1,234,567.50"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.locale);
        UseLocale(*platform, r.locale);
        TNumericField* f = MakeField("##,###,###.##");
        TNumericField* other = MakeField("##,###,###.##");
        f->show();
        other->show();
        TabInto(f);
        Type(f, QString::fromLatin1(r.keys));
        Tab();
        EXPECT_EQ(f->DrawnText().trimmed(), r.left);
        EXPECT_EQ(f->NumberValue(), r.value);
        EXPECT_EQ(platform->beeps, 0);

        TabInto(f);
        QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QString::fromStdString(platform->clipboard), r.left);
        TabInto(other);
        QTest::keyClick(other, Qt::Key_V, Qt::ControlModifier);
        Tab();
        EXPECT_EQ(other->NumberValue(), r.value);
        EXPECT_EQ(other->DrawnText().trimmed(), r.left);

        other->SetNumberValue(2.675); // a double: rounds down as the double lies below
        EXPECT_EQ(other->DrawnText().trimmed(),
                  QString("2.67").replace(u'.', TIntlSup::Instance().DecimalChar));
        delete f;
        delete other;
        button->setFocus(Qt::OtherFocusReason);
        Settle();
    }
}

TEST_F(NumericFieldForm, ClipboardCommands)
{
    amount->SetNumberValue(1234.5);
    TabInto(amount);
    QSignalSpy changes(amount, &TNumericField::OnChange);
    QTest::keyClick(amount, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform->clipboard, "1,234.50");
    EXPECT_EQ(changes.count(), 0);
    QTest::keyClick(amount, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(platform->clipboard, "1,234.50");
    EXPECT_EQ(Shown(amount), "0");
    EXPECT_EQ(changes.count(), 1);
    platform->clipboard = "$98,765.4321";
    QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(amount), "98,765.4321");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(platform->beeps, 0);
    Tab();
    EXPECT_EQ(Shown(amount), "98,765.43");
    // Without a selection copy and cut do nothing.
    QTest::mouseClick(amount, Qt::LeftButton);
    platform->clipboard = "untouched";
    QTest::keyClick(amount, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(platform->clipboard, "untouched");
    EXPECT_EQ(Shown(amount), "98,765.43");
}

TEST_F(NumericFieldForm, KeyCommands)
{
    amount->SetNumberValue(50);
    TabInto(amount);
    QTest::keyClick(amount, Qt::Key_Backspace);
    EXPECT_EQ(Shown(amount), "0"); // over the selection: clears
    Type(amount, "12.");
    QTest::keyClick(amount, Qt::Key_Backspace);
    EXPECT_EQ(amount->DisplayText(), "           12");
    QTest::keyClick(amount, Qt::Key_Delete);
    EXPECT_EQ(Shown(amount), "1");
    QSignalSpy changes(amount, &TNumericField::OnChange);
    QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown(amount), "50.00");
    EXPECT_TRUE(amount->HasSelection());
    EXPECT_FALSE(amount->Modified());
    EXPECT_EQ(changes.count(), 1);
    Type(amount, "7");
    QTest::keyClick(amount, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(Shown(amount), "50.00");

    // Arrows, Home and End change nothing with the program's settings.
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End})
        QTest::keyClick(amount, k);
    EXPECT_EQ(Shown(amount), "50.00");
    EXPECT_FALSE(amount->HasSelection()); // dropped by the commands
    QTest::keyClick(amount, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_TRUE(amount->HasSelection());
    EXPECT_EQ(amount->InsertMode(), true);
    QTest::keyClick(amount, Qt::Key_Insert);
    EXPECT_EQ(amount->InsertMode(), false);
    Tab();
    EXPECT_FALSE(TEntryController::DefaultController().InsertMode); // handed back on leaving

    percent->SetOptions(TNumericField::efoArrowIncDec);
    percent->SetRange(0, 10);
    percent->SetNumberValue(10);
    TabInto(percent);
    QSignalSpy stepped(percent, &TNumericField::OnChange);
    QTest::keyClick(percent, Qt::Key_Up);
    EXPECT_EQ(Shown(percent), "0.0000");
    EXPECT_EQ(stepped.count(), 1);
    EXPECT_TRUE(percent->Modified());
    QTest::keyClick(percent, Qt::Key_Down);
    EXPECT_EQ(Shown(percent), "10.0000");

    percent->SetOptions(TNumericField::efoReadOnly);
    QTest::keyClick(percent, Qt::Key_Backspace);
    Type(percent, "1");
    EXPECT_EQ(Shown(percent), "10.0000");
    EXPECT_EQ(platform->beeps, 2);

    std::vector<int> commands;
    QObject::connect(percent, &TNumericField::OnUserCommand, percent,
                     [&](QObject*, std::uint16_t c) { commands.push_back(c); });
    TEntryController::DefaultController().EntryCommands.Table(0).AddCommand({TKeyCodes::vkF2, 0, 0, 0, 300});
    QTest::keyClick(percent, Qt::Key_F2);
    EXPECT_EQ(commands, std::vector<int>{300});
    TEntryController::DefaultController().EntryCommands.Table(0) = TCommandTable::DefaultTable();
}

TEST_F(NumericFieldForm, AutoAdvanceMovesTheFocus)
{
    TEntryController::DefaultController().EntryOptions |= efoAutoAdvanceLeftRight;
    TabInto(amount);
    QTest::keyClick(amount, Qt::Key_Right);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), percent);
    QTest::keyClick(percent, Qt::Key_Left);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), amount);
}

// The model draws; the field hands it the properties, the focus and the
// modified mark.
TEST_F(NumericFieldForm, ZeroDisplayAndPadding)
{
    result->SetZeroDisplay(TNumericField::zdHide);
    result->SetNumberValue(0);
    EXPECT_EQ(result->DrawnText().trimmed(), "");
    result->SetNumberValue(1);
    EXPECT_EQ(result->DrawnText().trimmed(), "1.00");
    result->SetPadChar(u'*');
    EXPECT_EQ(result->DrawnText(), "*********1.00");
    result->SetOptions(TNumericField::efoPasswordMode);
    EXPECT_EQ(result->DrawnText(), "*************");

    amount->SetZeroDisplayValue(5);
    amount->SetZeroDisplay(TNumericField::zdHideUntilModified);
    amount->SetNumberValue(5);
    EXPECT_EQ(amount->DrawnText().trimmed(), "");
    TabInto(amount);
    EXPECT_EQ(amount->DrawnText().trimmed(), "5.00");
    button->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(amount->DrawnText().trimmed(), "");
    amount->SetModified(true);
    EXPECT_EQ(amount->DrawnText().trimmed(), "5.00");
}

TEST_F(NumericFieldForm, ContextMenuItemsFollowTheState)
{
    amount->SetNumberValue(12);
    TabInto(amount);
    auto items = [&] {
        std::unique_ptr<QMenu> menu(amount->CreateContextMenu());
        std::vector<std::pair<QString, bool>> out;
        for (QAction* a : menu->actions())
            out.emplace_back(a->isSeparator() ? "-" : a->text(), a->isEnabled());
        return out;
    };
    platform->clipboard.clear();
    using Items = std::vector<std::pair<QString, bool>>;
    EXPECT_EQ(items(), (Items{{"&Restore", false},
                              {"-", true},
                              {"Cu&t", true},
                              {"&Copy", true},
                              {"&Paste", false},
                              {"&Delete", true},
                              {"-", true},
                              {"Select &All", false}}));
    Type(amount, "3");
    platform->clipboard = "4";
    const Items typed = items();
    EXPECT_TRUE(typed[0].second);  // modified: Restore
    EXPECT_FALSE(typed[2].second); // nothing selected
    EXPECT_TRUE(typed[4].second);  // the clipboard has text
    EXPECT_TRUE(typed[7].second);
    std::unique_ptr<QMenu> menu(amount->CreateContextMenu());
    menu->actions()[0]->trigger(); // Restore
    EXPECT_EQ(Shown(amount), "12.00");
    EXPECT_TRUE(amount->HasSelection());
    menu.reset(amount->CreateContextMenu());
    menu->actions()[5]->trigger(); // Delete
    EXPECT_EQ(Shown(amount), "0");
    amount->SetOptions(TNumericField::efoReadOnly);
    amount->SelectAll();
    const Items readOnly = items();
    EXPECT_FALSE(readOnly[2].second);
    EXPECT_FALSE(readOnly[4].second);
    EXPECT_FALSE(readOnly[5].second);
    EXPECT_TRUE(readOnly[3].second);
}

TEST_F(NumericFieldForm, NoticesAndAfterEventsArePosted)
{
    TEntryController& c = TEntryController::DefaultController();
    std::vector<std::string> log;
    auto name = [&](const QObject* o) -> std::string {
        return o == amount ? "amount" : o == percent ? "percent" : o == button ? "button" : "?";
    };
    c.OnPreEdit = [&](QObject* s, QWidget* other) { log.push_back("pre " + name(s) + "<" + name(other)); };
    c.OnPostEdit = [&](QObject* s, QWidget* other) { log.push_back("post " + name(s) + ">" + name(other)); };
    QObject::connect(amount, &TNumericField::AfterEnter, amount, [&] { log.push_back("after enter"); });
    QObject::connect(amount, &TNumericField::AfterExit, amount, [&] { log.push_back("after exit"); });
    amount->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(log.empty()); // posted, not called inside the focus change
    Settle();
    percent->setFocus(Qt::TabFocusReason);
    Settle();
    c.OnPreEdit = nullptr;
    c.OnPostEdit = nullptr;
    EXPECT_EQ(log, (std::vector<std::string>{"pre amount<button", "after enter", "post amount>percent",
                                             "after exit", "pre percent<amount"}));
}

TEST_F(NumericFieldForm, UserValidationDecidesToo)
{
    std::uint16_t verdict = 0;
    int calls = 0;
    QObject::connect(percent, &TNumericField::OnUserValidation, percent, [&](QObject*, std::uint16_t& code) {
        ++calls;
        if (code == 0)
            code = verdict;
    });
    percent->SetNumberValue(5);
    EXPECT_EQ(percent->NumberValue(), 5.0);
    EXPECT_EQ(calls, 1); // also the silent check of a read
    verdict = 40000;
    TEntryController::DefaultController().ErrorText = "Five is not allowed";
    EXPECT_EQ(percent->NumberValue(), 0.0);
    EXPECT_EQ(percent->LastValidationCode(), 40000);
    TabInto(percent);
    button->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), percent);
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(platform->messageBoxes[0].text, "Five is not allowed");
    verdict = 300;
    amount->setFocus(Qt::TabFocusReason);
    Settle();
    ASSERT_EQ(platform->messageBoxes.size(), 2u);
    EXPECT_EQ(platform->messageBoxes[1].text, "Entry Error");
}

TEST_F(NumericFieldForm, RangeTextIsChecked)
{
    const struct {
        TNumericField::TNumericDataType type;
        const char* text;
        const char* message;
    } rows[] = {
        {TNumericField::nftDouble, "2e308",
         "Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)"},
        {TNumericField::nftSingle, "1e39", "Invalid range. Enter a value between (-3.4e+38) and (+3.4e+38)"},
        {TNumericField::nftComp, "1e19", "Invalid range. Enter a value between (-9.2e+18) and (+9.2e+18)"},
        {TNumericField::nftReal, "abc", "Invalid range. Enter a value between (-1.7e+38) and (+1.7e+38)"},
        {TNumericField::nftByte, "256", "Invalid range. Enter a value between (0) and (255)"},
        {TNumericField::nftShortInt, "1.5", "Invalid range. Enter a value between (-128) and (127)"},
    };
    for (const auto& r : rows) {
        TNumericField f;
        f.SetDataType(r.type);
        try {
            f.SetRangeHi(r.text);
            ADD_FAILURE() << r.text;
        } catch (const EInvalidRangeValue& e) {
            EXPECT_STREQ(e.what(), r.message);
        }
    }
    TNumericField f;
    f.SetDataType(TNumericField::nftDouble);
    f.SetRangeLo("-5");
    f.SetRangeHi("1e6");
    EXPECT_EQ(f.RangeLo(), "-5");
    EXPECT_EQ(f.RangeHi(), "1000000");
    f.SetAsString("2,500.5");
    EXPECT_EQ(f.AsString(), "2501"); // the default mask has no decimals
    EXPECT_THROW(f.SetAsString("12a"), EEntryFieldError);

    TNumericField g;
    g.SetDataType(TNumericField::nftDouble);
    g.setProperty("RangeLow", f.property("RangeLow"));
    g.setProperty("RangeHigh", f.property("RangeHigh"));
    EXPECT_EQ(g.RangeHi(), "1000000");
}

TEST_F(NumericFieldForm, TwoKeySequencesReachTheField)
{
    TEntryController& c = TEntryController::DefaultController();
    c.EntryCommands.GetCommandTable("WordStar").SetActive(true);
    TabInto(amount);
    Type(amount, "7");
    QTest::keyClick(amount, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_S); // ccHome: no "s", nothing changes
    EXPECT_EQ(Shown(amount), "7");
    QTest::keyClick(amount, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_5); // broken: the character is not typed
    EXPECT_EQ(Shown(amount), "7");
    QTest::keyClick(amount, Qt::Key_Q, Qt::ControlModifier);
    percent->setFocus(Qt::TabFocusReason); // entering a field cancels it
    Settle();
    Type(percent, "5");
    EXPECT_EQ(Shown(percent), "5");
    QTest::keyClick(percent, Qt::Key_P, Qt::ControlModifier); // literal next key
    QTest::keyClick(percent, Qt::Key_Backspace);
    EXPECT_EQ(Shown(percent), "5");
    c.EntryCommands.GetCommandTable("WordStar").SetActive(false);
    QTest::keyClick(percent, Qt::Key_Q, Qt::ControlModifier);
    Type(percent, "6");
    EXPECT_EQ(Shown(percent), "56");
}

TEST_F(NumericFieldForm, UninitializedBlanksUntilModified)
{
    percent->SetUninitialized(true);
    percent->SetNumberValue(3);
    EXPECT_EQ(percent->DrawnText().trimmed(), "");
    TabInto(percent);
    EXPECT_EQ(percent->DrawnText().trimmed(), "3.0000");
    Type(percent, "4");
    button->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_FALSE(percent->Uninitialized());
    EXPECT_EQ(percent->DrawnText().trimmed(), "4.0000");
}

TEST_F(NumericFieldForm, AutoAdvanceOnAFullEntry)
{
    TNumericField* term = MakeField("###");
    term->show();
    TEntryController::DefaultController().EntryOptions |= efoAutoAdvanceChar;
    TabInto(term);
    Type(term, "12");
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), term);
    Type(term, "3");
    Settle();
    EXPECT_NE(QApplication::focusWidget(), term);
    EXPECT_EQ(Shown(term), "123");
}

TEST_F(NumericFieldForm, AnotherWindowIsNoExit)
{
    TabInto(amount);
    Type(amount, "12");
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    Settle();
    EXPECT_TRUE(platform->messageBoxes.empty());
    QApplication::setActiveWindow(form.get());
    Settle();
    ASSERT_EQ(QApplication::focusWidget(), amount);
    EXPECT_TRUE(amount->Modified());
    Type(amount, "3"); // the entry goes on, nothing was selected
    EXPECT_EQ(Shown(amount), "123");
}

TEST_F(NumericFieldForm, MenuShortcutsOtherThanEditingKeysStillWork)
{
    int help = 0, copyAction = 0;
    auto* f1 = new QAction(form.get());
    f1->setShortcut(Qt::Key_F1);
    QObject::connect(f1, &QAction::triggered, form.get(), [&] { ++help; });
    auto* ctrlC = new QAction(form.get());
    ctrlC->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QObject::connect(ctrlC, &QAction::triggered, form.get(), [&] { ++copyAction; });
    form->addAction(f1);
    form->addAction(ctrlC);
    amount->SetNumberValue(5);
    TabInto(amount);
    QTest::keyClick(amount, Qt::Key_F1);
    EXPECT_EQ(help, 1);
    QTest::keyClick(amount, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copyAction, 0); // the field's own copy
    EXPECT_EQ(platform->clipboard, "5.00");
}

TEST_F(NumericFieldForm, TwoRefusedFieldsGiveOneReport)
{
    percent->SetRange(0, 10);
    amount->SetRange(0, 10);
    amount->SetNumberValue(50);
    TabInto(percent);
    Type(percent, "12");
    amount->setFocus(Qt::TabFocusReason); // refused, report pending
    amount->SetOptions({});
    button->setFocus(Qt::TabFocusReason); // amount refuses as well
    Settle();
    ASSERT_EQ(platform->messageBoxes.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), percent);
    EXPECT_FALSE(TEntryController::DefaultController().ErrorPending);
    Settle();
    EXPECT_EQ(platform->messageBoxes.size(), 1u); // and no ping-pong after it
}

TEST_F(NumericFieldForm, SignsAndPeriodsTypedAsKeys)
{
    TabInto(amount);
    Type(amount, "-");
    EXPECT_EQ(Shown(amount), "-0");
    Type(amount, "1.2345678901"); // the sign takes one of the eleven slots
    EXPECT_EQ(Shown(amount), "-1.23456789");
    EXPECT_EQ(platform->beeps, 2);
    Tab();
    EXPECT_EQ(Shown(amount), "-1.23");
    EXPECT_EQ(amount->NumberValue(), -1.23);

    TNumericField* parens = MakeField("###.##p");
    parens->show();
    TabInto(parens);
    Type(parens, "1.5-");
    EXPECT_EQ(parens->DrawnText(), "  (1.5)");
}

TEST_F(NumericFieldForm, ClickIntoAnInactiveWindowSelectsNothing)
{
    result->SetNumberValue(135000);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    Settle();
    // The press comes first; the focus arrives with the activation.
    QTest::mouseClick(result, Qt::LeftButton);
    QApplication::setActiveWindow(form.get());
    Settle();
    ASSERT_EQ(QApplication::focusWidget(), result);
    EXPECT_FALSE(result->HasSelection());
    QTest::mouseDClick(result, Qt::LeftButton);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform->clipboard, "135,000.00");
}

// Qt's menu bar takes the keyboard for menu mode; the field must come back
// as it was, and exit only when the focus goes on to another control.
TEST_F(NumericFieldForm, MenuModeKeepsTheEntryUntilTheFocusMovesOn)
{
    auto* bar = new QMenuBar(form.get());
    bar->addMenu("&File")->addAction("E&xit");
    QSignalSpy exits(quorvant::runtime::TFocusEvents::For(percent), &quorvant::runtime::TFocusEvents::OnExit);
    TabInto(percent);
    Type(percent, "12.3");
    bar->setFocus(Qt::MenuBarFocusReason);
    Settle();
    percent->setFocus(Qt::MenuBarFocusReason);
    Settle();
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(percent->Modified());
    EXPECT_FALSE(percent->HasSelection());
    Type(percent, "45");
    EXPECT_EQ(Shown(percent), "12.345");
    // A click into the field also ends menu mode; the entry goes on.
    bar->setFocus(Qt::MenuBarFocusReason);
    Settle();
    QTest::mouseClick(percent, Qt::LeftButton);
    Settle();
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(percent->Modified());
    Type(percent, "67");
    EXPECT_EQ(Shown(percent), "12.34567");

    // From menu mode the focus goes on (a click, a command): the exit work
    // rounds the value before OnExit reads it.
    QString seen;
    quorvant::runtime::Bind(quorvant::runtime::TFocusEvents::For(percent),
                            &quorvant::runtime::TFocusEvents::OnExit, form.get(),
                            [&](QObject*) { seen = Shown(percent); });
    bar->setFocus(Qt::MenuBarFocusReason);
    Settle();
    amount->setFocus(Qt::MouseFocusReason);
    Settle();
    EXPECT_EQ(seen, "12.3457");
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(percent->HasSelection());
}

// A focus move made while the window is inactive (Reset after a message box,
// the program's activation handler) ends the old field's entry when the
// window is back: whole exit work, no second selection.
TEST_F(NumericFieldForm, AFocusMoveWhileInactiveLeavesTheFieldOnReturn)
{
    TabInto(percent);
    Type(percent, "10.00003");
    QString seen;
    quorvant::runtime::Bind(quorvant::runtime::TFocusEvents::For(percent),
                            &quorvant::runtime::TFocusEvents::OnExit, form.get(),
                            [&](QObject*) { seen = Shown(percent); });
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    Settle();
    amount->setFocus(Qt::OtherFocusReason);
    QApplication::setActiveWindow(form.get());
    Settle();
    ASSERT_EQ(QApplication::focusWidget(), amount);
    EXPECT_EQ(seen, "10.0000");
    EXPECT_FALSE(percent->HasSelection());
    EXPECT_TRUE(amount->HasSelection());
}
