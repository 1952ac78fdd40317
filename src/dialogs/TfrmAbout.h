#pragma once
// The About dialog: name, version, legal notice, the maker's logo and link,
// and the licence text. Created per use without an owner, shown modally and
// released by the command that opened it.

#include <string>

#include "runtime/TForm.h"
#include "ui_frmAbout.h"

namespace quorvant::dialogs {

class TfrmAbout : public runtime::TForm, public Ui::frmAbout {
    Q_OBJECT
public:
    // The main window's ProgramFolder (with its trailing separator) and
    // ReferralSuffix, and the maker's home page (host root with its "/").
    TfrmAbout(std::string programFolder, std::string referralSuffix, std::string homePage);
    ~TfrmAbout() override;

    void BtnCloseClick(QObject* Sender);
    void btnShowLicenseClick(QObject* Sender);
    void GoOnlineAbout(QObject* Sender);
    void imgLogoMouseMove(QObject* Sender);
    void imgAboutIconMouseMove(QObject* Sender);

protected:
    void FormShow(QObject* Sender) override;

private:
    std::string programFolder_;
    std::string referralSuffix_;
    std::string homePage_;
};

// The dialog while its command runs.
extern TfrmAbout* frmAbout;

} // namespace quorvant::dialogs
