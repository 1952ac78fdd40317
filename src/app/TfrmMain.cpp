#include "app/TfrmMain.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QMenuBar>
#include <QShortcut>
#include <iterator>
#include <utility>

#include "QuorvantVersion.h"
#include "app/OnlineAddresses.h"
#include "app/PromotionalCopy.h"
#include "controls/entry/TNumericFieldAccessible.h"
#include "controls/richtext/TRichHint.h"
#include "dialogs/TfrmAbout.h"
#include "dialogs/TfrmDisclaim.h"
#include "finance/MathError.h"
#include "platform/Platform.h"
#include "platform/TAltCueFix.h"
#include "platform/uCompositionFuncs.h"
#include "runtime/ControlProperties.h"
#include "runtime/DesignFont.h"
#include "runtime/GlyphImages.h"
#include "runtime/Guard.h"
#include "runtime/TApplication.h"
#include "runtime/TColor.h"
#include "runtime/TFocusEvents.h"
#include "runtime/TScreen.h"
#include "runtime/help/HtmlHelpApi.h"
#include "worksheet/SettingsFile.h"
#include "worksheet/WorksheetCalculation.h"

namespace quorvant::app {

TfrmMain* frmMain = nullptr;

namespace {

// Product name and shown version: the title bar and the status bar's second panel.
QString ProductAndVersion()
{
    return QString::fromUtf8(version::ProductName) + QStringLiteral(", ") +
           QString::fromUtf8(version::DisplayVersion);
}

} // namespace

const char* const CalculationFailedMessage = "Results of this calculation cannot be determined\n\r"
                                             "using the values you have entered.\n\r"
                                             "\n\r"
                                             "Please try again with different values.";

std::string GeneralFailureMessage()
{
    return "An problem has occurred.\r\n"
           "\r\n"
           "If you wish contact Brackwell Software    \r\n"
           "\r\n"
           "at:  " +
           std::string(online::SupportEmail);
}

namespace {

constexpr int ClientWidth = 656;
constexpr int ClientHeight = 406;
constexpr int FirstRunHelpContext = 10000;

// Reads and writes the worksheet through the window's fields. A result the
// field cannot show whole counts as a result that cannot be determined.
class FieldsOfWindow : public WorksheetFields {
public:
    explicit FieldsOfWindow(const TfrmMain& form) : form_(form) {}
    double ReadInput(WorksheetInput input) override { return form_.InputField(input)->NumberValue(); }
    void WriteResult(WorksheetResult result, double value) override
    {
        controls::TNumericField* field = form_.ResultField(result);
        if (!field->ValueFits(value))
            throw MathError(MathError::Kind::Overflow);
        field->SetNumberValue(value);
    }

private:
    const TfrmMain& form_;
};

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : TForm(parent)
{
    app::frmMain = this;
    setupUi(this);
    ArrangeWindow();
    LinkCaptions();
    BindEvents();
    DoCreate();
}

TfrmMain::~TfrmMain()
{
    DoDestroy();
}

controls::TNumericField* TfrmMain::InputField(WorksheetInput input) const
{
    switch (input) {
    case WorksheetInput::PurchasePrice:
        return edtPurchasePrice;
    case WorksheetInput::DownPaymentPercent:
        return edtDownPaymentPercent;
    case WorksheetInput::Term:
        return edtTerm;
    case WorksheetInput::Interest:
        return edtInterest;
    case WorksheetInput::OriginationFees:
        return edtOriginationFees;
    case WorksheetInput::Points:
        return edtPoints;
    case WorksheetInput::PrepaidInterest:
        return edtPrepaidInterest;
    case WorksheetInput::MIP:
        return edtMIP;
    case WorksheetInput::Buydown:
        return edtBuydown;
    case WorksheetInput::FloodCheck:
        return edtFloodCheck;
    case WorksheetInput::TaxService:
        return edtTaxService;
    case WorksheetInput::Other1:
        return edtOther1;
    case WorksheetInput::Other2:
        return edtOther2;
    }
    return nullptr;
}

controls::TNumericField* TfrmMain::ResultField(WorksheetResult result) const
{
    switch (result) {
    case WorksheetResult::DownPayment:
        return edtDownPayment;
    case WorksheetResult::LoanAmount:
        return edtLoan;
    case WorksheetResult::MonthlyPayment:
        return edtPayment;
    case WorksheetResult::FixedFeesTotal:
        return edtFixedFees;
    case WorksheetResult::Apr:
        return edtAPR;
    }
    return nullptr;
}

// Assistive technology names each field by the label beside it.
void TfrmMain::LinkCaptions()
{
    const std::pair<controls::TNumericField*, runtime::TLabel*> captions[] = {
        {edtPurchasePrice, Label5}, {edtDownPaymentPercent, Label4},
        {edtDownPayment, Label18},  {edtLoan, Label1},
        {edtTerm, Label3},          {edtInterest, Label2},
        {edtPayment, Label6},       {edtFixedFees, Label17},
        {edtAPR, Label16},          {edtOriginationFees, Label11},
        {edtPoints, Label10},       {edtPrepaidInterest, Label7},
        {edtMIP, Label9},           {edtBuydown, Label8},
        {edtFloodCheck, Label12},   {edtTaxService, Label13},
        {edtOther1, Label14},       {edtOther2, Label15},
    };
    for (const auto& [field, label] : captions)
        field->SetCaptionLabel(label);
}

// The menu bar sits above the designed client area; the window keeps the
// designed size and cannot be resized.
void TfrmMain::ArrangeWindow()
{
    // The designed fonts, whatever the desktop's font: the notebook's tabs
    // and the status bar's hint panel in the window's font; only the menus
    // follow the desktop, and the menu bar takes their face.
    setFont(runtime::DesignFont(QStringLiteral("Arial"), 12));
    nbkMain->SetActiveTabFont(font());
    statusBar->SetParentFont(true);
    mnuMain->setFont(runtime::DesktopMenuFont());
    QFont launcherFont = runtime::DesignFont(QStringLiteral("MS Sans Serif"), 11);
    launcherFont.setUnderline(true);
    UrlOnline->setFont(launcherFont);
    UrlOnline->SetFontColor(runtime::clBlue);
    const int menuHeight = mnuMain->sizeHint().height();
    mnuMain->setGeometry(0, 0, ClientWidth, menuHeight);
    ClientArea->setGeometry(0, menuHeight, ClientWidth, ClientHeight);
    HandleSizeLimits();
    SetBorderIcons(runtime::biSystemMenu | runtime::biMinimize);
    runtime::SetShowHint(this, false);
    DescribeOnlineItems();
    DescribeStatusPanels();
    DescribePromotionalPages();
}

void TfrmMain::DescribePromotionalPages()
{
    // System colours do not fit a window description's numbers.
    Panel1->SetColor(runtime::clWindow);
    Panel2->SetColor(runtime::clWindow);
    const PromotionalCopy page2 = Page2Copy();
    RichLabel6->SetMarkupText(page2.Title);
    RichLabel4->SetMarkupText(page2.Body);
    RichLabel5->SetMarkupText(page2.Footer);
    runtime::SetHint(imgScreenshot2, page2.PictureHint);
    const PromotionalCopy page3 = Page3Copy();
    RichLabel7->SetMarkupText(page3.Title);
    RichLabel8->SetMarkupText(page3.Body);
    RichLabel1->SetMarkupText(page3.Footer);
    runtime::SetHint(imgScreenshot3, page3.PictureHint);

    // Every tooltip of the program becomes a rounded rich-text hint.
    RichHint1 = new controls::TRichHint(this);
    RichHint1->SetHintFont(runtime::DesignFont(QStringLiteral("Tahoma"), 11));
    RichHint1->SetHintFontColor(runtime::clInfoText);
    RichHint1->SetHintStyle(controls::TRichHint::hsRounded);
    RichHint1->SetMaxWidth(0);
    RichHint1->SetURLColor(runtime::clBlack);
    RichHint1->SetXMargin(0);
    RichHint1->SetYMargin(0);
    RichHint1->SetEllipsis(false);
}

// A screenshot opens its product's home page with the program's referral.
void TfrmMain::imgScreenshot2Click(QObject*)
{
    UrlOnline->SetURL(QString::fromUtf8(online::Page2Product.homePage.data()) +
                      QString::fromStdString(ReferralSuffix));
    UrlOnline->Click();
}

void TfrmMain::imgScreenshot3Click(QObject*)
{
    UrlOnline->SetURL(QString::fromUtf8(online::Page3Product.homePage.data()) +
                      QString::fromStdString(ReferralSuffix));
    UrlOnline->Click();
}

void TfrmMain::imgScreenshot2MouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    imgScreenshot2->setCursor(Qt::PointingHandCursor);
}

void TfrmMain::imgScreenshot3MouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    imgScreenshot3->setCursor(Qt::PointingHandCursor);
}

