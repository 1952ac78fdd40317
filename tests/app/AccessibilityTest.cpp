// What a screen reader finds in the main window and the custom controls:
// a consistent tree, names, roles, values, actions, and the events that
// tell it about focus, value and text changes.
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "app/MainWindowFixture.h"
#include "app/OnlineAddresses.h"
#include "app/TfrmMain.h"
#include "controls/entry/TNumericField.h"
#include "controls/richtext/TRichLabel.h"
#include "controls/richtext/TRichLabelAccessible.h"
#include "dialogs/TfrmAbout.h"
#include "dialogs/TfrmDisclaim.h"
#include "runtime/TAccessibleEvents.h"
#include "runtime/TApplication.h"
#include "runtime/TImage.h"
#include "runtime/TLabel.h"
#include "runtime/TRuntimeAccessibleFactory.h"
#include "runtime/help/HtmlHelpApi.h"
#include "support/TempFolder.h"
#include "support/TestPlatform.h"

using namespace quorvant;
using app::TfrmMain;
using quorvant::testing::CurrentPlatform;
using quorvant::testing::FreshPlatform;
using quorvant::testing::TempFolder;

namespace {

QString Str(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QAccessibleInterface* Find(QAccessibleInterface* root,
                           const std::function<bool(QAccessibleInterface*)>& match)
{
    if (!root)
        return nullptr;
    if (match(root))
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = Find(root->child(i), match))
            return found;
    return nullptr;
}

QAccessibleInterface* Named(QAccessibleInterface* root, const QString& name, QAccessible::Role role)
{
    return Find(root, [&](QAccessibleInterface* i) {
        return i->role() == role && i->text(QAccessible::Name) == name;
    });
}

int CountRole(QAccessibleInterface* root, QAccessible::Role role)
{
    int count = root->role() == role;
    for (int i = 0; i < root->childCount(); ++i)
        count += CountRole(root->child(i), role);
    return count;
}

QAccessibleInterface* Of(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Every child names its parent back and sits at the index its parent gives it.
void ExpectConsistent(QAccessibleInterface* node, int& visited)
{
    ++visited;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        ASSERT_NE(child, nullptr) << node->text(QAccessible::Name).toStdString() << " child " << i;
        ASSERT_TRUE(child->isValid());
        EXPECT_EQ(child->parent(), node) << child->text(QAccessible::Name).toStdString();
        EXPECT_EQ(node->indexOfChild(child), i) << child->text(QAccessible::Name).toStdString();
        ExpectConsistent(child, visited);
    }
}

// Events as a screen reader would receive them.
struct Heard {
    QAccessible::Event type;
    QObject* object;
    int child;
    QString text;
};
std::vector<Heard> heard;

void Record(QAccessibleEvent* event)
{
    QString text;
    if (event->type() == QAccessible::TextUpdated)
        text = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    else if (event->type() == QAccessible::ValueChanged)
        text = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    else if (event->type() == QAccessible::ObjectShow && event->accessibleInterface())
        text = event->accessibleInterface()->text(QAccessible::Name);
    heard.push_back({event->type(), event->object(), event->child(), text});
}

class Accessibility : public quorvant::testing::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        heard.clear();
    }
    void TearDown() override
    {
        Listen(false);
        runtime::Application().SetMainForm(nullptr);
        MainWindowFixture::TearDown();
    }
    static void Listen(bool on)
    {
        runtime::TAccessibleEvents::SetListener(on ? runtime::TAccessibleEvents::Listener(&Record) : nullptr);
    }
    static bool HeardFrom(QAccessible::Event type, QObject* object, const QString& text = {})
    {
        for (const auto& h : heard)
            if (h.type == type && h.object == object && (text.isEmpty() || h.text == text))
                return true;
        return false;
    }
};

} // namespace

TEST_F(Accessibility, TheWholeTreeIsConsistentFromTheWindowDown)
{
    TfrmMain& w = Open();
    int visited = 0;
    ExpectConsistent(Of(&w), visited);
    EXPECT_GT(visited, 60); // the menu bar, toolbar, three pages, fields, labels, status bar
}

