#include "platform/Platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace quorvant::platform {

namespace {
std::unique_ptr<Platform>& Current()
{
    static std::unique_ptr<Platform> current;
    return current;
}
} // namespace

Platform::Platform() = default;
Platform::~Platform() = default;

bool Platform::ForceDirectories(const std::string& path)
{
    if (path.empty())
        return false;
    struct stat st {};
    if (stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !ForceDirectories(path.substr(0, slash)))
        return false;
    if (mkdir(path.c_str(), 0755) == 0 || errno == EEXIST)
        return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    return false;
}

char Platform::DecimalSeparator()
{
    // As the entry fields take it: a thousands character equal to the
    // decimal one leaves both at their defaults.
    const std::string value = IntlValue("sDecimal", ".");
    if (value.empty() || static_cast<unsigned char>(value.front()) >= 0x80)
        return '.';
    const std::string thousands = IntlValue("sThousand", ",");
    if (!thousands.empty() && thousands.front() == value.front())
        return '.';
    return value.front();
}

Platform& ThePlatform()
{
    if (!Current()) {
        std::fputs("quorvant: no platform installed\n", stderr);
        std::abort();
    }
    return *Current();
}

bool HasPlatform()
{
    return Current() != nullptr;
}

std::unique_ptr<Platform> SetPlatform(std::unique_ptr<Platform> platform)
{
    std::swap(Current(), platform);
    return platform;
}

} // namespace quorvant::platform
