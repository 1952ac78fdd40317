#pragma once
// Libraries loaded by name and their entry points looked up by name, the way
// the program reaches optional system services. On Linux nothing is loaded
// from disk: services register themselves here under their library name.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quorvant::platform {

using LibraryHandle = void*;

class LibraryTable {
public:
    using EntryPoints = std::map<std::string, void*>;

    // Makes a library available (replacing one of the same name).
    void Register(const std::string& name, EntryPoints entries);
    void Unregister(const std::string& name);
    // Adds or removes one entry point of a registered library.
    void SetEntryPoint(const std::string& name, const std::string& entry, void* address);
    void RemoveEntryPoint(const std::string& name, const std::string& entry);

    // null when the library is absent. Names match without regard to case.
    LibraryHandle LoadLibrary(const std::string& name);
    // null when the entry point is absent or the handle is unknown.
    void* GetProcAddress(LibraryHandle library, const std::string& entry) const;
    void FreeLibrary(LibraryHandle library);

    // Loads minus frees, per library, for tests that check release.
    int LoadCount(const std::string& name) const;
    int TotalLoads(const std::string& name) const;

private:
    struct Library {
        std::string name;
        EntryPoints entries;
        int loaded = 0;
        int totalLoads = 0;
    };
    Library* Find(const std::string& name);
    const Library* Find(const std::string& name) const;
    // Stable addresses: handles point at the elements.
    std::vector<std::unique_ptr<Library>> libraries_;
};

} // namespace quorvant::platform
