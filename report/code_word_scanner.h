#pragma once
// The inner loops of the decoder: finding the "1" that ends each code word and turning each word
// into its table entry, 64 body bytes at a time.
//
// A byte comparison gives a bit mask of the "1"s in a block. The AVX-512 kernel then gathers the
// positions of all set bits at once (compress), takes their differences as word lengths and looks
// the entries up in registers, with no branch per word. The other kernels walk the set bits with
// count-trailing-zeros; their masks come from AVX2, SSE2 or a plain byte loop. Which kernel runs
// is chosen when the program runs, and every kernel gives the same bytes as the plain loop.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// x86-64 only: the kernels use 64-bit masks and bit counts.
#if defined(__x86_64__)
#define VRD_X86 1
#include <immintrin.h>
#endif

namespace vrd {

enum class ScanKernel { Portable, Sse2, Avx2, Avx512 };

inline bool ScanKernelAvailable(ScanKernel kernel) {
#if defined(VRD_X86)
    __builtin_cpu_init(); // may run before the constructors that would otherwise do it
#endif
    switch (kernel) {
    case ScanKernel::Portable:
        return true;
#if defined(VRD_X86)
    case ScanKernel::Sse2:
        return __builtin_cpu_supports("sse2");
    case ScanKernel::Avx2:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi");
    case ScanKernel::Avx512:
        return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi") &&
               __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi2");
#else
    default:
        return false;
#endif
    }
    return false;
}

inline ScanKernel BestScanKernel() {
    for (const ScanKernel kernel : {ScanKernel::Avx512, ScanKernel::Avx2, ScanKernel::Sse2})
        if (ScanKernelAvailable(kernel))
            return kernel;
    return ScanKernel::Portable;
}

// Where the decoding of the code words stands between two blocks.
struct WordState {
    const unsigned char* entry = nullptr; // 256 entries; only the first tableSize count
    std::size_t tableSize = 0;
    std::uint64_t wordStart = 0; // body position of the current word's first count byte
    char* next = nullptr;        // where the next character goes; 64 bytes of room past it
    // Set when a word of 256 or more count bytes ended: wordStart is then that word's start,
    // tooLongEnd its end, and nothing of the word was written.
    bool tooLong = false;
    std::uint64_t tooLongEnd = 0;
};

// Writes the entry of each word ending at a set bit of mask; bit i is body position base + i.
// Only the first word of a block can be 256 or more long.
inline void WalkWordEnds(std::uint64_t mask, std::uint64_t base, WordState& state) {
    if (mask == 0)
        return;
    std::uint64_t end = base + static_cast<std::uint64_t>(__builtin_ctzll(mask));
    std::uint64_t length = end - state.wordStart;
    if (length >= 256) {
        state.tooLong = true;
        state.tooLongEnd = end;
        return;
    }
    const unsigned char* const entry = state.entry;
    const std::size_t size = state.tableSize;
    char* next = state.next;
    for (;;) {
        *next = static_cast<char>(entry[length]);
        next += length < size ? 1 : 0;
        const std::uint64_t start = end + 1;
        mask &= mask - 1;
        if (mask == 0) {
            state.wordStart = start;
            break;
        }
        end = base + static_cast<std::uint64_t>(__builtin_ctzll(mask));
        length = end - start;
    }
    state.next = next;
}

inline std::uint64_t CodeWordEndMaskPortable(const char* block) {
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= std::uint64_t{block[i] == '1'} << i;
    return mask;
}

#if defined(VRD_X86)
// SSE2 is part of every x86-64, so this kernel needs no attribute.
inline std::uint64_t CodeWordEndMaskSse2(const char* block) {
    const __m128i one = _mm_set1_epi8('1');
    std::uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
        const auto bits = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, one)));
        mask |= std::uint64_t{bits} << (16 * part);
    }
    return mask;
}

__attribute__((target("avx2"))) inline std::uint64_t CodeWordEndMaskAvx2(const char* block) {
    const __m256i one = _mm256_set1_epi8('1');
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32));
    const auto lowBits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, one)));
    const auto highBits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, one)));
    return std::uint64_t{lowBits} | std::uint64_t{highBits} << 32;
}
#endif

// Decodes the blocks data[0, 64 * blocks), data[0] being body position base, until a word is
// too long. The kernels differ only in how they build each block's mask.
inline void DecodeBlocksPortable(const char* data, std::size_t blocks, std::uint64_t base,
                                 WordState& state) {
    for (std::size_t b = 0; b < blocks && !state.tooLong; ++b)
        WalkWordEnds(CodeWordEndMaskPortable(data + 64 * b), base + 64 * b, state);
}

