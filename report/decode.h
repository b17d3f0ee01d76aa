#pragma once
// Decoding of the devices' encoded data files.
//
// The file is a code table of up to 256 characters ended by the first "@", one character that is
// never read, then a body of unary code words: k characters other than "1" and a "1" stand for
// table entry k. The last character of the file is never read.

#include "report/failure.h"
#include "report/progress.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vrd {

struct DecodeResult {
    // False when the file failed before its table ended: the report text is then left as it was.
    bool tableRead = false;
    // The report text, or on a failure after the table the text decoded before the failing word.
    std::string text;
    std::optional<Failure> failure;
};

DecodeResult DecodeEncodedText(std::string_view file, const Progress& progress = {});

// Reads the file at path piece by piece and decodes each piece as it comes, giving what
// DecodeEncodedText gives for the file's bytes without ever holding them all. A file that cannot
// be read fails with stage Read and tableRead false, as if its table had not been read.
// Progress counts the file's bytes.
DecodeResult DecodeEncodedFile(const std::string& path, const Progress& progress = {});

} // namespace vrd