TEST_F(Accessibility, EveryFieldIsAnEditableTextNamedByItsCaption)
{
    TfrmMain& w = Open();
    QAccessibleInterface* root = Of(&w);
    QAccessibleInterface* price = Named(root, "Home Purchase Price:", QAccessible::EditableText);
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(price->object(), w.edtPurchasePrice);
    EXPECT_EQ(price->text(QAccessible::Value), "120,000.00");
    ASSERT_NE(price->textInterface(), nullptr);
    EXPECT_EQ(price->textInterface()->text(0, price->textInterface()->characterCount()), "120,000.00");
    ASSERT_NE(price->valueInterface(), nullptr);
    EXPECT_DOUBLE_EQ(price->valueInterface()->currentValue().toDouble(), 120000);
    EXPECT_TRUE(price->state().editable);
    const auto labelled = price->relations(QAccessible::Labelled);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled[0].first, Of(w.Label5));

    const std::pair<controls::TNumericField*, const char*> fields[] = {
        {w.edtDownPaymentPercent, "Down Payment Percent:"},
        {w.edtDownPayment, "Down Payment:"},
        {w.edtLoan, "Loan Amount:"},
        {w.edtTerm, "Term in Years:"},
        {w.edtInterest, "Interest Rate:"},
        {w.edtPayment, "Monthly Payment (P&I):"},
        {w.edtFixedFees, "TOTAL of Fixed Fees:"},
        {w.edtAPR, "Annual Percentage Rate:"},
        {w.edtOriginationFees, "Origination Fees:"},
        {w.edtPoints, "Discount Points:"},
        {w.edtPrepaidInterest, "Prepaid Mortgage Interest:"},
        {w.edtMIP, "Mortgage Insurance Premiums:"},
        {w.edtBuydown, "Buydown funds:"},
        {w.edtFloodCheck, "Flood check fee:"},
        {w.edtTaxService, "Tax Servicing Fee:"},
        {w.edtOther1, "Appraisal:"},
        {w.edtOther2, "Other Loan & Closing Fees:"},
    };
    for (const auto& [field, caption] : fields) {
        QAccessibleInterface* found = Named(root, caption, QAccessible::EditableText);
        ASSERT_NE(found, nullptr) << caption;
        EXPECT_EQ(found->object(), field) << caption;
        EXPECT_EQ(found->text(QAccessible::Value), field->DrawnText().trimmed()) << caption;
    }
    EXPECT_EQ(Of(w.edtInterest)->text(QAccessible::Value), "6.7500");
    EXPECT_EQ(Of(w.edtTerm)->text(QAccessible::Value), "30");
}

TEST_F(Accessibility, LabelsAreStaticTextWithoutTheirAcceleratorMarks)
{
    TfrmMain& w = Open();
    QAccessibleInterface* label = Of(w.Label6);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    EXPECT_EQ(label->text(QAccessible::Name), "Monthly Payment (P&I):");
    w.Label6->SetCaption("&Payment");
    EXPECT_EQ(label->text(QAccessible::Name), "Payment");
    w.Label6->SetShowAccelChar(false);
    EXPECT_EQ(label->text(QAccessible::Name), "&Payment");
}

TEST_F(Accessibility, TheNotebookIsAPageTabListWhoseTabsHoldThePages)
{
    TfrmMain& w = Open();
    QAccessibleInterface* notebook = Of(w.nbkMain);
    EXPECT_EQ(notebook->role(), QAccessible::PageTabList);
    EXPECT_EQ(notebook->text(QAccessible::Name), "Pages");
    std::vector<QAccessibleInterface*> tabs;
    for (int i = 0; i < notebook->childCount(); ++i)
        if (notebook->child(i)->role() == QAccessible::PageTab)
            tabs.push_back(notebook->child(i));
    ASSERT_EQ(tabs.size(), 3u);
    EXPECT_EQ(tabs[0]->text(QAccessible::Name), "Quorvant");
    EXPECT_EQ(tabs[1]->text(QAccessible::Name), Str(online::Page2Product.name));
    EXPECT_EQ(tabs[2]->text(QAccessible::Name), Str(online::Page3Product.name));
    EXPECT_TRUE(tabs[0]->state().selected);
    EXPECT_FALSE(tabs[1]->state().selected);
    // Hidden pages still have visible tabs, where the tabs are drawn.
    EXPECT_FALSE(tabs[1]->state().invisible);
    EXPECT_EQ(tabs[1]->rect().size(), w.Page2->TabRect().size());
    // The calculator's fields belong to the first tab.
    QAccessibleInterface* price = Of(w.edtPurchasePrice);
    QAccessibleInterface* up = price->parent();
    while (up && up->role() != QAccessible::PageTab)
        up = up->parent();
    EXPECT_EQ(up, tabs[0]);

    ASSERT_TRUE(tabs[1]->actionInterface());
    tabs[1]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.nbkMain->PageIndex(), 1);
    EXPECT_TRUE(tabs[1]->state().selected);
    EXPECT_FALSE(tabs[0]->state().selected);
    // While the notebook has the focus, the current tab is the focused child.
    w.nbkMain->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(w.nbkMain->hasFocus());
    EXPECT_EQ(notebook->focusChild(), tabs[1]);
    EXPECT_TRUE(tabs[1]->state().focused);
    EXPECT_FALSE(tabs[0]->state().focused);
    Listen(true);
    w.nbkMain->SetPageIndex(0);
    EXPECT_TRUE(HeardFrom(QAccessible::Focus, w.Page1));
    EXPECT_EQ(notebook->focusChild(), tabs[0]);
}