inline std::size_t CountCodeWordEndsPortable(const char* data, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++i)
        count += data[i] == '1' ? 1 : 0;
    return count;
}

#if defined(VRD_X86)
inline void DecodeBlocksSse2(const char* data, std::size_t blocks, std::uint64_t base,
                             WordState& state) {
    for (std::size_t b = 0; b < blocks && !state.tooLong; ++b)
        WalkWordEnds(CodeWordEndMaskSse2(data + 64 * b), base + 64 * b, state);
}

__attribute__((target("avx2,bmi,popcnt"))) inline void
DecodeBlocksAvx2(const char* data, std::size_t blocks, std::uint64_t base, WordState& state) {
    for (std::size_t b = 0; b < blocks && !state.tooLong; ++b)
        WalkWordEnds(CodeWordEndMaskAvx2(data + 64 * b), base + 64 * b, state);
}

__attribute__((target("avx2,popcnt"))) inline std::size_t CountCodeWordEndsAvx2(const char* data,
                                                                                std::size_t n) {
    std::size_t count = 0;
    std::size_t i = 0;
    for (; i + 64 <= n; i += 64)
        count += static_cast<std::size_t>(__builtin_popcountll(CodeWordEndMaskAvx2(data + i)));
    return count + CountCodeWordEndsPortable(data + i, n - i);
}

inline std::size_t CountCodeWordEndsSse2(const char* data, std::size_t n) {
    std::size_t count = 0;
    std::size_t i = 0;
    for (; i + 64 <= n; i += 64)
        count += static_cast<std::size_t>(__builtin_popcountll(CodeWordEndMaskSse2(data + i)));
    return count + CountCodeWordEndsPortable(data + i, n - i);
}

#define VRD_AVX512_TARGET                                                                          \
    __attribute__((target("avx512f,avx512bw,avx512vbmi,avx512vbmi2,bmi,bmi2,popcnt,lzcnt")))

VRD_AVX512_TARGET inline std::size_t CountCodeWordEndsAvx512(const char* data, std::size_t n) {
    const __m512i one = _mm512_set1_epi8('1');
    std::size_t count = 0;
    std::size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        const __m512i bytes = _mm512_loadu_si512(data + i);
        count += static_cast<std::size_t>(_mm_popcnt_u64(_mm512_cmpeq_epi8_mask(bytes, one)));
    }
    // The tail through a masked load, which reads nothing past the end.
    const __mmask64 tail = _bzhi_u64(~std::uint64_t{0}, static_cast<unsigned>(n - i));
    const __m512i bytes = _mm512_maskz_loadu_epi8(tail, data + i);
    return count +
           static_cast<std::size_t>(_mm_popcnt_u64(_mm512_mask_cmpeq_epi8_mask(tail, bytes, one)));
}

// The entries for lengths, from a table held in `registers` 64-byte registers: a table of up to
// 64 or 128 entries needs one permutation, a larger one two and a blend. Lengths past the table
// give any byte; the caller drops them.
template <int registers>
VRD_AVX512_TARGET inline __m512i LookUpEntries(__m512i lengths, const __m512i* table) {
    if constexpr (registers == 1) {
        // The zero-masked form: GCC's plain one warns about an undefined source it never reads.
        return _mm512_maskz_permutexvar_epi8(~__mmask64{0}, lengths, table[0]);
    } else if constexpr (registers == 2) {
        return _mm512_permutex2var_epi8(table[0], lengths, table[1]);
    } else {
        const __m512i low = _mm512_permutex2var_epi8(table[0], lengths, table[1]);
        const __m512i high = _mm512_permutex2var_epi8(table[2], lengths, table[3]);
        return _mm512_mask_blend_epi8(_mm512_movepi8_mask(lengths), low, high);
    }
}

