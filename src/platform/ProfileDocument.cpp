#include "platform/ProfileDocument.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

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
    return Adopt(std::string(text));
}

ProfileDocument ProfileDocument::Adopt(std::string owned)
{
    if (owned.size() > MaxTextSize)
        throw std::length_error("profile text too large");
    ProfileDocument doc;
    doc.text_ = std::move(owned);
    doc.readSize_ = doc.text_.size();
    const std::string_view text = doc.text_;
    doc.lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        doc.lines_.push_back(static_cast<std::uint32_t>(start));
        const auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return doc;
}

std::string_view ProfileDocument::RawLine(std::size_t index) const
{
    const std::size_t start = lines_[index];
    // The file's last line may have no end; written lines always have one.
    const std::size_t limit = start < readSize_ ? readSize_ : text_.size();
    const auto end = std::string_view(text_).find('\n', start);
    const std::size_t stop = end == std::string_view::npos || end >= limit ? limit : end + 1;
    return std::string_view(text_).substr(start, stop - start);
}

std::string_view ProfileDocument::Line(std::size_t index) const
{
    std::string_view line = RawLine(index);
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::string ProfileDocument::Serialize() const
{
    std::string out;
    out.reserve(text_.size() + 2);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = RawLine(i);
        out += line;
        // A last line read without its end gets one when lines follow; a
        // final CR of it was already half of one (and read as such).
        if ((line.empty() || line.back() != '\n') && i + 1 < lines_.size())
            out += !line.empty() && line.back() == '\r' ? "\n" : "\r\n";
    }
    return out;
}

std::uint32_t ProfileDocument::AppendText(std::string_view line)
{
    if (text_.size() + line.size() + 2 > MaxTextSize)
        throw std::length_error("profile text too large");
    const auto offset = static_cast<std::uint32_t>(text_.size());
    text_ += line;
    text_ += "\r\n";
    return offset;
}

char ProfileDocument::FirstChar(std::size_t index) const
{
    // Blanks never include a line end, so this stays on the line.
    std::size_t at = lines_[index];
    while (at < text_.size() && IsBlank(text_[at]))
        ++at;
    return at < text_.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(text_[at]))) : '\n';
}

std::optional<ProfileDocument::Range> ProfileDocument::FindSection(std::string_view section) const
{
    const std::string_view wanted = Trim(section);
    if (cachedRange_ && SameText(cachedName_, wanted))
        return *cachedRange_;
    std::optional<Range> found;
    for (std::size_t i = 0; i < lines_.size() && !found; ++i) {
        // Most lines of a large file are keys: rejected on their first character.
        if (FirstChar(i) != '[')
            continue;
        const auto name = HeaderName(Line(i));
        if (!name || !SameText(*name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && (FirstChar(end) != '[' || !HeaderName(Line(end))))
            ++end;
        found = Range{i + 1, end};
    }
    cachedName_ = wanted;
    cachedRange_ = found;
    return found;
}

std::optional<std::size_t> ProfileDocument::FindKey(const Range& range, std::string_view key) const
{
    const std::string_view wanted = Trim(key);
    const char first =
        wanted.empty() ? '=' : static_cast<char>(std::tolower(static_cast<unsigned char>(wanted[0])));
    for (std::size_t i = range.begin; i < range.end; ++i) {
        if (FirstChar(i) != first)
            continue;
        const std::string_view line = Line(i);
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
    const std::string_view line = Line(*index);
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > MaxProfileValue)
        value = value.substr(0, MaxProfileValue);
    return std::string(value);
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    // A name that would read back as another kind of line (a key line
    // opening a section, a header closed early) cannot be stored, and is
    // not written: it would move the lines after it into another section.
    const std::string name(Trim(OneLine(key)));
    const std::string header(Trim(OneLine(section)));
    if (name.starts_with('[') || header.find(']') != std::string::npos)
        return;
    const std::string entry = name + "=" + OneLine(value);
    const auto range = FindSection(section);
    if (!range) {
        lines_.push_back(AppendText("[" + header + "]"));
        lines_.push_back(AppendText(entry));
        // The remembered lookup (this section: none) is out of date.
        cachedRange_ = std::optional<Range>(Range{lines_.size() - 1, lines_.size()});
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        // Same lines, same ranges: the remembered lookup still holds.
        lines_[*index] = AppendText(entry);
        return;
    }
    // After the section's last non-blank line, so blank separators stay below.
    std::size_t at = range->end;
    while (at > range->begin && Trim(Line(at - 1)).empty())
        --at;
    const std::uint32_t offset = AppendText(entry);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), offset);
    // The remembered lookup is this section's, one line longer now.
    cachedRange_ = std::optional<Range>(Range{range->begin, range->end + 1});
}

} // namespace quorvant::platform
