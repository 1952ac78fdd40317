#pragma once
// Shows accelerator underlines as soon as the keyboard-cue state of a form
// changes: controls do not repaint on the cue event themselves, so every
// form is hooked and, at the next idle moment after it received the event,
// its tree is repainted once. Serves every form of the program, picking new
// ones up at the idle sweep after they appear. Active only on version 6 or
// later with themes on (decided once, at construction).

#include <QObject>
#include <memory>
#include <vector>

#include "platform/TFormObj.h"

namespace quorvant::platform {

class TAltCueFix : public QObject {
    Q_OBJECT
public:
    // Destroyed with its owner.
    explicit TAltCueFix(QObject* Owner);
    ~TAltCueFix() override;

    // The idle handler; leaves Done as it is.
    void SweepForms(QObject* Sender, bool& Done);

    static bool IsThemedVersion6OrLater();

    bool Active() const { return active_; }
    const std::vector<std::unique_ptr<TFormObj>>& FormObjects() const { return FormObjects_; }

private:
    bool active_ = false;
    std::vector<std::unique_ptr<TFormObj>> FormObjects_;
    int AppEvents_ = 0; // the idle binding, 0 when inactive
};

} // namespace quorvant::platform
