#include "worksheet/SettingsFile.h"

#include "platform/Platform.h"
#include "worksheet/IniFile.h"

namespace quorvant {

WorksheetInputs DefaultInputs()
{
    WorksheetInputs inputs;
    for (const auto& entry : SettingsKeys)
        inputs[entry.input] = entry.Default;
    return inputs;
}

std::string SettingsFilePath(const std::string& SettingsFolder, const std::string& ProductSubfolder)
{
    return SettingsFolder + ProductSubfolder + SettingsFileName;
}

SettingsValues LoadSettings(const std::string& path, char decimalSeparator)
{
    const IniFile file(path, decimalSeparator);
    SettingsValues values;
    for (const auto& entry : SettingsKeys)
        values.LastValues[entry.input] = file.ReadReal(LastValuesSection, entry.key, entry.Default);
    values.Run = file.ReadFlag(GeneralValuesSection, RunKey, false);
    return values;
}

void SaveSettings(const std::string& path, const SettingsValues& values, char decimalSeparator)
{
    // A path that starts with the product folder means the folder lookup
    // failed: never create it under the root folder instead.
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0 || path.starts_with(ProductSubfolderName) ||
        !platform::HasPlatform() || !platform::ThePlatform().ForceDirectories(path.substr(0, slash)))
        throw SettingsWriteError(path);

    IniFile file(path, decimalSeparator);
    for (const auto& entry : SettingsKeys)
        file.WriteReal(LastValuesSection, entry.key, values.LastValues[entry.input]);
    file.WriteFlag(GeneralValuesSection, RunKey, values.Run);
    file.UpdateFile();
}

} // namespace quorvant
