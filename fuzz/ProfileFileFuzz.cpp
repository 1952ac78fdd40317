// Random bytes as a profile file: lookups never crash, the text comes back
// byte for byte when nothing is set, and values that were set read back,
// before and after the document is written and parsed again.
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
    if (doc.Serialize() != text)
        std::abort();
    // Names from the input itself, so that they often exist in it.
    const std::string_view section = text.substr(0, std::min<std::size_t>(size, 6));
    const std::string_view key = text.substr(std::min<std::size_t>(size, 6), 5);
    (void)doc.Get(section, key);
    (void)doc.Get("LastValues", "Term");

    const std::string safeSection = "S";
    const std::string value = "v 1";
    doc.Set(safeSection, "k", value);
    // Edits in between move lines: the lookups that follow must see them.
    doc.Set(section, key, "x");
    doc.Set(safeSection, "k2", "w");
    doc.Set(safeSection, "k", value);
    if (doc.Get(safeSection, "k") != value || doc.Get(safeSection, "k2") != "w")
        std::abort();
    const ProfileDocument again = ProfileDocument::Parse(doc.Serialize());
    const auto back = again.Get(safeSection, "k");
    if (again.Get(safeSection, "k2") != "w")
        std::abort();
    // A section "S" that the input already had may hold an earlier "k".
    if (!back || back->size() > quorvant::platform::MaxProfileValue)
        std::abort();
    return 0;
}
