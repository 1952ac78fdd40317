#include "platform/RecordingPlatform.h"

namespace quorvant::platform {

RecordingPlatform::RecordingPlatform() = default;

std::string RecordingPlatform::IntlValue(const std::string& key, const std::string& Default)
{
    auto it = intl.find(key);
    return it == intl.end() ? Default : it->second;
}

std::intptr_t RecordingPlatform::ShellExecute(WindowHandle parent, const std::string& verb,
                                              const std::string& file, const std::string& parameters,
                                              const std::string& directory, int showCommand)
{
    shellRequests.push_back({parent, verb, file, parameters, directory, showCommand});
    return shellResult;
}

bool RecordingPlatform::GetVersionEx(OsVersionInfo& info)
{
    if (!versionQuerySucceeds || info.SizeOfRecord != 148)
        return false;
    info = version;
    return true;
}

void RecordingPlatform::ShowMessageBox(WindowHandle owner, const std::string& text,
                                       const std::string& caption, MessageBoxIcon icon)
{
    messageBoxes.push_back({owner, text, caption, icon});
    if (onMessageBox)
        onMessageBox(messageBoxes.back());
}

} // namespace quorvant::platform
