#pragma once
// The Disclaimer dialog: the warranty disclaimer and an OK button.

#include "runtime/TForm.h"
#include "ui_frmDisclaim.h"

namespace quorvant::dialogs {

class TfrmDisclaim : public runtime::TForm, public Ui::frmDisclaim {
    Q_OBJECT
public:
    TfrmDisclaim();
    ~TfrmDisclaim() override;

    void BtnCloseClick(QObject* Sender);

protected:
    void FormClose(QObject* Sender, runtime::TCloseAction& Action) override;
    void FormDestroy(QObject* Sender) override;
};

extern TfrmDisclaim* frmDisclaim;

} // namespace quorvant::dialogs
