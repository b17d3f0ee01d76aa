// Any bytes as the file given to "vrdtool show": the whole command runs in-process, from reading
// the file to the printed JSON or summary, once as an encoded data file and once as a plain
// report. The file lives in memory (a memfd) behind a link whose name ends in ".vrd", so the
// command reads it exactly as it reads a file on disk.

#include "fuzz/fuzz_check.h"
#include "report/results_window.h"
#include "testkit/show_json_tree.h"
#include "tools/vrdtool/commands.h"
#include "tools/vrdtool/show_json.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

class InMemoryFile {
  public:
    InMemoryFile() {
        fd_ = ::memfd_create("vrd-fuzz-show", 0);
        char folder[] = "/tmp/vrd-fuzz-show-XXXXXX";
        VRD_FUZZ_CHECK(fd_ >= 0 && ::mkdtemp(folder) != nullptr);
        folder_ = folder;
        path_ = folder_ + "/report.vrd";
        const std::string target = "/proc/self/fd/" + std::to_string(fd_);
        VRD_FUZZ_CHECK(::symlink(target.c_str(), path_.c_str()) == 0);
    }
    ~InMemoryFile() {
        ::unlink(path_.c_str());
        ::rmdir(folder_.c_str());
        ::close(fd_);
    }
    InMemoryFile(const InMemoryFile&) = delete;
    InMemoryFile& operator=(const InMemoryFile&) = delete;

    void Hold(const std::uint8_t* data, std::size_t size) {
        VRD_FUZZ_CHECK(::ftruncate(fd_, 0) == 0);
        VRD_FUZZ_CHECK(::pwrite(fd_, data, size, 0) == static_cast<ssize_t>(size));
    }
    const std::string& Path() const { return path_; }

  private:
    int fd_ = -1;
    std::string folder_;
    std::string path_;
};

// The status says whether a reason was printed. The printed JSON must be exactly the JSON value
// of the state after the same open, as the library writes it.
void ShowAndCheck(const vrd::ToolInput& input, bool json) {
    std::ostringstream out, err;
    const int status = vrd::RunShow(input, json, out, err);
    VRD_FUZZ_CHECK(status == 0 || status == 1);
    VRD_FUZZ_CHECK((status == 0) == err.str().empty());
    if (json) {
        const vrd::ReportKind kind =
            input.plain ? vrd::ReportKind::Plain : vrd::KindForPath(input.file);
        const vrd::OpenedReport opened = vrd::OpenFromStart(input.file, kind, true);
        VRD_FUZZ_CHECK(out.str() == vrd::ShowJson(input.file, opened).dump() + "\n");
        VRD_FUZZ_CHECK((status == 0) == !opened.outcome.failure);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static InMemoryFile file;
    file.Hold(data, size);
    ShowAndCheck({file.Path(), false}, true);
    ShowAndCheck({file.Path(), true}, false);
    return 0;
}
