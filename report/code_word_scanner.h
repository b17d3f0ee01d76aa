#pragma once
// Finding the "1" that ends each code word, 64 bytes at a time: a byte comparison gives a bit
// mask of the "1"s in a block, and count-trailing-zeros walks its set bits. Without SSE2 the mask
// is built byte by byte, with the same result.

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vrd {

// Bit i is set when block[i] is "1"; block holds at least 64 bytes.
inline std::uint64_t CodeWordEndMask(const char* block) {
#if defined(__SSE2__)
    const __m128i one = _mm_set1_epi8('1');
    std::uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
        const auto bits = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, one)));
        mask |= std::uint64_t{bits} << (16 * part);
    }
    return mask;
#else
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= std::uint64_t{block[i] == '1'} << i;
    return mask;
#endif
}

// The mask of a short block of n < 64 bytes.
inline std::uint64_t CodeWordEndMaskTail(const char* block, std::size_t n) {
    char padded[64] = {};
    std::memcpy(padded, block, n);
    return CodeWordEndMask(padded);
}

// Calls f(position) for every "1" at a position in [from, to) of data, in increasing order, until
// f returns false. Returns false when f stopped the walk.
template <typename F>
bool ForEachCodeWordEnd(const char* data, std::size_t from, std::size_t to, F&& f) {
    std::size_t base = from;
    while (base < to) {
        const std::size_t n = to - base < 64 ? to - base : 64;
        std::uint64_t mask =
            n == 64 ? CodeWordEndMask(data + base) : CodeWordEndMaskTail(data + base, n);
        while (mask != 0) {
            const auto bit = static_cast<std::size_t>(__builtin_ctzll(mask));
            if (!f(base + bit))
                return false;
            mask &= mask - 1;
        }
        base += n;
    }
    return true;
}

// How many "1"s the n bytes of data hold.
inline std::size_t CountCodeWordEnds(const char* data, std::size_t n) {
    std::size_t count = 0;
    std::size_t base = 0;
    for (; base + 64 <= n; base += 64)
        count += static_cast<std::size_t>(__builtin_popcountll(CodeWordEndMask(data + base)));
    if (base < n)
        count += static_cast<std::size_t>(
            __builtin_popcountll(CodeWordEndMaskTail(data + base, n - base)));
    return count;
}

} // namespace vrd
