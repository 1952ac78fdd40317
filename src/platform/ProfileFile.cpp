#include "platform/ProfileFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvant::platform {

namespace {

bool ReadWhole(const std::string& path, std::string& out)
{
    // Non-blocking, so a named pipe in the file's place cannot hang the
    // start-up; only regular files are read.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > static_cast<off_t>(MaxProfileFileSize)) {
        close(fd);
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            close(fd);
            return false;
        }
        if (n == 0)
            break;
        // A file that grows while it is read is cut at the limit all the same.
        if (out.size() + static_cast<std::size_t>(n) > MaxProfileFileSize) {
            close(fd);
            return false;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return true;
}

bool WriteAll(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A read-only file or folder counts as such even for the superuser, who
// could otherwise write anywhere.
bool Writable(const std::string& path, const struct stat& st)
{
    return (st.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

ProfileDocument ReadProfileDocument(const std::string& path)
{
    std::string text;
    if (!ReadWhole(path, text))
        return {};
    return ProfileDocument::Parse(text);
}

bool ReplaceProfileDocument(const std::string& path, const ProfileDocument& document)
{
    if (path.empty())
        return false;
    // Write through a link to the file it names.
    std::string target = path;
    if (char* resolved = realpath(path.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
    }
    const std::string folder = FolderOf(target);
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || !Writable(folder, st))
        return false;
    mode_t mode = 0666;
    if (stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || !Writable(target, st))
            return false;
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }

    std::string temp = folder + "/.quorvant-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, document.Serialize()) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    if (close(fd) != 0 || !written || rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& Default, const std::string& path)
{
    return ReadProfileDocument(path).Get(section, key).value_or(Default);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path)
{
    ProfileDocument document = ReadProfileDocument(path);
    document.Set(section, key, value);
    return ReplaceProfileDocument(path, document);
}

} // namespace quorvant::platform
