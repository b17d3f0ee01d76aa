#pragma once
// The decoder of an encoded data file handed over piece by piece, as it is read.
//
// The table may span pieces; the body's first byte (the filler) is skipped, and the last byte
// received is held back until more arrive, because the file's last byte is never read.

#include "report/code_word_scanner.h"
#include "report/decode.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vrd {

class PieceDecoder {
  public:
    PieceDecoder(ScanKernel kernel, const Progress& progress)
        : kernel_(kernel), progress_(progress) {}

    // The file's size as far as known, for progress and for sizing the text.
    void ExpectSize(std::uint64_t size) { expected_ = size; }

    // Returns false once decoding has stopped: a failure or a cancel.
    bool Feed(std::string_view piece);

    DecodeResult Finish();

  private:
    // Takes the table's bytes off the front of piece (whose first byte is file byte offset).
    bool ReadTable(std::string_view& piece, std::uint64_t offset);

    void FeedBody(std::string_view piece);

    // Decodes the words ending among the n bytes at data, data[0] being body position first.
    void Scan(const char* data, std::size_t n, std::uint64_t first);

    // Room for `ends` more characters (plus the kernels' slack), found in `scanned` bytes. The
    // first time, the text is sized for the rest of the file at the same density of words.
    void MakeRoom(std::size_t ends, std::size_t scanned);

    std::size_t Written() const;

    Failure TooLong(std::uint64_t length) const;

    const ScanKernel kernel_;
    const Progress& progress_;
    std::uint64_t expected_ = 0;
    std::uint64_t fed_ = 0;
    std::uint64_t nextReport_ = kProgressStep;
    bool tableRead_ = false;
    std::array<unsigned char, 256> entry_{}; // a table has at most 256 slots
    std::size_t tableSize_ = 0;
    std::uint64_t bodySeen_ = 0; // body bytes received, the filler included
    bool holding_ = false;
    char held_ = 0;
    WordState words_;
    std::string text_;
    bool sized_ = false; // whether the text was sized for the whole file yet
    std::optional<Failure> failure_;
    bool stopped_ = false;
};

} // namespace vrd
