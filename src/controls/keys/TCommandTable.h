#pragma once
// A named, switchable list of key bindings. An entry maps one key (or a
// two-key sequence) with its shift states to a command number.

#include <cstdint>
#include <string>
#include <vector>

namespace quorvant::controls {

struct TKeyBinding {
    std::uint8_t Key1 = 0;
    std::uint8_t Shift1 = 0;
    std::uint8_t Key2 = 0; // 0 with Shift2 0: a one-key binding
    std::uint8_t Shift2 = 0;
    std::uint16_t Command = 0;

    bool IsSequence() const { return Key2 != 0 || Shift2 != 0; }
    bool operator==(const TKeyBinding&) const = default;
};

class TCommandTable {
public:
    TCommandTable(std::string name, bool active, std::vector<TKeyBinding> entries = {});

    const std::string& TableName() const { return name_; }
    bool IsActive() const { return active_; }
    void SetActive(bool active) { active_ = active; }

    const std::vector<TKeyBinding>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    // Raises EDuplicateCommand when the same keys are bound already.
    void AddCommand(const TKeyBinding& entry);
    void Clear() { entries_.clear(); }

    // The three tables every controller starts with.
    static TCommandTable DefaultTable();
    static TCommandTable WordStarTable();
    static TCommandTable GridTable();

private:
    std::string name_;
    bool active_;
    std::vector<TKeyBinding> entries_;
};

} // namespace quorvant::controls