TEST_F(Accessibility, ToolbarButtonsAreNamedByTheirLongHintsAndPress)
{
    TfrmMain& w = Open();
    QAccessibleInterface* root = Of(&w);
    QAccessibleInterface* reset = Named(root, "Reset Default Values ...", QAccessible::Button);
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->object(), w.btnReset);
    EXPECT_EQ(reset->text(QAccessible::Description), "Reset");
    for (const char* name : {"Check for New Version ...", "Help ...", "About ...", "Exit"})
        EXPECT_NE(Named(root, name, QAccessible::Button), nullptr) << name;
    EXPECT_EQ(Of(w.btnExit)->text(QAccessible::Description), ""); // no separate short part

    w.edtInterest->SetNumberValue(9);
    ASSERT_TRUE(reset->actionInterface());
    reset->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_DOUBLE_EQ(w.edtInterest->NumberValue(), 6.75);
    EXPECT_DOUBLE_EQ(w.edtPayment->NumberValue(), 700.49); // Reset calculated
}

TEST_F(Accessibility, StatusPanelsAreStaticTextChildrenOfTheStatusBar)
{
    TfrmMain& w = Open();
    QAccessibleInterface* bar = Of(w.statusBar);
    EXPECT_EQ(bar->role(), QAccessible::StatusBar);
    ASSERT_GE(bar->childCount(), 2);
    QAccessibleInterface* web = bar->child(0);
    EXPECT_EQ(web->role(), QAccessible::StaticText);
    EXPECT_EQ(web->text(QAccessible::Name), Str(online::MakerDomain));
    EXPECT_EQ(web->text(QAccessible::Description), "Click to visit " + Str(online::MakerName) + "'s website");
    EXPECT_EQ(web->rect().width(), w.statusBar->Panels()->Items(0)->Rect().width());
    w.statusBar->Panels()->Items(1)->SetText(" Quorvant, 4.5.1");
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), "Quorvant, 4.5.1");
    // Pressing the web panel opens the maker's site, as a click does.
    ASSERT_NE(web->actionInterface(), nullptr);
    web->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(CurrentPlatform().shellRequests.size(), 1u);
    EXPECT_EQ(CurrentPlatform().shellRequests[0].file, std::string(online::MakerHomePage) + w.ReferralSuffix);
    // The hint panel does nothing when clicked.
    bar->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(CurrentPlatform().shellRequests.size(), 1u);
}

TEST_F(Accessibility, PromotionalPagesOfferTheirLinksAndClickablePictures)
{
    TfrmMain& w = Open();
    QAccessibleInterface* tab = Of(w.Page2);
    const QString product = Str(online::Page2Product.name);
    QAccessibleInterface* title = Named(tab, product, QAccessible::Link);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->parent(), Of(w.RichLabel6));
    EXPECT_TRUE(title->text(QAccessible::Description).startsWith(Str(online::Page2Product.homePage)));
    EXPECT_GT(CountRole(tab, QAccessible::Link), 2); // the title and the body's links

    QAccessibleInterface* picture = Of(w.imgScreenshot2);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Click to go online and learn more about " + product);
    ASSERT_NE(picture->actionInterface(), nullptr);
    picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(CurrentPlatform().shellRequests.size(), 1u);
    EXPECT_EQ(CurrentPlatform().shellRequests[0].file,
              std::string(online::Page2Product.homePage) + w.ReferralSuffix);
    // A picture nothing is bound to offers no action.
    runtime::TImage bare;
    EXPECT_TRUE(Of(&bare)->actionInterface()->actionNames().isEmpty());
}

