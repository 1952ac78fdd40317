#include "platform/ProfileDocument.h"

#include <algorithm>
#include <cctype>

#include "platform/ProfileFile.h"

namespace quorvant::platform {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The section name of a header line, or empty when the line is no header.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    if (close != std::string_view::npos)
        line = line.substr(0, close);
    return Trim(line);
}

// A line break inside a name or value would forge further lines.
std::string OneLine(std::string_view s)
{
    std::string out(s);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}

} // namespace

ProfileDocument ProfileDocument::Parse(std::string_view text)
{
    ProfileDocument doc;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        doc.lines_.emplace_back(line);
        start = end + 1;
    }
    return doc;
}

std::string ProfileDocument::Serialize() const
{
    std::string out;
    for (const auto& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<ProfileDocument::Range> ProfileDocument::FindSection(std::string_view section) const
{
    const std::string_view wanted = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i]);
        if (!name || !SameText(*name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !HeaderName(lines_[end]))
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::FindKey(const Range& range, std::string_view key) const
{
    const std::string_view wanted = Trim(key);
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const std::string_view line = lines_[i];
        const auto equals = line.find('=');
        if (equals != std::string_view::npos && SameText(Trim(line.substr(0, equals)), wanted))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::Get(std::string_view section, std::string_view key) const
{
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index)
        return std::nullopt;
    const std::string_view line = lines_[*index];
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > MaxProfileValue)
        value = value.substr(0, MaxProfileValue);
    return std::string(value);
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string entry = OneLine(Trim(key)) + "=" + OneLine(value);
    const auto range = FindSection(section);
    if (!range) {
        lines_.push_back("[" + OneLine(Trim(section)) + "]");
        lines_.push_back(entry);
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        lines_[*index] = entry;
        return;
    }
    // After the section's last non-blank line, so blank separators stay below.
    std::size_t at = range->end;
    while (at > range->begin && Trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), entry);
}

} // namespace quorvant::platform
