#include "support/JournalField.h"

#include "runtime/Guard.h"
#include "runtime/TFocusEvents.h"

namespace quorvant::testing {

JournalField::JournalField(const char* name, QWidget* parent, std::vector<std::string>& journal,
                           unsigned records)
    : QLineEdit(parent), journal_(journal), records_(records)
{
    setObjectName(name);
}

void JournalField::WatchFocusMoves(runtime::TForm* form, QWidget* control, std::vector<std::string>& journal)
{
    using runtime::TFocusEvents;
    runtime::Bind(TFocusEvents::For(control), &TFocusEvents::OnExit, form, [&journal](QObject* Sender) {
        journal.push_back("exit " + Sender->objectName().toStdString());
    });
    runtime::Bind(TFocusEvents::For(control), &TFocusEvents::OnEnter, form, [&journal](QObject* Sender) {
        journal.push_back("enter " + Sender->objectName().toStdString());
    });
}

void JournalField::focusOutEvent(QFocusEvent* event)
{
    if (records_ & FocusOut)
        journal_.push_back("focusOut " + objectName().toStdString());
    QLineEdit::focusOutEvent(event);
}

bool JournalField::event(QEvent* event)
{
    if ((records_ & ExitDue) && event->type() == runtime::TFocusEvents::ExitDueEvent())
        journal_.push_back("due " + objectName().toStdString());
    return QLineEdit::event(event);
}

} // namespace quorvant::testing
