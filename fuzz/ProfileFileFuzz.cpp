// Random bytes as a profile file: lookups never crash, and a value that was
// set reads back after the document is written and parsed again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ProfileDocument.h"
#include "platform/ProfileFile.h"

using quorvant::platform::ProfileDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ProfileDocument doc = ProfileDocument::Parse(text);
    // Names from the input itself, so that they often exist in it.
    const std::string_view section = text.substr(0, std::min<std::size_t>(size, 6));
    const std::string_view key = text.substr(std::min<std::size_t>(size, 6), 5);
    (void)doc.Get(section, key);
    (void)doc.Get("LastValues", "Term");

    const std::string safeSection = "S";
    const std::string value = "v 1";
    doc.Set(safeSection, "k", value);
    const ProfileDocument again = ProfileDocument::Parse(doc.Serialize());
    const auto back = again.Get(safeSection, "k");
    // A section "S" that the input already had may hold an earlier "k".
    if (!back || back->size() > quorvant::platform::MaxProfileValue)
        std::abort();
    return 0;
}
