#pragma once
// An output stream that drops everything, so that a command's own work is measured and not the
// terminal's.

#include <ostream>
#include <streambuf>

namespace vrd::bench {

class NullBuffer final : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

class NullStream final : public std::ostream {
  public:
    NullStream() : std::ostream(&buffer_) {}

  private:
    NullBuffer buffer_;
};

} // namespace vrd::bench
