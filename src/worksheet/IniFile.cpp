#include "worksheet/IniFile.h"

#include "platform/ProfileFile.h"
#include "worksheet/RealText.h"

namespace quorvant {

IniFile::IniFile(std::string path, char decimalSeparator)
    : path_(std::move(path)), decimalSeparator_(decimalSeparator)
{
    platform::ProfileRead read = platform::ReadProfileDocument(path_);
    document_ = std::move(read.document);
    mayReplace_ = read.mayReplace;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& Default) const
{
    return document_.Get(section, key).value_or(Default);
}

double IniFile::ReadReal(const std::string& section, const std::string& key, double Default) const
{
    const auto text = document_.Get(section, key);
    if (!text)
        return Default;
    return ParseReal(*text, decimalSeparator_).value_or(Default);
}

bool IniFile::ReadFlag(const std::string& section, const std::string& key, bool Default) const
{
    const auto text = document_.Get(section, key);
    if (!text)
        return Default;
    const auto value = ParseInteger(*text);
    return value ? *value != 0 : Default;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    document_.Set(section, key, value);
}

void IniFile::UpdateFile()
{
    if (!mayReplace_ || !platform::ReplaceProfileDocument(path_, document_))
        throw SettingsWriteError(path_);
}

void IniFile::WriteReal(const std::string& section, const std::string& key, double value)
{
    WriteString(section, key, FormatReal(value, decimalSeparator_));
}

void IniFile::WriteFlag(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

} // namespace quorvant
