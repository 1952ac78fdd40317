#include "controls/keys/TCommandProcessor.h"

#include <utility>

#include "controls/keys/CommandErrors.h"
#include "controls/keys/EntryCommands.h"
#include "controls/keys/TKeyCodes.h"

namespace quorvant::controls {

namespace {

bool SecondShiftMatches(std::uint8_t stored, std::uint8_t actual)
{
    if (stored == ssNoneOrCtrl)
        return actual == 0 || actual == ssCtrl;
    return stored == actual;
}

} // namespace

int TCommandProcessor::Translate(std::uint8_t key, std::uint8_t shift)
{
    const bool pending = state_ == State::FirstKeyPending;
    if (TKeyCodes::IsLockOrShiftKey(key))
        return pending ? ccSequencePending : ccNotCommand;
    if (state_ == State::LiteralNext) {
        state_ = State::Idle;
        return ccNotCommand;
    }
    for (const TCommandTable& table : tables_) {
        if (!table.IsActive())
            continue;
        for (const TKeyBinding& e : table.Entries()) {
            if (!pending) {
                if (e.Key1 != key || e.Shift1 != shift)
                    continue;
                if (e.IsSequence()) {
                    state_ = State::FirstKeyPending;
                    pendingKey_ = key;
                    pendingShift_ = shift;
                    return ccSequencePending;
                }
            } else {
                if (e.Key1 != pendingKey_ || e.Shift1 != pendingShift_ || !e.IsSequence() || e.Key2 != key ||
                    !SecondShiftMatches(e.Shift2, shift))
                    continue;
            }
            state_ = e.Command == ccCtrlChar ? State::LiteralNext : State::Idle;
            return e.Command;
        }
    }
    state_ = State::Idle;
    return pending ? ccSequenceBroken : ccNotCommand;
}

TCommandTable& TCommandProcessor::Table(int index)
{
    if (index < 0 || index >= Count())
        throw ETableNotFound();
    return tables_[static_cast<std::size_t>(index)];
}

int TCommandProcessor::GetCommandTableIndex(const std::string& name) const
{
    for (std::size_t i = 0; i < tables_.size(); ++i)
        if (tables_[i].TableName() == name)
            return static_cast<int>(i);
    return -1;
}

TCommandTable& TCommandProcessor::GetCommandTable(const std::string& name)
{
    return Table(GetCommandTableIndex(name));
}

void TCommandProcessor::Exchange(int a, int b)
{
    std::swap(Table(a), Table(b));
}

} // namespace quorvant::controls
