#include "report/decode.h"

#include "report/code_word_scanner.h"

#include <array>
#include <cstring>

namespace vrd {

namespace {

constexpr std::size_t kTableSlots = 256;
constexpr std::size_t kMaxTableScan = kTableSlots + 1;

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

} // namespace

DecodeResult DecodeEncodedText(std::string_view file, const Progress& progress) {
    DecodeResult result;
    CodeTable table;
    const std::optional<std::size_t> atPos = ReadCodeTable(file, table);
    if (!atPos) {
        result.failure = NoTableEnd();
        return result;
    }
    result.tableRead = true;

    // body is everything after the "@"; its first character is never read and its last one
    // never starts or counts in a code word.
    const std::string_view body = file.substr(*atPos + 1);
    if (body.size() < 3)
        return result;
    const std::size_t bodyOffset = *atPos + 2; // 1-based file position of body[0]

    std::string& out = result.text;
    out.resize(CountCodeWordEnds(body.data() + 1, body.size() - 2) + 1);
    char* const outBegin = out.data();
    char* next = outBegin;

    std::size_t wordStart = 1;
    const std::size_t stop = body.size() - 1;
    std::uint64_t nextReport = kProgressStep;
    bool cancelled = false;
    std::optional<Failure> failure;

    // Each "1" before the last character ends a code word that began after the previous one.
    ForEachCodeWordEnd(body.data(), 1, stop, [&](std::size_t end) {
        const std::size_t length = end - wordStart;
        if (length >= kTableSlots) {
            failure = WordTooLong(length, bodyOffset + wordStart);
            return false;
        }
        *next = table.entry[length];
        next += length < table.size ? 1 : 0;
        wordStart = end + 1;
        if (progress && end >= nextReport) {
            nextReport = end + kProgressStep;
            if (!progress(end, body.size())) {
                cancelled = true;
                return false;
            }
        }
        return true;
    });
    // A run that reaches the last character ends there, as if a "1" stood in its place.
    if (!failure && !cancelled && wordStart < stop) {
        const std::size_t length = stop - wordStart;
        if (length >= kTableSlots) {
            failure = WordTooLong(length, bodyOffset + wordStart);
        } else if (length < table.size) {
            *next++ = table.entry[length];
        }
    }
    out.resize(static_cast<std::size_t>(next - outBegin));
    if (cancelled)
        failure = Failure{Stage::Cancelled, "decoding was cancelled"};
    result.failure = std::move(failure);
    return result;
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
