#pragma once
// The settings file's reader and writer: the file is read once when opened;
// writes change the copy in memory and UpdateFile replaces the file with it
// in one atomic step. One step for the whole save, because a crash or a full
// disk between two single-key writes would leave a file that mixes the old
// values with the new ones.

#include <stdexcept>
#include <string>

#include "platform/ProfileDocument.h"

namespace quorvant {

class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}
};

class IniFile {
public:
    // A missing or unreadable file is not an error: it reads as empty. A file
    // that exists but was not read whole (too large, not readable) is never
    // replaced: UpdateFile fails instead of losing its contents.
    IniFile(std::string path, char decimalSeparator);

    const std::string& FileName() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& Default) const;
    // Default when missing, empty, or no number in the file's format.
    double ReadReal(const std::string& section, const std::string& key, double Default) const;
    // An integer, decimal or hexadecimal; non-zero is true; Default when
    // missing or when the text is no integer.
    bool ReadFlag(const std::string& section, const std::string& key, bool Default) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteReal(const std::string& section, const std::string& key, double value);
    void WriteFlag(const std::string& section, const std::string& key, bool value);

    // Replaces the file with everything written so far (every line it held
    // kept as it was); SettingsWriteError when that fails, and the file is
    // then as it was.
    void UpdateFile();

private:
    std::string path_;
    char decimalSeparator_;
    platform::ProfileDocument document_;
    bool mayReplace_ = true;
};

} // namespace quorvant
