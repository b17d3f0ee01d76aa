#include "report/decode.h"

#include "report/code_word_scanner.h"
#include "report/read_file.h"

#include <array>
#include <cstring>

namespace vrd {

namespace {

constexpr std::size_t kTableSlots = 256;
constexpr std::size_t kMaxTableScan = kTableSlots + 1;
// A piece small enough that counting its "1"s brings it into the cache for the decoding pass.
constexpr std::size_t kMemoryPiece = 64 * 1024;
// The kernels write a whole 64-byte vector past the last character.
constexpr std::size_t kWriteSlack = 64;

struct CodeTable {
    std::array<char, kTableSlots> entry{};
    std::size_t size = 0; // slots at and past this are empty
};

// Reads the table; returns the position of the "@" that ends it, or nullopt when the first 257
// characters hold none.
std::optional<std::size_t> ReadCodeTable(std::string_view file, CodeTable& table) {
    const std::size_t scan = file.size() < kMaxTableScan ? file.size() : kMaxTableScan;
    const void* at = std::memchr(file.data(), '@', scan);
    if (at == nullptr)
        return std::nullopt;
    const std::size_t atPos = static_cast<std::size_t>(static_cast<const char*>(at) - file.data());
    std::memcpy(table.entry.data(), file.data(), atPos);
    table.size = atPos;
    return atPos;
}

Failure NoTableEnd() {
    return {Stage::Decode, "no \"@\" ends the code table within the first 257 bytes"};
}

Failure WordTooLong(std::size_t length, std::size_t filePos) {
    return {Stage::Decode, "the code word at byte " + std::to_string(filePos) + " has " +
                               std::to_string(length) +
                               " count characters; a table has at most 256 entries"};
}

// Decodes a file handed over piece by piece. The table may span pieces; the body's first byte
// (the filler) is skipped, and the last byte received is held back until more arrive, because the
// file's last byte is never read.
class PieceDecoder {
  public:
    PieceDecoder(ScanKernel kernel, const Progress& progress)
        : kernel_(kernel), progress_(progress) {}

    // The file's size as far as known, for progress and for sizing the text.
    void ExpectSize(std::uint64_t size) { expected_ = size; }

    // Returns false once decoding has stopped: a failure or a cancel.
    bool Feed(std::string_view piece) {
        if (stopped_ || piece.empty())
            return !stopped_;
        const std::uint64_t fedBefore = fed_;
        fed_ += piece.size();
        if (!tableRead_ && !ReadTable(piece, fedBefore))
            return false;
        if (tableRead_ && !piece.empty())
            FeedBody(piece);
        if (!stopped_ && progress_ && fed_ >= nextReport_) {
            nextReport_ = fed_ + kProgressStep;
            if (!progress_(fed_, expected_ > fed_ ? expected_ : fed_)) {
                failure_ = Failure{Stage::Cancelled, "decoding was cancelled"};
                stopped_ = true;
            }
        }
        return !stopped_;
    }

    DecodeResult Finish() {
        DecodeResult result;
        if (!tableRead_) {
            result.failure = failure_ ? std::move(failure_) : NoTableEnd();
            return result;
        }
        result.tableRead = true;
        // A run that reaches the last byte ends there, as if a "1" stood in its place.
        if (!stopped_ && bodySeen_ >= 2) {
            const std::uint64_t stop = bodySeen_ - 1;
            if (words_.wordStart < stop) {
                const std::uint64_t length = stop - words_.wordStart;
                if (length >= kTableSlots) {
                    failure_ = TooLong(length);
                } else if (length < tableSize_) {
                    MakeRoom(1, 1);
                    *words_.next++ = static_cast<char>(entry_[length]);
                }
            }
        }
        text_.resize(Written());
        result.text = std::move(text_);
        result.failure = std::move(failure_);
        return result;
    }

  private:
    // Takes the table's bytes off the front of piece (whose first byte is file byte offset).
    bool ReadTable(std::string_view& piece, std::uint64_t offset) {
        const std::size_t room = static_cast<std::size_t>(kMaxTableScan - offset);
        const std::size_t look = piece.size() < room ? piece.size() : room;
        const void* at = std::memchr(piece.data(), '@', look);
        const std::size_t tableBytes =
            at == nullptr ? look
                          : static_cast<std::size_t>(static_cast<const char*>(at) - piece.data());
        const std::size_t stored = offset + tableBytes <= kTableSlots
                                       ? tableBytes
                                       : static_cast<std::size_t>(kTableSlots - offset);
        std::memcpy(entry_.data() + offset, piece.data(), stored);
        if (at == nullptr) {
            if (offset + look >= kMaxTableScan) {
                failure_ = NoTableEnd();
                stopped_ = true;
                return false;
            }
            piece = {};
            return true;
        }
        tableSize_ = static_cast<std::size_t>(offset) + tableBytes;
        tableRead_ = true;
        words_.entry = entry_.data();
        words_.tableSize = tableSize_;
        words_.wordStart = 1;
        piece.remove_prefix(tableBytes + 1);
        return true;
    }

