#include "report/read_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrd {

namespace {

Failure ReadFailure(const std::string& reason) { return {Stage::Read, reason}; }

Failure SystemFailure(int error) { return ReadFailure(std::strerror(error)); }

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Appends everything that is left to read from fd.
std::optional<Failure> ReadToEnd(int fd, std::string& bytes, std::size_t expected) {
    std::size_t filled = bytes.size();
    bytes.resize(expected > filled ? expected : filled + 65536);
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() >= kMaxInputBytes)
                return ReadFailure("the file is larger than 4 GiB");
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            bytes.clear();
            return SystemFailure(error);
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return std::nullopt;
}

} // namespace

FileRead ReadWholeFile(const std::string& path) {
    FileRead result;
    if (path.empty()) {
        result.failure = ReadFailure("no file name given");
        return result;
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.failure = SystemFailure(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.failure = SystemFailure(errno);
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.failure = ReadFailure("it is a folder, not a file");
        return result;
    }
    std::size_t expected = 0;
    if (S_ISREG(info.st_mode)) {
        if (static_cast<std::uint64_t>(info.st_size) > kMaxInputBytes) {
            result.failure = ReadFailure("the file is larger than 4 GiB");
            return result;
        }
        expected = static_cast<std::size_t>(info.st_size);
    }
    // One byte past the expected size lets a file that grew meanwhile be read whole too.
    result.failure = ReadToEnd(fd.get(), result.bytes, expected + 1);
    return result;
}

} // namespace vrd
