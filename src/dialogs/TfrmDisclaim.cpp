#include "dialogs/TfrmDisclaim.h"

#include <QFont>

#include "runtime/ControlProperties.h"
#include "runtime/DesignFont.h"
#include "runtime/Guard.h"

namespace quorvant::dialogs {

TfrmDisclaim* frmDisclaim = nullptr;

TfrmDisclaim::TfrmDisclaim() : TForm(nullptr)
{
    setFont(runtime::DesignFont(QStringLiteral("Arial"), 12));
    setupUi(this);
    btnClose->setFont(runtime::DesignFont(QStringLiteral("MS Sans Serif"), 11));
    SetFixedFormSize(338, 133);
    SetBorderIcons(0);
    runtime::SetShowHint(this, false);
    runtime::Bind(btnClose, &runtime::TSpeedButton::OnClick, this, &TfrmDisclaim::BtnCloseClick);
    DoCreate();
}

TfrmDisclaim::~TfrmDisclaim()
{
    DoDestroy();
}

void TfrmDisclaim::BtnCloseClick(QObject*)
{
    Close();
}

void TfrmDisclaim::FormClose(QObject* Sender, runtime::TCloseAction& Action)
{
    Action = runtime::TCloseAction::caFree;
    TForm::FormClose(Sender, Action);
}

void TfrmDisclaim::FormDestroy(QObject* Sender)
{
    if (dialogs::frmDisclaim)
        dialogs::frmDisclaim = nullptr;
    TForm::FormDestroy(Sender);
}

} // namespace quorvant::dialogs
