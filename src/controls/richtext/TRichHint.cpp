#include "controls/richtext/TRichHint.h"

#include "controls/richtext/ERichHintError.h"
#include "controls/richtext/TRichHintWindow.h"
#include "runtime/TApplication.h"
#include "runtime/TForm.h"

namespace quorvant::controls {

TRichHint::TRichHint(QObject* owner, bool designing) : QObject(owner), hintFont_(QStringLiteral("Tahoma"))
{
    auto* form = qobject_cast<runtime::TForm*>(owner);
    if (!form)
        throw ERichHintError("Control parent must be a form!");
    if (form->findChildren<TRichHint*>(Qt::FindDirectChildrenOnly).size() >= 2)
        throw ERichHintError("Only one instance of TRichHint allowed on form");
    if (designing)
        return;
    auto& app = runtime::Application();
    app.SetHintWindowClass<TRichHintWindow>();
    // The hook outlives nothing: a destroyed provider leaves every hint as
    // the application made it.
    app.OnShowHint = [self = QPointer<TRichHint>(this)](QString& HintStr, bool& CanShow,
                                                        runtime::THintInfo& HintInfo) {
        if (self)
            self->ShowHintHook(HintStr, CanShow, HintInfo);
    };
    // Off and on again: the hint window is made anew with the new class.
    app.SetShowHint(false);
    app.SetShowHint(true);
}

TRichHint::~TRichHint() = default;

TRichHint* TRichHint::ForMainForm()
{
    runtime::TForm* main = runtime::Application().MainForm();
    if (!main)
        return nullptr;
    const auto providers = main->findChildren<TRichHint*>(Qt::FindDirectChildrenOnly);
    return providers.isEmpty() ? nullptr : providers.first();
}

void TRichHint::ShowHintHook(QString& HintStr, bool& CanShow, runtime::THintInfo& HintInfo)
{
    HintInfo.HintColor = hintColor_;
    if (maxWidth_ != 0)
        HintInfo.HintMaxWidth = maxWidth_;
    if (OnShowHint)
        OnShowHint(HintStr, CanShow, HintInfo);
    lastInfo_ = HintInfo;
}

} // namespace quorvant::controls