TEST_F(Accessibility, TheHiddenLauncherIsAnInvisibleLink)
{
    TfrmMain& w = Open();
    QAccessibleInterface* link = Of(w.UrlOnline);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_TRUE(link->state().invisible);
    w.UrlOnline->SetURL("https://ostrel.example/");
    EXPECT_EQ(link->text(QAccessible::Name), "https://ostrel.example/");
    w.UrlOnline->SetCaption("Home");
    EXPECT_EQ(link->text(QAccessible::Name), "Home");
    EXPECT_EQ(link->text(QAccessible::Description), "https://ostrel.example/");
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(CurrentPlatform().shellRequests.size(), 1u);
    EXPECT_EQ(CurrentPlatform().shellRequests[0].file, "https://ostrel.example/");
}

TEST_F(Accessibility, ScreenReadersHearValueTextFocusAndPageChanges)
{
    TfrmMain& w = Open();
    Listen(true);
    w.edtPoints->SetNumberValue(1500);
    EXPECT_TRUE(HeardFrom(QAccessible::TextUpdated, w.edtPoints, "1,500.00"));
    EXPECT_TRUE(HeardFrom(QAccessible::ValueChanged, w.edtPoints, "1500"));
    heard.clear();
    w.edtPoints->SetNumberValue(1500);
    EXPECT_TRUE(heard.empty()); // nothing changed, nothing said

    w.edtInterest->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(Of(w.edtInterest)->state().focused);
    EXPECT_EQ(Of(&w)->focusChild(), Of(w.edtInterest));
    heard.clear();
    QTest::keyClicks(w.edtInterest, "7");
    EXPECT_TRUE(HeardFrom(QAccessible::TextUpdated, w.edtInterest, w.edtInterest->DrawnText().trimmed()));
    heard.clear();
    // Leaving the field reformats it and calculates: the results speak too.
    w.edtOriginationFees->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(HeardFrom(QAccessible::TextUpdated, w.edtInterest, "7.0000"));
    EXPECT_TRUE(HeardFrom(QAccessible::TextUpdated, w.edtPayment, w.edtPayment->DrawnText().trimmed()));

    heard.clear();
    w.nbkMain->SetPageIndex(2);
    EXPECT_TRUE(HeardFrom(QAccessible::Selection, w.Page3));
    EXPECT_TRUE(HeardFrom(QAccessible::StateChanged, w.Page1));

    heard.clear();
    w.statusBar->Panels()->Items(1)->SetText("Something else");
    EXPECT_TRUE(HeardFrom(QAccessible::NameChanged, w.statusBar->Panels()->Items(1)));
    w.Label5->SetCaption("Price:");
    EXPECT_TRUE(HeardFrom(QAccessible::NameChanged, w.Label5));
}

TEST_F(Accessibility, TheMainWindowIsAFrameAndEachDialogADialogReadByItsText)
{
    TfrmMain& w = Open();
    runtime::Application().SetMainForm(&w);
    QAccessibleInterface* main = Of(&w);
    EXPECT_EQ(main->role(), QAccessible::Window);
    EXPECT_EQ(main->text(QAccessible::Name), w.windowTitle());
    EXPECT_EQ(main->text(QAccessible::Description), "");

    Listen(true);
    auto* disclaimer = new dialogs::TfrmDisclaim;
    disclaimer->show();
    QApplication::setActiveWindow(disclaimer);
    QApplication::processEvents();
    QAccessibleInterface* dialog = Of(disclaimer);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), "Disclaimer");
    EXPECT_EQ(
        dialog->text(QAccessible::Description),
        "Though effort was made to ensure the accuracy of these calculations, there is NO WARRANTY, express "
        "or implied, for the accuracy or applicability of this information to your particular financial "
        "question. Consult your financial advisor before making any financial decision.");
    // None of its controls takes the focus: the dialog holds it, and says so.
    EXPECT_TRUE(dialog->state().focused);
    EXPECT_TRUE(HeardFrom(QAccessible::Focus, disclaimer));
    QAccessibleInterface* ok = Named(dialog, "OK", QAccessible::Button);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(QAccessible::Description), "Close Disclaimer");
    disclaimer->Free();

    heard.clear();
    auto* about =
        new dialogs::TfrmAbout(w.ProgramFolder, w.ReferralSuffix, std::string(online::MakerHomePage));
    about->show();
    QApplication::setActiveWindow(about);
    QApplication::processEvents();
    dialog = Of(about);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), "About Quorvant, 4.5.1");
    const QStringList lines = dialog->text(QAccessible::Description).split(u'\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "Quorvant"); // top to bottom
    EXPECT_TRUE(lines.contains("Version 4.5.1"));
    EXPECT_TRUE(lines.contains("Compiled February 11, 2010"));
    // Its button has the focus and is what a screen reader hears.
    ASSERT_TRUE(about->isActiveWindow());
    EXPECT_TRUE(about->isAncestorOf(QApplication::focusWidget()));
    EXPECT_FALSE(dialog->state().focused);
    EXPECT_FALSE(HeardFrom(QAccessible::Focus, about));
    about->Free();
}

