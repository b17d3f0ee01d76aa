#pragma once
// What went wrong in a command: the stage it stopped at, a reason a person can read, and what
// that reason says as a kind with its values, so that a program can word it in its own language.

#include <cstdint>
#include <optional>
#include <string>

namespace vrd {

enum class Stage { Read, Decode, Parse, Cancelled };

enum class FailureKind {
    Other,             // a reason with no kind of its own: the reason is all there is
    System,            // Read: the system refused; text is its message, number its errno
    NoFileName,        // Read
    Folder,            // Read
    Device,            // Read
    TooLarge,          // Read: above 4 GiB
    NoMemoryToRead,    // Read
    NoMemoryToAnalyse, // Read: the records of an analysis
    Unexpected,        // Read: text is what the error said, or empty
    Empty,             // Decode
    NoTableEnd,        // Decode
    CodeWordTooLong,   // Decode: number count characters at byte position
    LevelNotANumber,   // Parse: at line, text is the level field as written
    LevelBeyond16Bits, // Parse: at line, text
    LevelBeyond32Bits, // Parse: at line, text
    RunningLevel,      // Parse: at line, text is why the running level fails, in English
    NoLevelRecord,     // Parse
    NoReport,          // Parse
    NoMemoryToList,    // Parse
    ReadCancelled,     // Cancelled: while parsing
    DecodeCancelled,   // Cancelled: while decoding
};

struct Failure {
    Stage stage;
    std::string reason; // in English, as the command line prints it
    FailureKind kind{};
    std::int64_t line{};     // of the report, from 1
    std::int64_t number{};   // errno, or the count characters of a code word
    std::int64_t position{}; // the byte of the code word, from 1
    std::string text{};
};

// "read", "decode", "parse" or "cancelled", as the command line and the JSON output name them.
const char* StageName(Stage stage);

// The failure of kind with its stage and its English reason; values as the kind uses them.
struct FailureValues {
    std::int64_t line = 0;
    std::int64_t number = 0;
    std::int64_t position = 0;
    std::string text;
};
Failure MakeFailure(FailureKind kind, FailureValues values = {});

// The English reason of a failure from its kind and values: the reason MakeFailure gives it.
std::string FailureReason(const Failure& failure);

} // namespace vrd
