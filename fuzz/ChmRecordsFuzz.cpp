// Random bytes as the records of a compiled help file: the parsers never
// read outside their input, and what they return comes from it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/help/ChmArchive.h"

using quorvant::runtime::ChmArchive;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto record = ChmArchive::ParseSystemRecord(bytes);
    for (const std::string* text : {&record.defaultTopic, &record.title, &record.contentsFile})
        if (text->size() > size || (!text->empty() && bytes.find(*text) == std::string::npos))
            std::abort();

    // The first byte splits the rest into the pairs and the string table.
    if (size == 0)
        return 0;
    const std::size_t split = 1 + (size - 1) * data[0] / 255;
    const std::string pairs = bytes.substr(1, split - 1), strings = bytes.substr(split);
    for (const auto& [context, name] : ChmArchive::ParseContextMap(pairs, strings))
        if (name.empty() || strings.find(name) == std::string::npos || name.find('\0') != std::string::npos)
            std::abort();
    // Normalised paths always start at the root and hold no "." or ".." steps.
    const std::string path = ChmArchive::NormalisePath(bytes.substr(0, 256));
    if (path.empty() || path[0] != '/' || path.find("/../") != std::string::npos ||
        path.find("/./") != std::string::npos)
        std::abort();
    return 0;
}