TEST_F(Accessibility, ANewRateIsAnnouncedByTheWindowAfterACalculation)
{
    TfrmMain& w = Open();
    QAccessibleInterface* main = Of(&w);
    const int children = main->childCount();
    Listen(true);
    w.edtInterest->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(w.edtInterest, "7");
    w.edtOriginationFees->setFocus();
    QApplication::processEvents();
    const QString said = "Annual Percentage Rate: " + w.edtAPR->DrawnText().trimmed();
    EXPECT_TRUE(HeardFrom(QAccessible::ObjectShow, nullptr, said));
    ASSERT_EQ(main->childCount(), children + 1);
    QAccessibleInterface* notification = main->child(children);
    EXPECT_EQ(notification->role(), QAccessible::Notification);
    EXPECT_EQ(notification->text(QAccessible::Name), said);
    int visited = 0;
    ExpectConsistent(main, visited);

    // The same rate again says nothing; a new one replaces the message.
    heard.clear();
    w.edtTerm->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(HeardFrom(QAccessible::ObjectShow, nullptr));
    QTest::keyClicks(w.edtTerm, "15");
    w.edtInterest->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(HeardFrom(QAccessible::ObjectHide, nullptr));
    EXPECT_TRUE(HeardFrom(QAccessible::ObjectShow, nullptr,
                          "Annual Percentage Rate: " + w.edtAPR->DrawnText().trimmed()));
    EXPECT_EQ(main->childCount(), children + 1);
}

TEST(MessageBoxAccessible, AnAlertNamedByItsTitleAndDescribedByItsPlainText)
{
    runtime::TRuntimeAccessibleFactory::Install();
    QMessageBox box(QMessageBox::Information, "Information", "First line\nsecond line\n\nLast.",
                    QMessageBox::Ok);
    QAccessibleInterface* alert = Of(&box);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), "Information");
    EXPECT_EQ(alert->text(QAccessible::Description), "First line\nsecond line\n\nLast.");
    box.setText("<b>Saved</b> as <i>quorvant.ini</i>");
    box.setInformativeText("Nothing else changed.");
    EXPECT_EQ(alert->text(QAccessible::Description), "Saved as quorvant.ini\nNothing else changed.");
}

TEST(RichLabelText, ParagraphsBreaksAndListItemsAreReadAsLinesHiddenRunsNot)
{
    using controls::TRichLabelAccessible;
    const std::pair<const char*, const char*> rows[] = {
        {"<P align=\"center\">A heading.<br></font></P><P>Enter your income</P>",
         "A heading.\nEnter your income"},
        {"one<BR>two<hr>three", "one\ntwo\nthree"},
        {"Intro<UL><LI>first</LI><LI>second</LI></UL>after", "Intro\nfirst\nsecond\nafter"},
        {"a <b>bold</b>  run\r\nnext\nline", "a bold run\nnextline"},
        {"shown<Z>hidden</Z> too <z>gone", "shown too"},
        {"5 &lt; 6 &amp; &copy;&nbsp;2010", "5 < 6 & \u00A9 2010"},
        {"cut <b", "cut"},
    };
    for (const auto& [markup, read] : rows)
        EXPECT_EQ(TRichLabelAccessible::ReadableText(QString::fromUtf8(markup)), QString::fromUtf8(read))
            << markup;
}

