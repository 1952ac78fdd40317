#pragma once
// Profile (INI) file functions: sections and keys match without regard to
// case, blanks and one pair of enclosing quotes are stripped from values on
// reading, values are read up to 2047 characters, existing sections and keys
// keep their place and new ones are appended. Files are written with CR LF
// line ends; LF-only files read as well. Every write replaces the whole file
// atomically, so a crash or a full disk never leaves it half-written.

#include <optional>
#include <string>

#include "platform/ProfileDocument.h"

namespace quorvant::platform {

inline constexpr std::size_t MaxProfileValue = 2047;
// Files up to this size are read and rewritten whole, whatever else they
// hold. A larger one is neither read nor replaced: it reads as empty and every
// write to it fails, so the user's file is never lost. 64 MiB is far beyond
// any settings file (ours hold a few hundred bytes; files shared with other
// tools, tens of megabytes at most), and it keeps the cost bounded: reading,
// parsing and writing such a file takes a fraction of a second and, with the
// rewritten copy, under half a gigabyte of memory even for a file of
// nothing but line ends.
inline constexpr std::size_t MaxProfileFileSize = 64u << 20;

// The value of Key in Section of the file at Path, or Default when the file,
// the section or the key is missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& Default, const std::string& path);

// Sets Key in Section to Value, creating the file, section or key as needed.
// false when the file cannot be written (missing or read-only folder,
// read-only file, full disk); the file is then unchanged.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path);

struct ProfileRead {
    ProfileDocument document;
    // false for a file that exists but was not read whole (larger than
    // MaxProfileFileSize, no read permission, a read error): replacing it
    // would lose what it holds.
    bool mayReplace = true;
};

// The file as a document; empty when it is missing or cannot be read (a
// folder, a named pipe or device, a dangling or looping link, a file that
// is not read whole). Opens without blocking: a pipe never hangs the caller.
ProfileRead ReadProfileDocument(const std::string& path);
// Replaces the file with the document through a temporary file in the same
// folder; false (and the old file untouched) on any failure. Removes stale
// temporary files of earlier saves first (see RemoveStaleTemporaryFiles).
bool ReplaceProfileDocument(const std::string& path, const ProfileDocument& document);

// The name pattern of the temporary files beside the profile file.
inline constexpr const char* TemporaryFilePrefix = ".quorvant-";
// A temporary file that nobody holds locked and that is older than this was
// left by a save that was killed (a save holds its temporary file locked from
// a moment after its creation until it is renamed or removed). The grace
// covers that moment, so a save running in another instance right now never
// loses its file.
inline constexpr int StaleTemporaryFileSeconds = 2;
// Removes the stale temporary files of ours in the folder: names of our
// pattern only, regular files of our own user only, never one locked by a
// running save or younger than StaleTemporaryFileSeconds. Returns how many.
int RemoveStaleTemporaryFiles(const std::string& folder);

} // namespace quorvant::platform
