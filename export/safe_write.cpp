#include "export/safe_write.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrd {

namespace {

std::string SystemReason(int error) {
    return std::strerror(error);
}

// How long a save to a pipe waits for a reader: 100 steps of 10 ms.
constexpr int kReaderWaitSteps = 100;
constexpr useconds_t kReaderWaitStepMicroseconds = 10000;

std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return SystemReason(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

std::optional<std::string> WriteDirectly(const std::string& path, std::string_view bytes) {
    // Opening a pipe waits for a reader. A reader that is starting at the same time gets a moment
    // to come; a pipe that no program reads from fails instead of holding the save forever.
    int fd = -1;
    for (int attempt = 0; attempt < kReaderWaitSteps; ++attempt) {
        fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd >= 0 || errno != ENXIO)
            break;
        ::usleep(kReaderWaitStepMicroseconds);
    }
    if (fd < 0) {
        if (errno == ENXIO)
            return std::string("no program reads from this pipe");
        return SystemReason(errno);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        const int error = errno;
        ::close(fd);
        return SystemReason(error);
    }
    std::optional<std::string> error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && !error)
        error = SystemReason(errno);
    return error;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// A link to a regular file is followed, so that the link stays and its target is replaced.
std::string ResolveLink(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

std::optional<std::string> WriteByRename(const std::string& target, std::string_view bytes,
                                         mode_t mode) {
    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/.vrd-save-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return "cannot create a file in " + folder + ": " + SystemReason(errno);
    std::optional<std::string> error = WriteAll(fd, bytes);
    if (!error && ::fchmod(fd, mode) != 0)
        error = SystemReason(errno);
    if (!error && ::fsync(fd) != 0)
        error = SystemReason(errno);
    if (::close(fd) != 0 && !error)
        error = SystemReason(errno);
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = SystemReason(errno);
    if (error)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace

std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return std::string("no file name given");
    const std::string target = ResolveLink(path);
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return std::string("it is a folder, not a file");
        if (!S_ISREG(info.st_mode))
            return WriteDirectly(target, bytes);
        return WriteByRename(target, bytes, info.st_mode & 07777);
    }
    if (errno != ENOENT)
        return SystemReason(errno);
    return WriteByRename(target, bytes, NewFileMode());
}

} // namespace vrd
