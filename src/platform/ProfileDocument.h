#pragma once
// The text of a profile (INI) file as lines, with lookups and edits that keep
// every other line byte for byte as it stands (its own line end included).
//
// Built for files of tens of megabytes: the text is held once, each line is
// one offset into it, and the section last looked up is remembered, so the
// thirteen lookups of one section cost one pass over the file, not thirteen.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant::platform {

class ProfileDocument {
public:
    // The largest text a document can hold (offsets are 32-bit).
    static constexpr std::size_t MaxTextSize = 0xFFFF0000u;

    // Lines may end in CR LF or LF alone; the last one may have no end.
    static ProfileDocument Parse(std::string_view text);
    // The same, taking over the text without a copy (a file read whole).
    static ProfileDocument Adopt(std::string text);
    // Parse(text).Serialize() == text. Lines written by Set end in CR LF; a
    // last line without an end gets CR LF when a line is added after it.
    std::string Serialize() const;

    // The value of the first matching key in the first matching section,
    // blanks and one pair of enclosing quotes stripped, cut at 2047
    // characters; empty when absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place, or appends the key to its section,
    // or appends the section at the end.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::size_t LineCount() const { return lines_.size(); }
    // The line's text without its line end.
    std::string_view Line(std::size_t index) const;

private:
    // [begin, end) of the section's body lines; begin is after the header.
    struct Range {
        std::size_t begin, end;
    };
    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
    // The line with its line end, as it is written.
    std::string_view RawLine(std::size_t index) const;
    // The line's first non-blank character in lower case; '\n' for a blank line.
    char FirstChar(std::size_t index) const;
    // Stores a written line (CR LF added) and returns its offset.
    std::uint32_t AppendText(std::string_view line);

    // The file as read, then every line written since, each with CR LF.
    std::string text_;
    // Where the file's own text ends; a line starting there or later was written.
    std::size_t readSize_ = 0;
    std::vector<std::uint32_t> lines_;

    // The last section lookup: its name as asked and the answer.
    mutable std::string cachedName_;
    mutable std::optional<std::optional<Range>> cachedRange_;
};

} // namespace quorvant::platform
