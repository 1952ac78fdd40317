#pragma once
// The main window: the calculator page, its commands and its lifecycle.
//
//   keys -> TNumericField (entry, validation on exit)
//        -> OnExit -> Calculate -> CalculateWorksheet (finance engine)
//        -> five result fields, LastValues -> settings file at close
//
// The controls come from frmMain.ui; their events are bound once, in
// BindEvents, through the runtime's guard, so every failure of a handler
// reaches AppOnException.

#include <array>
#include <exception>
#include <string>

#include "app/OnlineAddresses.h"
#include "runtime/TForm.h"
#include "ui_frmMain.h"
#include "worksheet/LoanWorksheet.h"

namespace quorvant::platform {
class TAltCueFix;
}
namespace quorvant::controls {
class TRichHint;
}

namespace quorvant::app {

class TfrmMain : public runtime::TForm, public Ui::frmMain {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    WorksheetInputs LastValues;
    bool Run = false;
    std::string SettingsFolder;
    std::string ProductSubfolder;
    std::string ProgramFolder;
    std::string ReferralSuffix;

    controls::TNumericField* InputField(WorksheetInput input) const;
    controls::TNumericField* ResultField(WorksheetResult result) const;

    void Calculate(QObject* Sender);
    void Reset(QObject* Sender);
    void SaveValuesAtExit();

    void ApplicationActivate();
    void AppOnException(QObject* Sender, std::exception_ptr E);
    void ApplicationHint(QObject* Sender);

    void btnExitClick(QObject* Sender);
    void MnuHelpContentsClick(QObject* Sender);
    void GoOnline(QObject* Sender);
    void ShowAbout(QObject* Sender);
    void ShowDisclaimer(QObject* Sender);

    void ApplyCompositionLook();

    void nbkMainPageChanged(QObject* Sender, int Index);
    void nbkMainMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void statusBarMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void statusBarPanelClick(QObject* Sender, controls::TStatusPanel* Panel, Qt::MouseButton Button,
                             Qt::KeyboardModifiers Shift, int X, int Y);
    void statusBarResize(QObject* Sender);
    void imgScreenshot2Click(QObject* Sender);
    void imgScreenshot3Click(QObject* Sender);
    void imgScreenshot2MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void imgScreenshot3MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);

    controls::TRichHint* RichHint1 = nullptr;

protected:
    void FormCreate(QObject* Sender) override;
    void FormActivate(QObject* Sender) override;
    void FormClose(QObject* Sender, runtime::TCloseAction& Action) override;
    void FormDestroy(QObject* Sender) override;
    void CreateParams(runtime::TCreateParams& params) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ArrangeWindow();
    // Names each field of the calculator page by its caption label.
    void LinkCaptions();
    void DescribeOnlineItems();
    void DescribeStatusPanels();
    void DescribePromotionalPages();
    void BindEvents();
    void LoadSettingsIntoFields();
    void SetupTaskbarButton();
    void SetMainWindowStyles(runtime::TCreateParams& params);
    void HandleSizeLimits();
    // The trial-version menu items, in the order of the product table.
    std::array<QAction*, online::Products.size()> ProductItems() const;
    int ProductItemIndex(QObject* Sender) const;

    platform::TAltCueFix* altCueFix_ = nullptr;
};

// The one main window, from its creation until its destruction.
extern TfrmMain* frmMain;

// The two fixed reports of AppOnException.
extern const char* const CalculationFailedMessage;
std::string GeneralFailureMessage();

} // namespace quorvant::app
