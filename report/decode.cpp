#include "report/decode.h"

#include "report/piece_decoder.h"
#include "report/read_file.h"

namespace vrd {

namespace {

// A piece small enough that counting its "1"s brings it into the cache for the decoding pass.
constexpr std::size_t kMemoryPiece = 64 * 1024;

ScanKernel ChosenKernel() {
    static const ScanKernel kernel = BestScanKernel();
    return kernel;
}

} // namespace

DecodeResult DecodeEncodedText(std::string_view file, const Progress& progress) {
    PieceDecoder decoder(ChosenKernel(), progress);
    decoder.ExpectSize(file.size());
    for (std::size_t at = 0; at < file.size(); at += kMemoryPiece)
        if (!decoder.Feed(file.substr(at, kMemoryPiece)))
            break;
    return decoder.Finish();
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

} // namespace vrd
