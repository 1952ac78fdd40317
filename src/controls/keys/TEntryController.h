#pragma once
// The object the entry fields (and the notebook) share: key tables, shared
// options and insert mode, the error report of a field that refused its exit,
// giving the focus back to it, and a few notices to events.
//
// A controller placed on a form (a child object of it) serves that form's
// controls; everything else uses the process-wide default controller.

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

#include "controls/keys/TCommandProcessor.h"

class QWidget;

namespace quorvant::controls {

enum TBaseEFOption : unsigned {
    efoAutoAdvanceChar = 1u << 0,
    efoAutoAdvanceLeftRight = 1u << 1,
    efoAutoAdvanceUpDown = 1u << 2,
    efoAutoSelect = 1u << 3,
    efoBeepOnError = 1u << 4,
    efoInsertPushes = 1u << 5,
};
using TBaseEFOptions = unsigned;

class TEntryController : public QObject {
    Q_OBJECT
public:
    static constexpr TBaseEFOptions DefaultEntryOptions = efoAutoSelect | efoBeepOnError | efoInsertPushes;

    explicit TEntryController(QObject* parent = nullptr);
    ~TEntryController() override;

    // The process-wide controller, created on the first request.
    static TEntryController& DefaultController();
    // The control's own controller when set, else the first controller
    // placed on its form, else the default one.
    static TEntryController& For(const QWidget* control, TEntryController* own);

    TCommandProcessor EntryCommands;
    TBaseEFOptions EntryOptions = DefaultEntryOptions;
    bool InsertMode = true;
    bool ErrorPending = false;
    // The field whose refused exit set ErrorPending.
    QPointer<QWidget> ErrorField;
    QString ErrorText;

    int Epoch() const { return epoch_; }
    // Accepted from 1600 to 3999 only.
    void SetEpoch(int epoch);

    // Key translation through EntryCommands (see EntryCommands.h for the
    // results that are not commands).
    int Translate(std::uint8_t key, std::uint8_t shift) { return EntryCommands.Translate(key, shift); }

    std::function<void(QObject* Sender, std::uint16_t ErrorCode, const QString& ErrorMsg)> OnError;
    std::function<void(QObject* Sender, QWidget* Control, bool& Special)> OnIsSpecialControl;
    std::function<void(QObject* Sender, QWidget* LosingControl)> OnPreEdit;
    std::function<void(QObject* Sender, QWidget* GainingControl)> OnPostEdit;

    // OnError when assigned, otherwise a modal error box with the message.
    void DoReportError(QObject* field, std::uint16_t code, const QString& message);
    // Without a handler no control is special.
    bool IsSpecialControl(QObject* field, QWidget* control);

    // Posted work runs after the current event (the focus change) is done, in
    // posting order; exceptions from it never reach Qt.
    void PostFocusBack(QWidget* field);
    void PostPreEdit(QObject* field, QWidget* losing);
    void PostPostEdit(QObject* field, QWidget* gaining);
    void Post(QObject* context, std::function<void()> work);

private:
    int epoch_ = 1900;
};

} // namespace quorvant::controls