// Captions that name the maker, its domain and its products come from the
// one table of addresses.
void TfrmMain::DescribeOnlineItems()
{
    const QString domain =
        QString::fromUtf8(online::MakerDomain.data(), qsizetype(online::MakerDomain.size()));
    mnuOnlineHome->setText(u'&' + domain);
    mnuInternetEmail->menuAction()->setVisible(false);
    // Menu images keep their stored transparent colour out of sight, at
    // every resolution they come in.
    for (QAction* item : findChildren<QAction*>()) {
        if (!item->icon().isNull())
            item->setIcon(runtime::GlyphImageSet(item->icon(), 1, 0));
    }
    const auto items = ProductItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i]->setText(QString::fromUtf8(online::Products[i].menuCaption.data(),
                                            qsizetype(online::Products[i].menuCaption.size())));
    const auto name = [](const online::Product& product) {
        return QString::fromUtf8(product.name.data(), qsizetype(product.name.size()));
    };
    Page2->SetCaption(u' ' + name(online::Page2Product) + QStringLiteral("  "));
    Page3->SetCaption(u' ' + name(online::Page3Product) + u' ');
}

void TfrmMain::DescribeStatusPanels()
{
    using controls::TStatusPanel;
    const QString domain =
        QString::fromUtf8(online::MakerDomain.data(), qsizetype(online::MakerDomain.size()));
    TStatusPanel* web = statusBar->Panels()->Add();
    web->SetName(QStringLiteral("WebPanel"));
    web->SetWidth(120);
    QFont webFont = runtime::DesignFont(QStringLiteral("Arial"), 11);
    webFont.setUnderline(true);
    web->SetFont(webFont);
    web->SetFontColor(runtime::clBlue);
    web->TextStyle()->SetAlignment(controls::TPanelTextStyle::taCenter);
    web->SetBevel(TStatusPanel::apbNone);
    web->SetText(domain);
    web->SetHint(QStringLiteral(" Click to visit ") + QString::fromUtf8(online::MakerName.data()) +
                 QStringLiteral("'s website"));
    TStatusPanel* hint = statusBar->Panels()->Add();
    hint->SetName(QStringLiteral("HintPanel"));
    hint->SetWidth(482);
    hint->SetText(domain);
}

