#include "report/piece_decoder.h"

#include "report/read_file.h"

#include <cstring>

namespace vrd {

namespace {

constexpr std::size_t kTableSlots = 256;
constexpr std::size_t kMaxTableScan = kTableSlots + 1;
// The kernels write a whole 64-byte vector past the last character.
constexpr std::size_t kWriteSlack = 64;

// An empty file is said to be empty: the limit of the table means nothing to its owner.
Failure NoTableEnd(std::uint64_t fileBytes) {
    return MakeFailure(fileBytes == 0 ? FailureKind::Empty : FailureKind::NoTableEnd);
}

Failure WordTooLong(std::size_t length, std::size_t filePos) {
    FailureValues values;
    values.number = static_cast<std::int64_t>(length);
    values.position = static_cast<std::int64_t>(filePos);
    return MakeFailure(FailureKind::CodeWordTooLong, values);
}

} // namespace

bool PieceDecoder::Feed(std::string_view piece) {
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
            failure_ = MakeFailure(FailureKind::DecodeCancelled);
            stopped_ = true;
        }
    }
    return !stopped_;
}

DecodeResult PieceDecoder::Finish() {
    DecodeResult result;
    if (!tableRead_) {
        result.failure = failure_ ? std::move(failure_) : NoTableEnd(fed_);
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

bool PieceDecoder::ReadTable(std::string_view& piece, std::uint64_t offset) {
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
            failure_ = NoTableEnd(fed_);
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

void PieceDecoder::FeedBody(std::string_view piece) {
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

void PieceDecoder::Scan(const char* data, std::size_t n, std::uint64_t first) {
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

void PieceDecoder::MakeRoom(std::size_t ends, std::size_t scanned) {
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

std::size_t PieceDecoder::Written() const {
    return words_.next == nullptr ? 0 : static_cast<std::size_t>(words_.next - text_.data());
}

Failure PieceDecoder::TooLong(std::uint64_t length) const {
    // The body starts right after the "@", at the 1-based file position tableSize_ + 2.
    return WordTooLong(static_cast<std::size_t>(length),
                       static_cast<std::size_t>(tableSize_ + 2 + words_.wordStart));
}

} // namespace vrd
