#pragma once
// Decodings that the fast decoder is held to in tests, fuzzing and benchmarks.

#include "report/code_word_scanner.h"
#include "report/decode.h"

#include <cstddef>
#include <string_view>

namespace vrd {

// The decoding as a plain loop over the characters, one at a time; the fast decoder must give
// exactly its bytes, failures included.
DecodeResult DecodeEncodedTextPlain(std::string_view file);

// DecodeEncodedText with the given kernel and the file handed over in pieces of pieceSize bytes,
// as DecodeEncodedFile hands it over; lets tests hold every kernel and piece boundary to the
// plain loop. The kernel must be available.
DecodeResult DecodeEncodedTextWith(std::string_view file, ScanKernel kernel, std::size_t pieceSize);

} // namespace vrd
