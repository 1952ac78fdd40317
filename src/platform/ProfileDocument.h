#pragma once
// The text of a profile (INI) file as lines, with lookups and edits that keep
// every other line as it stands.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant::platform {

class ProfileDocument {
public:
    // Lines may end in CR LF or LF alone.
    static ProfileDocument Parse(std::string_view text);
    // Every line ends in CR LF.
    std::string Serialize() const;

    // The value of the first matching key in the first matching section,
    // blanks and one pair of enclosing quotes stripped, cut at 2047
    // characters; empty when absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place, or appends the key to its section,
    // or appends the section at the end.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    // [begin, end) of the section's body lines; begin is after the header.
    struct Range {
        std::size_t begin, end;
    };
    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;

    std::vector<std::string> lines_;
};

} // namespace quorvant::platform
