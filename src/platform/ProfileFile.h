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
// A larger file is no profile file of ours (ours hold a few hundred bytes):
// it reads as empty, so a huge file in its place cannot slow the start-up or
// fill the memory, and the next write replaces it.
inline constexpr std::size_t MaxProfileFileSize = 1 << 20;

// The value of Key in Section of the file at Path, or Default when the file,
// the section or the key is missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& Default, const std::string& path);

// Sets Key in Section to Value, creating the file, section or key as needed.
// false when the file cannot be written (missing or read-only folder,
// read-only file, full disk); the file is then unchanged.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path);

// The file as a document; empty when it is missing or cannot be read (a
// folder, a named pipe or device, a dangling or looping link, a file larger
// than MaxProfileFileSize).
ProfileDocument ReadProfileDocument(const std::string& path);
// Replaces the file with the document through a temporary file in the same
// folder; false (and the old file untouched) on any failure.
bool ReplaceProfileDocument(const std::string& path, const ProfileDocument& document);

} // namespace quorvant::platform
