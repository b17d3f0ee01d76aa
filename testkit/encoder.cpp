#include "testkit/encoder.h"

#include "testkit/deterministic_random.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace vrd::testkit {
namespace {

constexpr std::size_t kLargestTable = 256;
constexpr int kNotInTable = -1;

using ByteCounts = std::array<std::size_t, 256>;

unsigned char ByteOf(char c) {
    return static_cast<unsigned char>(c);
}

std::string BuildTable(std::string_view report, const ByteCounts& counts, TableOrder order) {
    std::string table;
    if (order == TableOrder::kFirstSeen) {
        std::array<bool, 256> seen{};
        for (const char c : report) {
            if (!seen[ByteOf(c)]) {
                seen[ByteOf(c)] = true;
                table.push_back(c);
            }
        }
        return table;
    }
    std::array<int, 256> bytes{};
    std::iota(bytes.begin(), bytes.end(), 0);
    std::stable_sort(bytes.begin(), bytes.end(),
                     [&counts](int a, int b) { return counts[a] > counts[b]; });
    for (const int byte : bytes) {
        if (counts[byte] > 0)
            table.push_back(static_cast<char>(byte));
    }
    return table;
}

// Fills count bytes: random ones are drawn eight at a time, and a '1' is drawn again.
class CountBytes {
  public:
    CountBytes(char fixed, std::uint64_t seed) : fixed_(fixed), random_(seed), random_on_(seed) {}

    void Fill(char* out, std::size_t count) {
        if (!random_on_) {
            std::memset(out, fixed_, count);
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            char byte;
            do {
                byte = NextRandomByte();
            } while (byte == '1');
            out[i] = byte;
        }
    }

  private:
    char NextRandomByte() {
        if (bits_left_ == 0) {
            bits_ = random_.Bits();
            bits_left_ = 64;
        }
        const auto byte = static_cast<char>(static_cast<unsigned char>(bits_ & 0xFF));
        bits_ >>= 8;
        bits_left_ -= 8;
        return byte;
    }

    char fixed_;
    DeterministicRandom random_;
    bool random_on_;
    std::uint64_t bits_ = 0;
    int bits_left_ = 0;
};

} // namespace

EncodeResult EncodeReport(std::string_view report, const EncodeOptions& options) {
    EncodeResult result;
    if (options.count_char == '1') {
        result.error = "the count character cannot be '1', which closes a code word";
        return result;
    }
    ByteCounts counts{};
    for (const char c : report)
        ++counts[ByteOf(c)];
    if (counts[ByteOf('@')] > 0) {
        result.error = "the report contains '@', which cannot be in the code table";
        return result;
    }

    const std::string table =
        options.table.empty() ? BuildTable(report, counts, options.table_order) : options.table;
    if (table.size() > kLargestTable) {
        result.error = "the code table has more than 256 entries";
        return result;
    }
    if (table.find('@') != std::string::npos) {
        result.error = "the code table contains '@'";
        return result;
    }
    std::array<int, 256> place;
    place.fill(kNotInTable);
    for (std::size_t i = table.size(); i-- > 0;)
        place[ByteOf(table[i])] = static_cast<int>(i);
    for (int byte = 0; byte < 256; ++byte) {
        if (counts[byte] > 0 && place[byte] == kNotInTable) {
            result.error = "the code table lacks byte " + std::to_string(byte) + " of the report";
            return result;
        }
    }

    std::size_t size = table.size() + 2 + 1; // table, "@", filler ... padding
    for (int byte = 0; byte < 256; ++byte) {
        if (counts[byte] > 0)
            size += counts[byte] * (static_cast<std::size_t>(place[byte]) + 1);
    }

    std::string& vrd = result.vrd;
    vrd.resize(size);
    char* out = vrd.data();
    std::memcpy(out, table.data(), table.size());
    out += table.size();
    *out++ = '@';
    *out++ = options.filler;
    CountBytes count_bytes(options.count_char, options.count_seed);
    for (const char c : report) {
        const auto count = static_cast<std::size_t>(place[ByteOf(c)]);
        count_bytes.Fill(out, count);
        out += count;
        *out++ = '1';
    }
    *out = options.padding;
    return result;
}

} // namespace vrd::testkit
