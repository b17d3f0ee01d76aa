#include "report/read_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrd {

namespace {

Failure ReadFailure(FailureKind kind) {
    return MakeFailure(kind);
}

Failure SystemFailure(int error) {
    FailureValues values;
    values.number = error;
    values.text = std::strerror(error);
    return MakeFailure(FailureKind::System, std::move(values));
}

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

constexpr std::size_t kPieceBytes = 128 * 1024;

// Reads fd to its end in pieces. The size limit acts as if the file were read into a buffer of
// expected bytes that doubles whenever it is full: a full buffer of 4 GiB or more fails.
std::optional<Failure> ReadPieces(int fd, std::uint64_t expected, std::uint64_t fileSize,
                                  const FilePieceSink& consume) {
    const std::unique_ptr<char[]> piece(new char[kPieceBytes]);
    std::uint64_t buffer = expected;
    std::uint64_t filled = 0;
    for (;;) {
        if (filled == buffer) {
            if (buffer >= kMaxInputBytes)
                return ReadFailure(FailureKind::TooLarge);
            buffer *= 2;
        }
        const std::uint64_t room = buffer - filled;
        const ssize_t got = ::read(fd, piece.get(), room < kPieceBytes ? room : kPieceBytes);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return SystemFailure(errno);
        }
        if (got == 0)
            return std::nullopt;
        filled += static_cast<std::uint64_t>(got);
        if (!consume(std::string_view(piece.get(), static_cast<std::size_t>(got)), fileSize))
            return std::nullopt;
    }
}

} // namespace

std::optional<Failure> ReadFileInPieces(const std::string& path, const FilePieceSink& consume) {
    if (path.empty())
        return ReadFailure(FailureKind::NoFileName);
    // A named pipe waits for its writer here, as any reader of a pipe does; the program can
    // cancel such a load, and the command line is interrupted as usual.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return SystemFailure(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return SystemFailure(errno);
    if (S_ISDIR(info.st_mode))
        return ReadFailure(FailureKind::Folder);
    // A device such as /dev/zero may never end; pipes and sockets are read as streams.
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return ReadFailure(FailureKind::Device);
    std::uint64_t expected = 0;
    if (S_ISREG(info.st_mode)) {
        if (static_cast<std::uint64_t>(info.st_size) > kMaxInputBytes)
            return ReadFailure(FailureKind::TooLarge);
        expected = static_cast<std::uint64_t>(info.st_size);
    }
    // One byte past the expected size lets a file that grew meanwhile be read whole too.
    return ReadPieces(fd.get(), expected + 1, expected, consume);
}

FileRead ReadWholeFile(const std::string& path) {
    FileRead result;
    bool reserved = false;
    result.failure =
        ReadFileInPieces(path, [&result, &reserved](std::string_view piece, std::uint64_t size) {
            if (!reserved) {
                ReserveFileBytes(result.bytes, static_cast<std::size_t>(size) + 1);
                reserved = true;
            }
            result.bytes.append(piece);
            return true;
        });
    if (result.failure)
        result.bytes.clear();
    return result;
}

void ReserveFileBytes(std::string& bytes, std::size_t n) {
    if (n <= bytes.capacity())
        return;
    bytes.reserve(n);
    AdviseHugePages(bytes.data(), bytes.capacity());
}

void AdviseHugePages(const void* data, std::size_t size) {
#if defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    if (size < 4 * kHugePage)
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
    // Without huge pages the buffer works the same, only slower to fill.
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

} // namespace vrd
