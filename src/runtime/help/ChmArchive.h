#pragma once
// Read-only access to a compiled help file: its stored pages and pictures,
// the project's default topic and title, and the context-number map that
// ties help context numbers to topics. Free of Qt so that it can be tested
// and fuzzed on its own.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct chmFile;

namespace quorvant::runtime {

class ChmArchive {
public:
    // Objects larger than this are refused: a damaged or hostile file must
    // not make the viewer allocate without bound.
    static constexpr std::uint64_t MaxObjectSize = 64u * 1024u * 1024u;

    // Null when the file is missing or is not a compiled help file.
    static std::unique_ptr<ChmArchive> Open(const std::string& fileName);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    const std::string& FileName() const { return fileName_; }

    // Paths are archive paths ("/welcome.htm"); a missing leading "/" is
    // supplied, "./" and "x/../" steps are resolved.
    bool Contains(const std::string& path) const;
    // The object's bytes, or nothing when it is absent, a folder or too large.
    std::optional<std::string> Read(const std::string& path) const;
    // Every stored path, in the archive's order.
    std::vector<std::string> Entries() const;

    // The project's default topic as an archive path; empty when the file
    // names none that exists.
    const std::string& DefaultTopic() const { return defaultTopic_; }
    const std::string& Title() const { return title_; }
    // The table of contents (sitemap) file, empty when there is none.
    const std::string& ContentsFile() const { return contentsFile_; }
    // The keyword index (sitemap) file, empty when there is none.
    const std::string& IndexFile() const { return indexFile_; }

    // The topic mapped to a context number, as an existing archive path.
    std::optional<std::string> TopicForContext(std::uint32_t context) const;
    const std::map<std::uint32_t, std::string>& ContextMap() const { return contexts_; }

    // "/a/./b/../c.htm" -> "/a/c.htm"; a leading "/" is added. Steps above
    // the root are dropped.
    static std::string NormalisePath(const std::string& path);

    // The project's records as stored, before they are matched with the
    // stored objects. The parsers take untrusted bytes: records that run past
    // the end are dropped, never read beyond it.
    struct SystemRecord {
        std::string defaultTopic;
        std::string title;
        std::string contentsFile;
        std::string indexFile;
    };
    static SystemRecord ParseSystemRecord(const std::string& bytes);
    // Context number -> recorded topic name, from the pairs and the string
    // table they point into.
    static std::map<std::uint32_t, std::string> ParseContextMap(const std::string& pairs,
                                                                const std::string& strings);

private:
    ChmArchive(chmFile* file, std::string fileName);
    void ReadSystemRecord();
    void ReadContextMap();
    // The stored object a recorded topic name means: the name itself, or
    // else the longest tail of it that is stored (some compilers record the
    // topic with the folder it was compiled in).
    std::optional<std::string> ResolveRecordedTopic(const std::string& recorded) const;

    chmFile* file_;
    std::string fileName_;
    std::string defaultTopic_;
    std::string title_;
    std::string contentsFile_;
    std::string indexFile_;
    std::map<std::uint32_t, std::string> contexts_;
};

} // namespace quorvant::runtime
