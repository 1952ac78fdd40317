#include "platform/TAltCueFix.h"

#include <QWidget>

#include "platform/Platform.h"
#include "platform/UiRuntimeHooks.h"

namespace quorvant::platform {

bool TAltCueFix::IsThemedVersion6OrLater()
{
    OsVersionInfo info;
    info.SizeOfRecord = 148;
    Platform& p = ThePlatform();
    return p.GetVersionEx(info) && info.MajorVersion >= 6 && p.ThemesEnabled();
}

TAltCueFix::TAltCueFix(QObject* Owner) : QObject(Owner), active_(IsThemedVersion6OrLater())
{
    if (!active_)
        return;
    FormObjects_.reserve(4); // the main window and a dialog, without growing
    AppEvents_ =
        UiRuntimeHooks::AddIdleHandler([this](QObject* Sender, bool& Done) { SweepForms(Sender, Done); });
}

TAltCueFix::~TAltCueFix()
{
    if (AppEvents_)
        UiRuntimeHooks::RemoveIdleHandler(AppEvents_);
    FormObjects_.clear();
}

void TAltCueFix::SweepForms(QObject*, bool&)
{
    for (auto& entry : FormObjects_)
        entry->SeenThisSweep = false;
    for (QWidget* form : UiRuntimeHooks::FormList()) {
        bool found = false;
        for (auto& entry : FormObjects_) {
            if (entry->Hooks(form)) {
                entry->SeenThisSweep = true;
                found = true;
                break;
            }
        }
        if (!found)
            FormObjects_.push_back(std::make_unique<TFormObj>(form));
    }
    for (std::size_t i = FormObjects_.size(); i-- > 0;) {
        if (FormObjects_[i]->SeenThisSweep)
            FormObjects_[i]->RepaintIfPending();
        else
            FormObjects_.erase(FormObjects_.begin() + static_cast<std::ptrdiff_t>(i)); // its form has gone
    }
}

} // namespace quorvant::platform
