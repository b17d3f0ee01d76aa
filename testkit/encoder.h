#pragma once
// Turns report text into the bytes of a .vrd file: the code table (the report's alphabet), "@",
// one filler byte, then each report byte as a code word of k count bytes (never "1") closed by a
// "1", k being the byte's place in the table. One padding byte ends the file, because the decoder
// leaves the last byte alone.

#include <cstdint>
#include <string>
#include <string_view>

namespace vrd::testkit {

enum class TableOrder {
    kFrequency, // most frequent byte first, ties by byte value: the smallest file
    kFirstSeen, // in the order the bytes first appear in the report
};

struct EncodeOptions {
    TableOrder table_order = TableOrder::kFrequency;
    // When not empty, used as the code table as it is (order, and any extra or repeated bytes);
    // a repeated byte is coded by its first place.
    std::string table;
    char count_char = '0'; // must not be '1'
    char filler = 'x';
    char padding = '1';
    // 0: every count byte is count_char; otherwise random bytes other than '1' from this seed.
    std::uint64_t count_seed = 0;
};

struct EncodeResult {
    std::string vrd;
    std::string error; // empty on success
    bool ok() const { return error.empty(); }
};

EncodeResult EncodeReport(std::string_view report, const EncodeOptions& options = {});

} // namespace vrd::testkit