    void FeedBody(std::string_view piece) {
        if (bodySeen_ == 0) {
            piece.remove_prefix(1); // the filler
            bodySeen_ = 1;
            if (piece.empty())
                return;
        }
        if (holding_) {
            Scan(&held_, 1, bodySeen_ - 1);
            if (stopped_)
                return;
        }
        Scan(piece.data(), piece.size() - 1, bodySeen_);
        held_ = piece.back();
        holding_ = true;
        bodySeen_ += piece.size();
    }

    // Decodes the words ending among the n bytes at data, data[0] being body position first.
    void Scan(const char* data, std::size_t n, std::uint64_t first) {
        if (n == 0 || stopped_)
            return;
        MakeRoom(CountCodeWordEnds(kernel_, data, n), n);
        const std::size_t blocks = n / 64;
        DecodeBlocks(kernel_, data, blocks, first, words_);
        const std::size_t tail = n % 64;
        if (!words_.tooLong && tail != 0) {
            // A zero-padded copy of the tail: its padding holds no "1", so it ends no word.
            alignas(64) char padded[64] = {};
            std::memcpy(padded, data + 64 * blocks, tail);
            DecodeBlocks(kernel_, padded, 1, first + 64 * blocks, words_);
        }
        if (words_.tooLong) {
            failure_ = TooLong(words_.tooLongEnd - words_.wordStart);
            stopped_ = true;
        }
    }

    // Room for `ends` more characters (plus the kernels' slack), found in `scanned` bytes. The
    // first time, the text is sized for the rest of the file at the same density of words.
    void MakeRoom(std::size_t ends, std::size_t scanned) {
        const std::size_t written = Written();
        const std::size_t need = written + ends + kWriteSlack;
        if (need <= text_.size())
            return;
        if (need > text_.capacity()) {
            std::size_t wanted = need + text_.capacity() / 2;
            if (!sized_ && expected_ > fed_) {
                const double density = static_cast<double>(ends) / static_cast<double>(scanned);
                wanted = need + static_cast<std::size_t>(static_cast<double>(expected_ - fed_) *
                                                         density * 1.0625);
            }
            ReserveFileBytes(text_, wanted);
            sized_ = true;
        }
        text_.resize(need);
        words_.next = text_.data() + written;
    }

    std::size_t Written() const {
        return words_.next == nullptr ? 0 : static_cast<std::size_t>(words_.next - text_.data());
    }

    Failure TooLong(std::uint64_t length) const {
        // The body starts right after the "@", at the 1-based file position tableSize_ + 2.
        return WordTooLong(static_cast<std::size_t>(length),
                           static_cast<std::size_t>(tableSize_ + 2 + words_.wordStart));
    }

    const ScanKernel kernel_;
    const Progress& progress_;
    std::uint64_t expected_ = 0;
    std::uint64_t fed_ = 0;
    std::uint64_t nextReport_ = kProgressStep;
    bool tableRead_ = false;
    std::array<unsigned char, kTableSlots> entry_{};
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

ScanKernel ChosenKernel() {
    static const ScanKernel kernel = BestScanKernel();
    return kernel;
}

DecodeResult DecodeInPieces(std::string_view file, ScanKernel kernel, std::size_t pieceSize,
                            const Progress& progress) {
    PieceDecoder decoder(kernel, progress);
    decoder.ExpectSize(file.size());
    for (std::size_t at = 0; at < file.size(); at += pieceSize)
        if (!decoder.Feed(file.substr(at, pieceSize)))
            break;
    return decoder.Finish();
}

} // namespace

DecodeResult DecodeEncodedText(std::string_view file, const Progress& progress) {
    return DecodeInPieces(file, ChosenKernel(), kMemoryPiece, progress);
}

DecodeResult DecodeEncodedTextWith(std::string_view file, ScanKernel kernel,
                                   std::size_t pieceSize) {
    return DecodeInPieces(file, kernel, pieceSize == 0 ? 1 : pieceSize, {});
}

DecodeResult DecodeEncodedFile(const std::string& path, const Progress& progress) {
    PieceDecoder decoder(ChosenKernel(), progress);
    const std::optional<Failure> failure =
        ReadFileInPieces(path, [&decoder](std::string_view piece, std::uint64_t size) {
            decoder.ExpectSize(size);
            return decoder.Feed(piece);
        });
    if (failure) {
        DecodeResult result;
        result.failure = failure;
        return result;
    }
    return decoder.Finish();
}

DecodeResult DecodeEncodedTextPlain(std::string_view file) {
    DecodeResult result;
    CodeTable table;
    const std::optional<std::size_t> atPos = ReadCodeTable(file, table);
    if (!atPos) {
        result.failure = NoTableEnd();
        return result;
    }
    result.tableRead = true;
    const std::string_view body = file.substr(*atPos + 1);
    // q counts from 1 as in the file format's description; body[q - 1] is character q.
    std::size_t q = 2;
    while (q < body.size()) {
        const std::size_t start = q;
        std::size_t k = 0;
        while (body[q - 1] != '1' && q < body.size()) {
            ++k;
            ++q;
        }
        ++q;
        if (k > 255) {
            result.failure = WordTooLong(k, *atPos + 1 + start);
            return result;
        }
        if (k < table.size)
            result.text.push_back(table.entry[k]);
    }
    return result;
}

} // namespace vrd
