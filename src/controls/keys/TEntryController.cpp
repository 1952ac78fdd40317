#include "controls/keys/TEntryController.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QWidget>
#include <memory>

#include "platform/Platform.h"
#include "runtime/Guard.h"
#include "runtime/TApplication.h"

namespace quorvant::controls {

namespace {

// Owned here so that it goes with the process, after every form.
std::unique_ptr<TEntryController>& DefaultSlot()
{
    static std::unique_ptr<TEntryController> controller;
    return controller;
}

} // namespace

TEntryController::TEntryController(QObject* parent) : QObject(parent)
{
    EntryCommands.Add(TCommandTable::DefaultTable());
    EntryCommands.Add(TCommandTable::WordStarTable());
    EntryCommands.Add(TCommandTable::GridTable());
}

TEntryController::~TEntryController() = default;

TEntryController& TEntryController::DefaultController()
{
    auto& slot = DefaultSlot();
    if (!slot)
        slot = std::make_unique<TEntryController>();
    return *slot;
}

TEntryController& TEntryController::For(const QWidget* control, TEntryController* own)
{
    if (own)
        return *own;
    if (control) {
        if (const QWidget* form = control->window()) {
            // A controller is placed on the form itself; the first one wins.
            if (auto* placed = form->findChild<TEntryController*>(QString(), Qt::FindDirectChildrenOnly))
                return *placed;
        }
    }
    return DefaultController();
}

void TEntryController::SetEpoch(int epoch)
{
    if (epoch >= 1600 && epoch <= 3999)
        epoch_ = epoch;
}

void TEntryController::DoReportError(QObject* field, std::uint16_t code, const QString& message)
{
    if (OnError) {
        OnError(field, code, message);
        return;
    }
    auto* owner = qobject_cast<QWidget*>(field);
    platform::ThePlatform().ShowMessageBox(owner ? owner->window() : nullptr, message.toStdString(),
                                           runtime::Application().Title.toStdString(),
                                           platform::MessageBoxIcon::Error);
}

bool TEntryController::IsSpecialControl(QObject* field, QWidget* control)
{
    bool special = false;
    if (OnIsSpecialControl)
        OnIsSpecialControl(field, control, special);
    return special;
}

void TEntryController::Post(QObject* context, std::function<void()> work)
{
    QMetaObject::invokeMethod(
        context ? context : this, [this, w = std::move(work)] { runtime::Guarded(this, w); },
        Qt::QueuedConnection);
}

void TEntryController::PostFocusBack(QWidget* field)
{
    QPointer<QWidget> target(field);
    Post(this, [target] {
        if (!target)
            return;
        target->show();
        if (target->isEnabled() && target->isVisible() && target->focusPolicy() != Qt::NoFocus)
            target->setFocus(Qt::OtherFocusReason);
    });
}

void TEntryController::PostPreEdit(QObject* field, QWidget* losing)
{
    QPointer<QObject> sender(field);
    QPointer<QWidget> other(losing);
    Post(this, [this, sender, other] {
        if (sender && OnPreEdit)
            OnPreEdit(sender, other);
    });
}

void TEntryController::PostPostEdit(QObject* field, QWidget* gaining)
{
    QPointer<QObject> sender(field);
    QPointer<QWidget> other(gaining);
    Post(this, [this, sender, other] {
        if (sender && OnPostEdit)
            OnPostEdit(sender, other);
    });
}

} // namespace quorvant::controls
