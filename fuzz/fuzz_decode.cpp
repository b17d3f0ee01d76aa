// Any bytes as an encoded data file: every decoding kernel the machine has, with the file handed
// over whole or in pieces of a size taken from the input, must give exactly what the plain loop
// gives (text, table state and failure alike) and never crash.

#include "fuzz/fuzz_check.h"
#include "report/code_word_scanner.h"
#include "report/decode.h"
#include "testkit/reference_decode.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void ExpectSame(const vrd::DecodeResult& fast, const vrd::DecodeResult& plain) {
    VRD_FUZZ_CHECK(fast.text == plain.text);
    VRD_FUZZ_CHECK(fast.tableRead == plain.tableRead);
    VRD_FUZZ_CHECK(fast.failure.has_value() == plain.failure.has_value());
    if (fast.failure) {
        VRD_FUZZ_CHECK(fast.failure->stage == vrd::Stage::Decode);
        VRD_FUZZ_CHECK(fast.failure->reason == plain.failure->reason);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const vrd::DecodeResult plain = vrd::DecodeEncodedTextPlain(file);
    // Without a table there is no text and always a failure; every code word ends with a "1"
    // or at the last byte, so the text is never longer than the file.
    VRD_FUZZ_CHECK(plain.tableRead || (plain.failure && plain.text.empty()));
    VRD_FUZZ_CHECK(plain.text.size() <= size);

    ExpectSame(vrd::DecodeEncodedText(file), plain);
    // Pieces that end anywhere: in the table, on the filler, inside a 64-byte block.
    const std::size_t piece = 1 + (size == 0 ? 0 : data[size / 2] % 97);
    for (const vrd::ScanKernel kernel : {vrd::ScanKernel::Portable, vrd::ScanKernel::Sse2,
                                         vrd::ScanKernel::Avx2, vrd::ScanKernel::Avx512}) {
        if (vrd::ScanKernelAvailable(kernel))
            ExpectSame(vrd::DecodeEncodedTextWith(file, kernel, piece), plain);
    }
    return 0;
}
