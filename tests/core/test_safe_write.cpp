#include "export/safe_write.h"
#include "tests/core/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vrd {
namespace {

namespace fs = std::filesystem;

class SafeWrite : public test::TempFolderTest {
  protected:
    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Nothing but the named files is left in the folder: no temporary file survives.
    void ExpectOnly(std::size_t files) const {
        EXPECT_EQ(static_cast<std::size_t>(
                      std::distance(fs::directory_iterator(folder_), fs::directory_iterator())),
                  files);
    }
};

TEST_F(SafeWrite, CreatesAndReplacesWholeFilesKeepingTheirMode) {
    const fs::path target = folder_ / "report decrypt.txt";
    EXPECT_FALSE(WriteFileSafely(target, std::string("a\0b", 3)));
    EXPECT_EQ(Read(target), std::string("a\0b", 3));
    ::chmod(target.c_str(), 0640);
    EXPECT_FALSE(WriteFileSafely(target, "second"));
    EXPECT_EQ(Read(target), "second");
    struct stat info {};
    ::stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    ExpectOnly(1);
}

TEST_F(SafeWrite, FailuresLeaveTheExistingFileAsItWas) {
    const fs::path target = folder_ / "kept.csv";
    Write(target, "precious");

    const std::optional<std::string> toFolder = WriteFileSafely(folder_, "x");
    ASSERT_TRUE(toFolder);
    EXPECT_NE(toFolder->find("folder"), std::string::npos);

    EXPECT_TRUE(WriteFileSafely(folder_ / "missing" / "out.csv", "x"));

    if (::geteuid() != 0) { // root writes into read-only folders anyway
        fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_TRUE(WriteFileSafely(target, "replacement"));
        fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add);
    }
    EXPECT_EQ(Read(target), "precious");
    ExpectOnly(1);
}

TEST_F(SafeWrite, DevicesAreWrittenDirectlyAndNeverReplaced) {
    EXPECT_FALSE(WriteFileSafely("/dev/null", "anything"));
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    const std::optional<std::string> full = WriteFileSafely("/dev/full", "anything");
    ASSERT_TRUE(full);
    EXPECT_NE(full->find("space"), std::string::npos) << *full;
}

TEST_F(SafeWrite, APipeWithoutReaderFailsInsteadOfWaiting) {
    const fs::path pipe = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::optional<std::string> error = WriteFileSafely(pipe, "rows");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("reads"), std::string::npos) << *error;
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(SafeWrite, ALinkKeepsPointingAtTheReplacedFile) {
    const fs::path target = folder_ / "real.txt";
    Write(target, "old");
    fs::create_symlink(target, folder_ / "link.txt");
    EXPECT_FALSE(WriteFileSafely(folder_ / "link.txt", "new"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.txt"));
    EXPECT_EQ(Read(target), "new");
}

} // namespace
} // namespace vrd