TEST(FieldCaption, WithoutALinkTheLabelEndingLeftOfTheFieldOnItsRowNamesIt)
{
    QWidget parent;
    auto* above = new runtime::TLabel(&parent);
    above->setGeometry(5, 5, 165, 15);
    above->SetCaption("Above:");
    auto* caption = new runtime::TLabel(&parent);
    caption->setGeometry(5, 36, 165, 15);
    caption->SetCaption("&Rate:");
    auto* farther = new runtime::TLabel(&parent);
    farther->setGeometry(0, 36, 3, 15);
    farther->SetCaption("x");
    auto* right = new runtime::TLabel(&parent);
    right->setGeometry(290, 36, 60, 15);
    right->SetCaption("per cent");
    auto* field = new controls::TNumericField(&parent);
    field->setGeometry(175, 32, 103, 23);
    EXPECT_EQ(Of(field)->text(QAccessible::Name), "Rate:");
    field->SetCaptionLabel(above);
    EXPECT_EQ(Of(field)->text(QAccessible::Name), "Above:");
    field->setAccessibleName("Own name");
    EXPECT_EQ(Of(field)->text(QAccessible::Name), "Own name");

    auto* lonely = new controls::TNumericField(&parent);
    lonely->setGeometry(175, 100, 103, 23);
    EXPECT_EQ(Of(lonely)->text(QAccessible::Name), "");
}

TEST(FieldCaption, AReadOnlyFieldRefusesValuesFromAssistiveTechnology)
{
    FreshPlatform();
    QWidget parent;
    auto* field = new controls::TNumericField(&parent);
    field->SetDataType(controls::TNumericField::nftDouble);
    field->SetPictureMask("###.##");
    QAccessibleValueInterface* value = Of(field)->valueInterface();
    value->setCurrentValue(12.5);
    EXPECT_EQ(field->DrawnText(), " 12.50");
    value->setCurrentValue(12345.0); // would lose a digit
    EXPECT_EQ(field->DrawnText(), " 12.50");
    field->SetOptions(field->Options() | controls::TNumericField::efoReadOnly);
    value->setCurrentValue(3.0);
    EXPECT_EQ(field->DrawnText(), " 12.50");
    EXPECT_TRUE(Of(field)->state().readOnly);
}

TEST(RichLabelAnchors, EachAnchorIsALinkChildThatClicksLikeTheMouse)
{
    auto& os = FreshPlatform();
    QWidget parent;
    auto* label = new controls::TRichLabel(&parent);
    label->setGeometry(0, 0, 300, 40);
    label->SetMarkupText(QStringLiteral("Visit <a href=\"https://ostrel.example/\">our <b>site</b></a> or "
                                        "<A HREF=\"mailto:desk@ostrel.example\">mail us</A>."));
    QAccessibleInterface* text = Of(label);
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    EXPECT_EQ(text->text(QAccessible::Name), "Visit our site or mail us.");
    ASSERT_EQ(text->childCount(), 2);
    QAccessibleInterface* site = text->child(0);
    EXPECT_EQ(site->role(), QAccessible::Link);
    EXPECT_EQ(site->text(QAccessible::Name), "our site");
    EXPECT_EQ(site->text(QAccessible::Description), "https://ostrel.example/");
    EXPECT_EQ(text->child(1)->text(QAccessible::Name), "mail us");
    EXPECT_EQ(site->parent(), text);
    EXPECT_EQ(text->indexOfChild(text->child(1)), 1);

    QString clicked;
    QObject::connect(label, &controls::TRichLabel::OnAnchorClick, label,
                     [&](QObject*, const QString& anchor) { clicked = anchor; });
    text->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked, "mailto:desk@ostrel.example");
    ASSERT_EQ(os.shellRequests.size(), 1u);
    EXPECT_EQ(os.shellRequests[0].file, "mailto:desk@ostrel.example");

    // New markup, new children; an unclosed anchor runs to the end.
    label->SetMarkupText(QStringLiteral("Only <a href=\"https://ostrel.example/x\">one"));
    ASSERT_EQ(text->childCount(), 1);
    EXPECT_EQ(text->child(0)->text(QAccessible::Name), "one");
    EXPECT_EQ(text->child(0)->text(QAccessible::Description), "https://ostrel.example/x");
}
