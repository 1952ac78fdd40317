#include "dialogs/TfrmAbout.h"

#include <QFont>

#include "QuorvantVersion.h"
#include "platform/Platform.h"
#include "runtime/ControlProperties.h"
#include "runtime/DesignFont.h"
#include "runtime/Guard.h"
#include "runtime/TColor.h"

namespace quorvant::dialogs {

TfrmAbout* frmAbout = nullptr;

TfrmAbout::TfrmAbout(std::string programFolder, std::string referralSuffix, std::string homePage)
    : TForm(nullptr), programFolder_(std::move(programFolder)), referralSuffix_(std::move(referralSuffix)),
      homePage_(std::move(homePage))
{
    setFont(runtime::DesignFont(QStringLiteral("Tahoma"), 11));
    setupUi(this);
    QFont linkFont = runtime::DesignFont(QStringLiteral("Tahoma"), 13);
    linkFont.setUnderline(true);
    urlHome->setFont(linkFont);
    urlHome->SetFontColor(runtime::clBlue);
    QFont launcherFont = runtime::DesignFont(QStringLiteral("Arial"), 11);
    launcherFont.setBold(true);
    launcherFont.setUnderline(true);
    urlAboutOnline->setFont(launcherFont);
    urlAboutOnline->SetFontColor(runtime::clBlue);
    SetFixedFormSize(447, 290);
    SetBorderIcons(0);
    runtime::SetShowHint(this, false);
    QString caption = QString::fromStdString(homePage_);
    caption.remove(QStringLiteral("https://")).remove(QStringLiteral("http://"));
    if (caption.endsWith(u'/'))
        caption.chop(1);
    urlHome->SetCaption(caption);

    using runtime::Bind;
    Bind(btnClose, &runtime::TBitBtn::OnClick, this, &TfrmAbout::BtnCloseClick);
    Bind(btnShowLicense, &runtime::TBitBtn::OnClick, this, &TfrmAbout::btnShowLicenseClick);
    Bind(imgLogo, &runtime::TImage::OnClick, this, &TfrmAbout::GoOnlineAbout);
    Bind(imgAboutIcon, &runtime::TImage::OnClick, this, &TfrmAbout::GoOnlineAbout);
    Bind(urlHome, &controls::TLinkLabel::OnClick, this, &TfrmAbout::GoOnlineAbout);
    Bind(imgLogo, &runtime::TImage::OnMouseMove, this, &TfrmAbout::imgLogoMouseMove);
    Bind(imgAboutIcon, &runtime::TImage::OnMouseMove, this, &TfrmAbout::imgAboutIconMouseMove);
    DoCreate();
}

TfrmAbout::~TfrmAbout()
{
    DoDestroy();
    if (dialogs::frmAbout == this)
        dialogs::frmAbout = nullptr;
}

void TfrmAbout::FormShow(QObject* Sender)
{
    const QString shown = QString::fromUtf8(version::DisplayVersion);
    setWindowTitle(QStringLiteral(" About ") + QString::fromUtf8(version::ProductName) +
                   QStringLiteral(", ") + shown);
    lblVersion->SetCaption(QStringLiteral("Version ") + shown);
    lblCompileDate->SetCaption(QStringLiteral("Compiled February 11, 2010"));
    lblCopyright->SetCaption(QStringLiteral("Copyright \u00A9 2010 Ostrel Software."));
    lblRights->SetCaption(QStringLiteral("All rights reserved."));
    QPalette red = lblEdition->palette();
    red.setColor(QPalette::WindowText, runtime::ToQColor(runtime::clRed));
    lblEdition->setPalette(red);
    lblEdition->SetCaption(QStringLiteral("Freeware Version"));
    lblTitle->SetCaption(QStringLiteral("Quorvant"));
    // The first control in tab order, so Enter or Space closes the dialog.
    btnClose->setFocus(Qt::TabFocusReason);
    TForm::FormShow(Sender);
}

void TfrmAbout::BtnCloseClick(QObject*)
{
    Close();
}

// The shell's answer is not looked at: a missing licence file is the
// shell's to report.
void TfrmAbout::btnShowLicenseClick(QObject*)
{
    platform::ThePlatform().ShellExecute(platform::WindowHandle(this), "open", programFolder_ + "License.txt",
                                         "", "", platform::SwShowNormal);
}

void TfrmAbout::GoOnlineAbout(QObject* Sender)
{
    if (Sender == imgAboutIcon || Sender == imgLogo || Sender == urlHome)
        urlAboutOnline->SetURL(QString::fromStdString(homePage_ + referralSuffix_));
    urlAboutOnline->Click();
}

void TfrmAbout::imgLogoMouseMove(QObject*)
{
    imgLogo->setCursor(Qt::PointingHandCursor);
}

void TfrmAbout::imgAboutIconMouseMove(QObject*)
{
    imgAboutIcon->setCursor(Qt::PointingHandCursor);
}

} // namespace quorvant::dialogs
