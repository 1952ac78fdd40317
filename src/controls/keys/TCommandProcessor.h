#pragma once
// Turns keys into command numbers through an ordered list of tables, with
// two-key sequences and a "take the next key literally" state.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/keys/TCommandTable.h"

namespace quorvant::controls {

class TCommandProcessor {
public:
    enum class State { Idle, FirstKeyPending, LiteralNext };

    TCommandProcessor() = default;

    // A command number, or ccNotCommand / ccSequencePending / ccSequenceBroken.
    int Translate(std::uint8_t key, std::uint8_t shift);
    // Cancels a pending sequence or literal-next state.
    void ResetCommandProcessor() { state_ = State::Idle; }
    State CurrentState() const { return state_; }

    void Add(TCommandTable table) { tables_.push_back(std::move(table)); }
    void Clear() { tables_.clear(); }
    int Count() const { return static_cast<int>(tables_.size()); }
    // Raise ETableNotFound for an unknown name or index.
    TCommandTable& Table(int index);
    TCommandTable& GetCommandTable(const std::string& name);
    int GetCommandTableIndex(const std::string& name) const;
    // Moves a table to a position in the search order.
    void Exchange(int a, int b);

private:
    std::vector<TCommandTable> tables_;
    State state_ = State::Idle;
    std::uint8_t pendingKey_ = 0;
    std::uint8_t pendingShift_ = 0;
};

} // namespace quorvant::controls