// Per block: the positions of the "1"s, compressed into the first lanes; each one's distance to
// the "1" before it (the previous block's last, for lane 0) less one is a word length, looked up
// in the table held in registers; the entries are stored as one 64-byte write, compressed first
// only when a word lies past the table and is dropped. Lengths are taken modulo 256, which is
// exact for every word but the first of a block, whose length is checked on its own.
template <int registers>
VRD_AVX512_TARGET inline void DecodeBlocksAvx512With(const char* data, std::size_t blocks,
                                                     std::uint64_t base, WordState& state) {
    alignas(64) static constexpr unsigned char kLanes[64] = {
        0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
        22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43,
        44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63};
    const __m512i lanes = _mm512_load_si512(kLanes);
    const __m512i previousLane = _mm512_sub_epi8(lanes, _mm512_set1_epi8(1));
    const __m512i one = _mm512_set1_epi8('1');
    const __m512i table[4] = {_mm512_loadu_si512(state.entry), _mm512_loadu_si512(state.entry + 64),
                              _mm512_loadu_si512(state.entry + 128),
                              _mm512_loadu_si512(state.entry + 192)};
    // Lengths up to lastEntry name an entry; an empty table has none.
    const bool anyEntry = state.tableSize > 0;
    const __m512i lastEntry =
        _mm512_set1_epi8(static_cast<char>(anyEntry ? state.tableSize - 1 : 0));

    std::uint64_t wordStart = state.wordStart;
    char* next = state.next;
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::uint64_t blockBase = base + 64 * b;
        const __m512i bytes = _mm512_loadu_si512(data + 64 * b);
        const __mmask64 ends = _mm512_cmpeq_epi8_mask(bytes, one);
        if (ends == 0)
            continue;
        const std::uint64_t firstEnd = blockBase + _tzcnt_u64(ends);
        if (firstEnd - wordStart >= 256) {
            state.tooLong = true;
            state.tooLongEnd = firstEnd;
            break;
        }
        const __m512i positions = _mm512_maskz_compress_epi8(ends, lanes);
        // Lane 0 of previous is the byte before the word's start, relative to this block.
        const auto before =
            static_cast<char>(static_cast<unsigned char>(wordStart - 1 - blockBase));
        const __m512i previous = _mm512_mask_permutexvar_epi8(
            _mm512_set1_epi8(before), ~__mmask64{1}, previousLane, positions);
        const __m512i lengths =
            _mm512_sub_epi8(_mm512_sub_epi8(positions, previous), _mm512_set1_epi8(1));
        const __m512i characters = LookUpEntries<registers>(lengths, table);
        const std::uint64_t wordCount = _mm_popcnt_u64(ends);
        const __mmask64 words = _bzhi_u64(~std::uint64_t{0}, static_cast<unsigned>(wordCount));
        const __mmask64 kept =
            anyEntry ? _mm512_mask_cmple_epu8_mask(words, lengths, lastEntry) : __mmask64{0};
        if (kept == words) {
            _mm512_storeu_si512(next, characters);
            next += wordCount;
        } else {
            _mm512_storeu_si512(next, _mm512_maskz_compress_epi8(kept, characters));
            next += _mm_popcnt_u64(kept);
        }
        wordStart = blockBase + 64 - _lzcnt_u64(ends);
    }
    state.wordStart = wordStart;
    state.next = next;
}

VRD_AVX512_TARGET inline void DecodeBlocksAvx512(const char* data, std::size_t blocks,
                                                 std::uint64_t base, WordState& state) {
    if (state.tableSize <= 64)
        DecodeBlocksAvx512With<1>(data, blocks, base, state);
    else if (state.tableSize <= 128)
        DecodeBlocksAvx512With<2>(data, blocks, base, state);
    else
        DecodeBlocksAvx512With<4>(data, blocks, base, state);
}
#undef VRD_AVX512_TARGET
#endif

// Decodes 64-byte blocks with the chosen kernel.
inline void DecodeBlocks(ScanKernel kernel, const char* data, std::size_t blocks,
                         std::uint64_t base, WordState& state) {
    switch (kernel) {
#if defined(VRD_X86)
    case ScanKernel::Avx512:
        DecodeBlocksAvx512(data, blocks, base, state);
        return;
    case ScanKernel::Avx2:
        DecodeBlocksAvx2(data, blocks, base, state);
        return;
    case ScanKernel::Sse2:
        DecodeBlocksSse2(data, blocks, base, state);
        return;
#endif
    default:
        DecodeBlocksPortable(data, blocks, base, state);
        return;
    }
}

// How many "1"s the n bytes of data hold.
inline std::size_t CountCodeWordEnds(ScanKernel kernel, const char* data, std::size_t n) {
    switch (kernel) {
#if defined(VRD_X86)
    case ScanKernel::Avx512:
        return CountCodeWordEndsAvx512(data, n);
    case ScanKernel::Avx2:
        return CountCodeWordEndsAvx2(data, n);
    case ScanKernel::Sse2:
        return CountCodeWordEndsSse2(data, n);
#endif
    default:
        return CountCodeWordEndsPortable(data, n);
    }
}

} // namespace vrd
