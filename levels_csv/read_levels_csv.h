#pragma once
// Reading a sound level meter's CSV export of levels into samples at the file's own step.
//
// The layout is found as csv_layout.h says. Each row then gives a sample at its time (its start,
// or its end with CsvStamp::End), the step being the most common difference between consecutive
// times of the file. As in the devices' reports, the rows are merged by time: of several rows on
// one time the first in the file wins and the others count as duplicates; a row whose time or
// level cannot be read, or whose level is outside -50..200 dB, counts as unreadable and is used
// nowhere, the first few named with their line. Times without a row are a gap: no sample. Blank
// rows, and rows of separators only, are passed over.

#include "levels_csv/csv_layout.h"
#include "levels_csv/csv_refusal.h"
#include "levels_csv/level_samples.h"
#include "report/progress.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrd {

// How many unreadable rows are named with their line.
constexpr std::size_t kNamedBadLines = 5;

struct LevelsCsv {
    CsvLayout layout;
    CsvStamp stamp = CsvStamp::Start;
    LevelSamples samples;        // sorted by start, one per time
    std::int64_t rows = 0;       // rows below the header, blank ones left out
    std::int64_t unreadable = 0; // rows not used for their time or level
    std::int64_t duplicate = 0;  // rows on the time of an earlier row
    std::int64_t l90Missing = 0; // samples of a file with an LA90 column whose LA90 is no level
    std::vector<CsvBadLine> badLines; // the first kNamedBadLines unreadable rows
    bool wholeLevels = true;          // every level a whole number of dB
};

struct LevelsCsvRead {
    std::optional<LevelsCsv> levels;
    std::optional<CsvRefusal> refusal; // when levels is empty
};

// bytes: the whole file; fileName names it in the refusals. progress is offered the bytes read
// now and then; when it says stop, the read is refused as Cancelled.
LevelsCsvRead ReadLevelsCsv(std::string_view bytes, std::string_view fileName,
                            const CsvReadOptions& options = {}, const Progress& progress = {});

// The first rows of a file as a window shows them, every field in UTF-8.
struct CsvPreviewRow {
    std::int64_t line = 0;
    std::vector<std::string> fields;
};

// What a look at a file's first bytes finds, for a user to confirm or change before the file is
// read: the layout as far as it was found (with the refusal that stopped it, if any), the step of
// the rows at hand, and the first rows.
struct CsvDetection {
    CsvLayout layout;
    std::optional<CsvRefusal> refusal;
    std::optional<Millis> step;
    std::optional<Millis> firstTime; // the earliest of the rows read
    std::vector<CsvPreviewRow> firstRows;
    std::vector<CsvBadLine> badLines; // among the rows looked at
};

// How many rows a detection shows, and how many it reads for the step.
constexpr std::size_t kPreviewRows = 10;
constexpr std::size_t kDetectionRows = 2000;

// firstBytes: the start of the file (the whole of it for a small one); a last line without a line
// feed is left out unless bytesAreWhole.
CsvDetection DetectLevelsCsv(std::string_view firstBytes, std::string_view fileName,
                             const CsvReadOptions& options = {}, bool bytesAreWhole = false);

} // namespace vrd
