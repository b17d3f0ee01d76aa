#include "report/failure.h"

namespace vrd {

namespace {

Stage StageOf(FailureKind kind) {
    switch (kind) {
    case FailureKind::Empty:
    case FailureKind::NoTableEnd:
    case FailureKind::CodeWordTooLong:
        return Stage::Decode;
    case FailureKind::LevelNotANumber:
    case FailureKind::LevelBeyond16Bits:
    case FailureKind::LevelBeyond32Bits:
    case FailureKind::RunningLevel:
    case FailureKind::NoLevelRecord:
    case FailureKind::NoReport:
    case FailureKind::NoMemoryToList:
        return Stage::Parse;
    case FailureKind::ReadCancelled:
    case FailureKind::DecodeCancelled:
        return Stage::Cancelled;
    default:
        break;
    }
    return Stage::Read;
}

// The reason of a failure at a line of the report.
std::string AtLine(const Failure& failure, const std::string& reason) {
    return "line " + std::to_string(failure.line) + ": " + reason;
}

} // namespace

const char* StageName(Stage stage) {
    switch (stage) {
    case Stage::Read:
        return "read";
    case Stage::Decode:
        return "decode";
    case Stage::Parse:
        return "parse";
    case Stage::Cancelled:
        return "cancelled";
    }
    return "";
}

Failure MakeFailure(FailureKind kind, FailureValues values) {
    Failure failure{StageOf(kind), {}};
    failure.kind = kind;
    failure.line = values.line;
    failure.number = values.number;
    failure.position = values.position;
    failure.text = std::move(values.text);
    failure.reason = FailureReason(failure);
    return failure;
}

std::string FailureReason(const Failure& failure) {
    switch (failure.kind) {
    case FailureKind::Other:
        return failure.reason;
    case FailureKind::System:
        return failure.text;
    case FailureKind::NoFileName:
        return "no file name given";
    case FailureKind::Folder:
        return "it is a folder, not a file";
    case FailureKind::Device:
        return "it is a device, not a file";
    case FailureKind::TooLarge:
        return "the file is larger than 4 GiB";
    case FailureKind::NoMemoryToRead:
        return "there is not enough memory to read it";
    case FailureKind::NoMemoryToAnalyse:
        return "there is not enough memory to analyse it";
    case FailureKind::Unexpected:
        return failure.text.empty() ? "an unexpected error" : failure.text;
    case FailureKind::Empty:
        return "the file is empty";
    case FailureKind::NoTableEnd:
        return "no \"@\" ends the code table within the first 257 bytes";
    case FailureKind::CodeWordTooLong:
        return "the code word at byte " + std::to_string(failure.position) + " has " +
               std::to_string(failure.number) +
               " count characters; a table has at most 256 entries";
    case FailureKind::LevelNotANumber:
        return AtLine(failure, "the level \"" + failure.text + "\" is not a number");
    case FailureKind::LevelBeyond16Bits:
        return AtLine(failure, "the level " + failure.text + " does not fit 16 bits");
    case FailureKind::LevelBeyond32Bits:
        return AtLine(failure, "the level " + failure.text + " does not fit 32 bits");
    case FailureKind::RunningLevel:
        return AtLine(failure, failure.text);
    case FailureKind::NoLevelRecord:
        // A text that never names a section is no report at all (a picture, a letter), which
        // says more than the missing level record: that is NoReport.
        return "the 1 minute section holds no level record, so there are no running 5- and "
               "10-minute maxima to list";
    case FailureKind::NoReport:
        return "holds no report: none of its lines is a section heading";
    case FailureKind::NoMemoryToList:
        return "there is not enough memory to list the report";
    case FailureKind::ReadCancelled:
        return "reading the report was cancelled";
    case FailureKind::DecodeCancelled:
        return "decoding was cancelled";
    }
    return failure.reason;
}

} // namespace vrd
