#include "platform/ProfileFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvant::platform {

namespace {

enum class ReadOutcome { Read, NotThere, Refused };

ReadOutcome ReadWhole(const std::string& path, std::string& out)
{
    // Non-blocking, so a named pipe in the file's place cannot hang the
    // start-up; only regular files are read.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        // Missing, a dangling link or a link to itself: nothing to lose.
        if (errno == ENOENT || errno == ELOOP || errno == ENOTDIR)
            return ReadOutcome::NotThere;
        return ReadOutcome::Refused;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        close(fd);
        return ReadOutcome::Refused;
    }
    // Folders, pipes and devices are never replaced either (see
    // ReplaceProfileDocument); they just read as empty.
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return ReadOutcome::NotThere;
    }
    if (st.st_size > static_cast<off_t>(MaxProfileFileSize)) {
        close(fd);
        return ReadOutcome::Refused;
    }
    out.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        // A file that fails to read, or grows past the limit while it is
        // read, is not read at all.
        if (n < 0 || out.size() + static_cast<std::size_t>(std::max<ssize_t>(n, 0)) > MaxProfileFileSize) {
            close(fd);
            out.clear();
            return ReadOutcome::Refused;
        }
        if (n == 0)
            break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return ReadOutcome::Read;
}

bool IsOurTemporaryName(std::string_view name)
{
    const std::string_view prefix = TemporaryFilePrefix;
    if (name.size() != prefix.size() + 6 || !name.starts_with(prefix))
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
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

ProfileRead ReadProfileDocument(const std::string& path)
{
    std::string text;
    switch (ReadWhole(path, text)) {
    case ReadOutcome::Read:
        return {ProfileDocument::Adopt(std::move(text)), true};
    case ReadOutcome::NotThere:
        return {};
    case ReadOutcome::Refused:
        break;
    }
    return {{}, false};
}

int RemoveStaleTemporaryFiles(const std::string& folder)
{
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    DIR* dir = fdopendir(dirFd);
    if (!dir) {
        close(dirFd);
        return 0;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const auto age = [&now](const struct stat& st) {
        return static_cast<double>(now.tv_sec - st.st_mtim.tv_sec) +
               static_cast<double>(now.tv_nsec - st.st_mtim.tv_nsec) / 1e9;
    };
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        if (!IsOurTemporaryName(entry->d_name))
            continue;
        struct stat st {};
        if (fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != geteuid() || age(st) < StaleTemporaryFileSeconds)
            continue;
        const int fd =
            openat(dirFd, entry->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (fd < 0)
            continue;
        struct stat opened {};
        // Removed only while we hold its lock, and only the file we looked at.
        if (fstat(fd, &opened) == 0 && opened.st_dev == st.st_dev && opened.st_ino == st.st_ino &&
            flock(fd, LOCK_EX | LOCK_NB) == 0 && unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
        close(fd);
    }
    closedir(dir);
    return removed;
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

    // Before writing: on a full disk the space they hold may be what this
    // save needs.
    RemoveStaleTemporaryFiles(folder);

    std::string temp = folder + "/" + TemporaryFilePrefix + "XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    // Held until the file is renamed or removed (or this process dies), so
    // that another instance's clean-up leaves it alone. Where the file
    // system has no locks, the save goes on without.
    flock(fd, LOCK_EX | LOCK_NB);
    // Renamed before it is closed: closing drops the lock.
    const bool saved = WriteAll(fd, document.Serialize()) && fchmod(fd, mode) == 0 && fsync(fd) == 0 &&
                       rename(temp.c_str(), target.c_str()) == 0;
    if (!saved)
        unlink(temp.c_str());
    close(fd);
    if (!saved)
        return false;
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
    return ReadProfileDocument(path).document.Get(section, key).value_or(Default);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& path)
{
    ProfileRead read = ReadProfileDocument(path);
    if (!read.mayReplace)
        return false;
    read.document.Set(section, key, value);
    return ReplaceProfileDocument(path, read.document);
}

} // namespace quorvant::platform
