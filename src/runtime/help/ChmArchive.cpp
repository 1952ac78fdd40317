#include "runtime/help/ChmArchive.h"

#include <chm_lib.h>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace quorvant::runtime {

namespace {

std::uint32_t ReadLe32(const std::string& data, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(data[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 3])) << 24;
}

std::uint16_t ReadLe16(const std::string& data, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                      static_cast<unsigned char>(data[at + 1]) << 8);
}

// Text up to the first NUL (or the end) of a byte range.
std::string CString(const std::string& data, std::size_t from, std::size_t length)
{
    if (from >= data.size())
        return {};
    length = std::min(length, data.size() - from);
    std::string text = data.substr(from, length);
    if (auto nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

int CollectEntry(chmFile*, chmUnitInfo* unit, void* context)
{
    static_cast<std::vector<std::string>*>(context)->emplace_back(unit->path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

std::unique_ptr<ChmArchive> ChmArchive::Open(const std::string& fileName)
{
    // Only regular files: a folder or a pipe in the help file's place must
    // neither be read nor block.
    std::error_code error;
    if (fileName.empty() || !std::filesystem::is_regular_file(fileName, error))
        return nullptr;
    chmFile* file = chm_open(fileName.c_str());
    if (!file)
        return nullptr;
    std::unique_ptr<ChmArchive> archive(new ChmArchive(file, fileName));
    archive->ReadSystemRecord();
    archive->ReadContextMap();
    return archive;
}

ChmArchive::ChmArchive(chmFile* file, std::string fileName) : file_(file), fileName_(std::move(fileName)) {}

ChmArchive::~ChmArchive()
{
    chm_close(file_);
}

std::string ChmArchive::NormalisePath(const std::string& path)
{
    std::vector<std::string> steps;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string step = path.substr(start, end - start);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(std::move(step));
        }
        start = end + 1;
    }
    std::string result;
    for (const auto& step : steps)
        result += "/" + step;
    if (result.empty() || (!path.empty() && path.back() == '/'))
        result += "/";
    return result;
}

bool ChmArchive::Contains(const std::string& path) const
{
    chmUnitInfo unit{};
    const std::string normal = NormalisePath(path);
    return chm_resolve_object(file_, normal.c_str(), &unit) == CHM_RESOLVE_SUCCESS && normal.back() != '/';
}

std::optional<std::string> ChmArchive::Read(const std::string& path) const
{
    const std::string normal = NormalisePath(path);
    if (normal.back() == '/')
        return std::nullopt;
    chmUnitInfo unit{};
    if (chm_resolve_object(file_, normal.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > MaxObjectSize)
        return std::nullopt;
    std::string data(static_cast<std::size_t>(unit.length), '\0');
    if (unit.length == 0)
        return data;
    const LONGINT64 got = chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                                              static_cast<LONGINT64>(unit.length));
    if (got <= 0)
        return std::nullopt;
    data.resize(static_cast<std::size_t>(got));
    return data;
}

std::vector<std::string> ChmArchive::Entries() const
{
    std::vector<std::string> entries;
    chm_enumerate(file_, CHM_ENUMERATE_ALL, CollectEntry, &entries);
    return entries;
}

ChmArchive::SystemRecord ChmArchive::ParseSystemRecord(const std::string& bytes)
{
    // A version number, then records of (code, length, bytes).
    SystemRecord record;
    std::size_t at = 4;
    while (at + 4 <= bytes.size()) {
        const std::uint16_t code = ReadLe16(bytes, at);
        const std::uint16_t length = ReadLe16(bytes, at + 2);
        at += 4;
        if (length > bytes.size() - at)
            break;
        switch (code) {
        case 0:
            record.contentsFile = CString(bytes, at, length);
            break;
        case 1:
            record.indexFile = CString(bytes, at, length);
            break;
        case 2:
            record.defaultTopic = CString(bytes, at, length);
            break;
        case 3:
            record.title = CString(bytes, at, length);
            break;
        default:
            break;
        }
        at += length;
    }
    return record;
}

std::map<std::uint32_t, std::string> ChmArchive::ParseContextMap(const std::string& pairs,
                                                                 const std::string& strings)
{
    // A byte count, then pairs of (context number, offset of the topic's
    // name in the string table). The first pair for a number wins.
    std::map<std::uint32_t, std::string> map;
    if (pairs.size() < 4)
        return map;
    const std::size_t declared = ReadLe32(pairs, 0);
    const std::size_t end = 4 + std::min<std::size_t>(declared, pairs.size() - 4);
    for (std::size_t at = 4; at + 8 <= end; at += 8) {
        const std::uint32_t context = ReadLe32(pairs, at);
        const std::uint32_t offset = ReadLe32(pairs, at + 4);
        if (offset >= strings.size())
            continue;
        std::string name = CString(strings, offset, strings.size() - offset);
        if (!name.empty())
            map.emplace(context, std::move(name));
    }
    return map;
}

void ChmArchive::ReadSystemRecord()
{
    const auto bytes = Read("/#SYSTEM");
    if (!bytes)
        return;
    const SystemRecord record = ParseSystemRecord(*bytes);
    title_ = record.title;
    if (!record.contentsFile.empty() && Contains(record.contentsFile))
        contentsFile_ = NormalisePath(record.contentsFile);
    if (!record.indexFile.empty() && Contains(record.indexFile)) {
        indexFile_ = NormalisePath(record.indexFile);
    } else {
        // Not every compiler records the index: the one stored index file.
        for (const auto& entry : Entries())
            if (entry.size() > 4 && entry.compare(entry.size() - 4, 4, ".hhk") == 0) {
                indexFile_ = entry;
                break;
            }
    }
    if (auto topic = ResolveRecordedTopic(record.defaultTopic))
        defaultTopic_ = *topic;
}

void ChmArchive::ReadContextMap()
{
    const auto pairs = Read("/#IVB");
    const auto strings = Read("/#STRINGS");
    if (!pairs || !strings)
        return;
    for (const auto& [context, recorded] : ParseContextMap(*pairs, *strings))
        if (auto topic = ResolveRecordedTopic(recorded))
            contexts_.emplace(context, *topic);
}

std::optional<std::string> ChmArchive::ResolveRecordedTopic(const std::string& recorded) const
{
    if (recorded.empty())
        return std::nullopt;
    std::string name = recorded;
    for (char& c : name)
        if (c == '\\')
            c = '/';
    // A fragment belongs to the topic, not to its stored name.
    std::string fragment;
    if (auto hash = name.find('#'); hash != std::string::npos && hash > 0) {
        fragment = name.substr(hash);
        name.resize(hash);
    }
    std::string candidate = NormalisePath(name);
    while (true) {
        if (Contains(candidate))
            return candidate + fragment;
        const std::size_t next = candidate.find('/', 1);
        if (next == std::string::npos)
            return std::nullopt;
        candidate = candidate.substr(next);
    }
}

std::optional<std::string> ChmArchive::TopicForContext(std::uint32_t context) const
{
    auto it = contexts_.find(context);
    if (it == contexts_.end())
        return std::nullopt;
    return it->second;
}

} // namespace quorvant::runtime