void TfrmMain::HandleSizeLimits()
{
    SetFixedFormSize(ClientWidth, mnuMain->height() + ClientHeight);
}

void TfrmMain::BindEvents()
{
    using runtime::Bind;
    for (const auto& key : SettingsKeys) {
        auto* events = runtime::TFocusEvents::For(InputField(key.input));
        Bind(events, &runtime::TFocusEvents::OnExit, this, &TfrmMain::Calculate);
    }
    const auto click = [this](QAction* item, void (TfrmMain::*handler)(QObject*)) {
        Bind(item, &QAction::triggered, this, [this, item, handler] { (this->*handler)(item); });
    };
    click(mnuFileReset, &TfrmMain::Reset);
    click(mnuFileExit, &TfrmMain::btnExitClick);
    for (QAction* item : {mnuOnlineHome, mnuOnlineAppInfo, mnuOnlineSuggestionBox, mnuOnlineSupport,
                          mnuOnlineFreeware, mnuOnlineBlog, mnuMailSuggestions, mnuMailSupport})
        click(item, &TfrmMain::GoOnline);
    for (QAction* item : ProductItems())
        click(item, &TfrmMain::GoOnline);
    click(mnuOnlineCheckForUpdate, &TfrmMain::GoOnline);
    click(Contents1, &TfrmMain::MnuHelpContentsClick);
    click(mnuHelpDisclaimer, &TfrmMain::ShowDisclaimer);
    click(About1, &TfrmMain::ShowAbout);
    click(mnuPopHelp, &TfrmMain::MnuHelpContentsClick);
    click(mnuPopDisclaim, &TfrmMain::ShowDisclaimer);
    click(mnuPopAbout, &TfrmMain::ShowAbout);
    click(mnuPopExit, &TfrmMain::btnExitClick);
    // F1 works wherever the focus is in the window, as a menu shortcut does.
    Contents1->setShortcutContext(Qt::WindowShortcut);
    addAction(Contents1);
    // Alt+F4 closes the window even where no window manager provides it.
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    Bind(closeKey, &QShortcut::activated, this, &TfrmMain::btnExitClick);

    using runtime::TSpeedButton;
    Bind(btnReset, &TSpeedButton::OnClick, this, &TfrmMain::Reset);
    Bind(btnUpdate, &TSpeedButton::OnClick, this, &TfrmMain::GoOnline);
    Bind(btnHelp, &TSpeedButton::OnClick, this, &TfrmMain::MnuHelpContentsClick);
    Bind(btnAbout, &TSpeedButton::OnClick, this, &TfrmMain::ShowAbout);
    Bind(btnExit, &TSpeedButton::OnClick, this, &TfrmMain::btnExitClick);

    using runtime::TImage;
    Bind(imgScreenshot2, &TImage::OnClick, this, &TfrmMain::imgScreenshot2Click);
    Bind(imgScreenshot3, &TImage::OnClick, this, &TfrmMain::imgScreenshot3Click);
    Bind(imgScreenshot2, &TImage::OnMouseMove, this, &TfrmMain::imgScreenshot2MouseMove);
    Bind(imgScreenshot3, &TImage::OnMouseMove, this, &TfrmMain::imgScreenshot3MouseMove);

    Bind(nbkMain, &controls::TTabNotebook::OnPageChanged, this, &TfrmMain::nbkMainPageChanged);
    Bind(nbkMain, &controls::TTabNotebook::OnMouseMove, this, &TfrmMain::nbkMainMouseMove);
    Bind(statusBar, &controls::TPanelStatusBar::OnMouseMove, this, &TfrmMain::statusBarMouseMove);
    Bind(statusBar, &controls::TPanelStatusBar::OnPanelClick, this, &TfrmMain::statusBarPanelClick);
    Bind(statusBar, &controls::TPanelStatusBar::OnResize, this, &TfrmMain::statusBarResize);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event)
{
    mnuPop->popup(event->globalPos());
}

