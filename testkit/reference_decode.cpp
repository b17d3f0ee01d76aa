#include "testkit/reference_decode.h"

#include "report/piece_decoder.h"

#include <string>

namespace vrd {

DecodeResult DecodeEncodedTextPlain(std::string_view file) {
    DecodeResult result;
    // The table ends at the first "@" within the first 257 characters.
    const std::size_t atPos = file.substr(0, 257).find('@');
    if (atPos == std::string_view::npos) {
        result.failure =
            file.empty()
                ? Failure{Stage::Decode, "the file is empty"}
                : Failure{Stage::Decode, "no \"@\" ends the code table within the first 257 bytes"};
        return result;
    }
    result.tableRead = true;
    const std::string_view table = file.substr(0, atPos);
    const std::string_view body = file.substr(atPos + 1);
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
            result.failure = Failure{Stage::Decode, "the code word at byte " +
                                                        std::to_string(atPos + 1 + start) +
                                                        " has " + std::to_string(k) +
                                                        " count characters; a table has at "
                                                        "most 256 entries"};
            return result;
        }
        if (k < table.size())
            result.text.push_back(table[k]);
    }
    return result;
}

DecodeResult DecodeEncodedTextWith(std::string_view file, ScanKernel kernel,
                                   std::size_t pieceSize) {
    if (pieceSize == 0)
        pieceSize = 1;
    const Progress none;
    PieceDecoder decoder(kernel, none);
    decoder.ExpectSize(file.size());
    for (std::size_t at = 0; at < file.size(); at += pieceSize)
        if (!decoder.Feed(file.substr(at, pieceSize)))
            break;
    return decoder.Finish();
}

} // namespace vrd
