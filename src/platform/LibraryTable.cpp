#include "platform/LibraryTable.h"

#include <algorithm>
#include <cctype>

namespace quorvant::platform {

namespace {
bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

LibraryTable::Library* LibraryTable::Find(const std::string& name)
{
    for (auto& library : libraries_)
        if (SameName(library->name, name))
            return library.get();
    return nullptr;
}

const LibraryTable::Library* LibraryTable::Find(const std::string& name) const
{
    for (const auto& library : libraries_)
        if (SameName(library->name, name))
            return library.get();
    return nullptr;
}

void LibraryTable::Register(const std::string& name, EntryPoints entries)
{
    if (Library* existing = Find(name)) {
        existing->entries = std::move(entries);
        return;
    }
    auto library = std::make_unique<Library>();
    library->name = name;
    library->entries = std::move(entries);
    libraries_.push_back(std::move(library));
}

void LibraryTable::Unregister(const std::string& name)
{
    std::erase_if(libraries_, [&](const auto& library) { return SameName(library->name, name); });
}

void LibraryTable::SetEntryPoint(const std::string& name, const std::string& entry, void* address)
{
    if (Library* library = Find(name))
        library->entries[entry] = address;
}

void LibraryTable::RemoveEntryPoint(const std::string& name, const std::string& entry)
{
    if (Library* library = Find(name))
        library->entries.erase(entry);
}

LibraryHandle LibraryTable::LoadLibrary(const std::string& name)
{
    Library* library = Find(name);
    if (!library)
        return nullptr;
    ++library->loaded;
    ++library->totalLoads;
    return library;
}

void* LibraryTable::GetProcAddress(LibraryHandle handle, const std::string& entry) const
{
    // A handle is only trusted while its library is still registered.
    for (const auto& library : libraries_) {
        if (library.get() == handle) {
            auto it = library->entries.find(entry);
            return it == library->entries.end() ? nullptr : it->second;
        }
    }
    return nullptr;
}

void LibraryTable::FreeLibrary(LibraryHandle handle)
{
    for (auto& library : libraries_)
        if (library.get() == handle && library->loaded > 0)
            --library->loaded;
}

int LibraryTable::LoadCount(const std::string& name) const
{
    const Library* library = Find(name);
    return library ? library->loaded : 0;
}

int LibraryTable::TotalLoads(const std::string& name) const
{
    const Library* library = Find(name);
    return library ? library->totalLoads : 0;
}

} // namespace quorvant::platform