// The screenshots sit on pages most people never open: they are decoded when
// their page is first shown, not at start-up.
void TfrmMain::nbkMainPageChanged(QObject*, int Index)
{
    runtime::TImage* image = Index == 1 ? imgScreenshot2 : Index == 2 ? imgScreenshot3 : nullptr;
    if (image && image->Picture().isNull())
        image->SetPicture(
            QPixmap(QStringLiteral(":/images/") + image->objectName() + QStringLiteral(".png")));
}

void TfrmMain::nbkMainMouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    statusBar->Panels()->Items(1)->SetText(QLatin1Char(' ') + ProductAndVersion());
}

void TfrmMain::statusBarMouseMove(QObject*, Qt::KeyboardModifiers, int X, int)
{
    const int W = statusBar->Panels()->Items(0)->Width();
    statusBar->setCursor(X < W - 5 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    const QString domain =
        QString::fromUtf8(online::MakerDomain.data(), qsizetype(online::MakerDomain.size()));
    statusBar->Panels()->Items(1)->SetText(X > W ? QString::fromUtf8(online::MakerName.data())
                                                 : QStringLiteral("Click to visit ") + domain);
}

// A failure to open the page is swallowed: the status bar stays as it was.
void TfrmMain::statusBarPanelClick(QObject*, controls::TStatusPanel* Panel, Qt::MouseButton,
                                   Qt::KeyboardModifiers, int, int)
{
    if (Panel->Name() != QStringLiteral("WebPanel"))
        return;
    try {
        GoOnline(statusBar);
    } catch (...) {
    }
}

void TfrmMain::statusBarResize(QObject*)
{
    statusBar->Panels()->Items(1)->SetWidth(statusBar->width() - statusBar->Panels()->Items(0)->Width() - 2);
}

void TfrmMain::CreateParams(runtime::TCreateParams& params)
{
    TForm::CreateParams(params);
    SetMainWindowStyles(params);
}

// The main window carries the program's taskbar button itself.
void TfrmMain::SetMainWindowStyles(runtime::TCreateParams& params)
{
    params.ExStyle = (params.ExStyle & ~runtime::WS_EX_TOOLWINDOW) | runtime::WS_EX_APPWINDOW;
}

// There is no hidden owner window on our desktops: the main window is the
// only top-level window with a taskbar entry (dialogs are transient for it).
void TfrmMain::SetupTaskbarButton()
{
    setWindowFlag(Qt::Tool, false);
}

void TfrmMain::FormCreate(QObject* Sender)
{
    SetupTaskbarButton();
    ApplyCompositionLook();
    altCueFix_ = new platform::TAltCueFix(this);
    setWindowTitle(ProductAndVersion());
    auto& os = platform::ThePlatform();
    SettingsFolder = os.KnownConfigFolder();
    ProductSubfolder = ProductSubfolderName;
    const std::string program = os.ProgramFilePath();
    ProgramFolder = program.substr(0, program.rfind('/') + 1);

    auto& app = runtime::Application();
    app.OnActivate = [this] { ApplicationActivate(); };
    app.OnException = [this](QObject* sender, std::exception_ptr e) { AppOnException(sender, e); };
    app.OnHint = [this](QObject* sender) { ApplicationHint(sender); };

    app.HelpFile = QString::fromStdString(ProgramFolder) + QStringLiteral("quorvantcalc.chm");
    app.HintPause = 400;
    app.HintHidePause = 4000;
    ReferralSuffix = std::string(online::ReferralKey) + std::string(online::ReferralCode);

    LoadSettingsIntoFields();
    if (!Run) {
        struct RunAfterwards {
            bool& run;
            ~RunAfterwards() { run = true; }
        } runAfterwards{Run};
        app.HelpContext(FirstRunHelpContext);
    }
    TForm::FormCreate(Sender);
}

void TfrmMain::LoadSettingsIntoFields()
{
    const auto values = LoadSettings(SettingsFilePath(SettingsFolder, ProductSubfolder),
                                     platform::ThePlatform().DecimalSeparator());
    LastValues = values.LastValues;
    Run = values.Run;
    for (const auto& key : SettingsKeys)
        InputField(key.input)->SetNumberValue(LastValues[key.input]);
}

void TfrmMain::ApplyCompositionLook()
{
    if (platform::IsCompositionEnabled()) {
        pnlTop->SetColor(runtime::clBlack);
        platform::ExtendFrame(platform::WindowHandle(this), platform::TRect{0, 0, 0, 24});
    } else {
        pnlTop->SetColor(runtime::clBtnFace);
    }
}

void TfrmMain::FormActivate(QObject* Sender)
{
    if (QWidget* active = runtime::Screen().ActiveForm())
        active->raise();
    TForm::FormActivate(Sender);
}

void TfrmMain::ApplicationActivate()
{
    if (QWidget* active = runtime::Screen().ActiveForm()) {
        active->raise();
        active->activateWindow();
    }
    if (nbkMain->PageIndex() == 0)
        edtPurchasePrice->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::AppOnException(QObject* Sender, std::exception_ptr E)
{
    auto& os = platform::ThePlatform();
    try {
        std::rethrow_exception(E);
    } catch (const MathError&) {
        os.ShowMessageBox(this, CalculationFailedMessage, "Information",
                          platform::MessageBoxIcon::Information);
        Reset(Sender);
    } catch (...) {
        os.ShowMessageBox(this, GeneralFailureMessage(), "Information",
                          platform::MessageBoxIcon::Information);
    }
}

void TfrmMain::ApplicationHint(QObject*)
{
    statusBar->Panels()->Items(1)->SetText(runtime::GetLongHint(runtime::Application().Hint()));
}

void TfrmMain::Calculate(QObject*)
{
    FieldsOfWindow fields(*this);
    const QString aprBefore = edtAPR->DrawnText();
    LastValues = CalculateWorksheet(fields, platform::ThePlatform().DecimalSeparator());
    // A screen reader hears a new rate without going to look for it.
    if (edtAPR->DrawnText() != aprBefore)
        controls::TNumericFieldAccessible::AnnounceValue(edtAPR);
}

void TfrmMain::Reset(QObject* Sender)
{
    nbkMain->SetPageIndex(0);
    for (const auto& key : SettingsKeys)
        InputField(key.input)->SetNumberValue(key.Default);
    if (nbkMain->PageIndex() == 0)
        edtPurchasePrice->setFocus(Qt::OtherFocusReason);
    Calculate(Sender);
}

void TfrmMain::SaveValuesAtExit()
{
    SaveSettings(SettingsFilePath(SettingsFolder, ProductSubfolder), SettingsValues{LastValues, Run},
                 platform::ThePlatform().DecimalSeparator());
}

// A failed save is reported, and the window closes all the same: a program
// that can never be closed would be worse than one lost save.
void TfrmMain::FormClose(QObject* Sender, runtime::TCloseAction& Action)
{
    runtime::Application().HelpCommand(runtime::HELP_QUIT, 0);
    Action = runtime::TCloseAction::caFree;
    try {
        SaveValuesAtExit();
    } catch (...) {
        runtime::Application().HandleException(this, std::current_exception());
    }
    TForm::FormClose(Sender, Action);
}

void TfrmMain::FormDestroy(QObject* Sender)
{
    TForm::FormDestroy(Sender);
    if (app::frmMain == this)
        app::frmMain = nullptr;
}

void TfrmMain::btnExitClick(QObject*)
{
    Close();
}

void TfrmMain::MnuHelpContentsClick(QObject*)
{
    runtime::Application().HelpCommand(runtime::HELP_CONTENTS, 0);
}

// The first row that names the sender sets the launcher's address; the
// launcher is clicked whatever matched.
void TfrmMain::GoOnline(QObject* Sender)
{
    const std::string site(online::BrackwellSite);
    std::string address;
    bool known = true;
    if (Sender == mnuOnlineHome || Sender == statusBar)
        address = std::string(online::MakerHomePage) + ReferralSuffix;
    else if (Sender == mnuOnlineSuggestionBox)
        address = site + "suggest.htm" + ReferralSuffix;
    else if (Sender == mnuOnlineFreeware)
        address = site + "freeware.htm" + ReferralSuffix;
    else if (Sender == mnuOnlineSupport)
        address = site + "faq.htm" + ReferralSuffix;
    else if (Sender == mnuOnlineAppInfo)
        address = site + "quorvant.htm" + ReferralSuffix;
    else if (const int product = ProductItemIndex(Sender); product >= 0)
        address = std::string(online::Products[std::size_t(product)].homePage) + ReferralSuffix;
    else if (Sender == btnUpdate || Sender == mnuOnlineCheckForUpdate)
        address = site + "updates/Kestavo451.htm";
    else if (Sender == mnuOnlineBlog)
        address = site + "wp/" + ReferralSuffix;
    else if (Sender == mnuMailSuggestions)
        address = "mailto:" + std::string(online::SuggestionsEmail);
    else if (Sender == mnuMailSupport)
        address = "mailto:" + std::string(online::SupportEmail);
    else
        known = false;
    if (known)
        UrlOnline->SetURL(QString::fromStdString(address));
    UrlOnline->Click();
}

std::array<QAction*, online::Products.size()> TfrmMain::ProductItems() const
{
    return {mnuTryProduct1, mnuTryProduct2, mnuTryProduct3, mnuTryProduct4,
            mnuTryProduct5, mnuTryProduct6, mnuTryProduct7};
}

int TfrmMain::ProductItemIndex(QObject* Sender) const
{
    const auto items = ProductItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (Sender == items[i])
            return int(i);
    return -1;
}

namespace {
// Shows a new ownerless dialog modally and releases it however the modal
// run ends.
template <class Dialog> void RunDialog(Dialog*& instance, Dialog* created)
{
    instance = created;
    struct ReleaseAfterwards {
        runtime::TForm* form;
        ~ReleaseAfterwards() { form->Release(); }
    } release{created};
    created->ShowModal();
}
} // namespace

void TfrmMain::ShowAbout(QObject*)
{
    repaint();
    RunDialog(dialogs::frmAbout,
              new dialogs::TfrmAbout(ProgramFolder, ReferralSuffix, std::string(online::MakerHomePage)));
}

void TfrmMain::ShowDisclaimer(QObject*)
{
    repaint();
    RunDialog(dialogs::frmDisclaim, new dialogs::TfrmDisclaim);
}

} // namespace quorvant::app
