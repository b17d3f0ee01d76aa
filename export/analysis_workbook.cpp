#include "export/analysis_workbook.h"

#include "export/assessment_sheet.h"
#include "export/safe_write.h"
#include "export/workbook_cells.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <locale.h>
#include <sstream>
#include <unistd.h>

namespace vrd {

namespace {

// Day 0 of the spreadsheet calendar (its day 1 is 1900-01-01 and it counts a 29 February 1900
// that never was, so serials from March 1900 on are days since 1899-12-30).
const Day kSpreadsheetEpoch = DayFromCivil({1899, 12, 30});

void WriteDays(lxw_worksheet* sheet, const WorkbookFormats& formats, const AnalysisResult& result,
               const WorkbookLabels& labels) {
    WriteHeader(sheet, formats, labels.dayColumns, {12, 10, 10, 10, 10, 16, 16, 16});
    for (std::int64_t i = 0; i < result.days.Size(); ++i) {
        const DayFigures day = result.days.At(i);
        const auto row = static_cast<lxw_row_t>(i + 1);
        worksheet_write_number(sheet, row, 0, SpreadsheetDate(StartOfDay(day.date)), formats.date);
        WriteOptional(sheet, row, 1, day.levels.lday, formats.level);
        WriteOptional(sheet, row, 2, day.levels.levening, formats.level);
        WriteOptional(sheet, row, 3, day.levels.lnight, formats.level);
        WriteOptional(sheet, row, 4, day.levels.lden, formats.level);
        worksheet_write_number(sheet, row, 5, day.coverageDay, formats.percent);
        WriteOptional(sheet, row, 6, EveningCoverage(day, result.periods), formats.percent);
        worksheet_write_number(sheet, row, 7, day.coverageNight, formats.percent);
    }
}

void WriteHours(lxw_worksheet* sheet, const WorkbookFormats& formats, const AnalysisResult& result,
                const WorkbookLabels& labels) {
    WriteHeader(sheet, formats, labels.hourColumns, {17, 10, 10, 10, 10});
    for (std::int64_t i = 0; i < result.hours.Size(); ++i) {
        const HourFigures hour = result.hours.At(i);
        const auto row = static_cast<lxw_row_t>(i + 1);
        worksheet_write_number(sheet, row, 0, SpreadsheetDate(hour.start), formats.dateTime);
        WriteOptional(sheet, row, 1, hour.leq, formats.level);
        WriteOptional(sheet, row, 2, hour.lmax, nullptr);
        WriteOptional(sheet, row, 3, hour.lmin, nullptr);
        worksheet_write_number(sheet, row, 4, static_cast<double>(hour.minutes), nullptr);
    }
}

lxw_format* NumberFormat(lxw_workbook* book, const char* pattern) {
    lxw_format* format = workbook_add_format(book);
    format_set_num_format(format, pattern);
    return format;
}

// The library writes numbers with printf, which follows the locale, and the program runs in the
// user's: a decimal comma there would leave every number of the sheets unreadable. While it
// lives, this thread (and only this one) writes numbers as the C locale does.
class CNumbersOnThisThread {
  public:
    CNumbersOnThisThread() : c_(::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))) {
        if (c_ != static_cast<locale_t>(nullptr))
            previous_ = ::uselocale(c_);
    }
    ~CNumbersOnThisThread() {
        if (c_ == static_cast<locale_t>(nullptr))
            return;
        ::uselocale(previous_);
        ::freelocale(c_);
    }
    CNumbersOnThisThread(const CNumbersOnThisThread&) = delete;
    CNumbersOnThisThread& operator=(const CNumbersOnThisThread&) = delete;

  private:
    locale_t c_;
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

} // namespace

double SpreadsheetDate(Minute minute) {
    const Day day = DayOfMinute(minute);
    const Minute ofDay = minute - StartOfDay(day);
    return static_cast<double>(day - kSpreadsheetEpoch) +
           static_cast<double>(ofDay) / static_cast<double>(kMinutesPerDay);
}

std::optional<std::string> BuildAnalysisWorkbook(const AnalysisResult& result, std::string& reason,
                                                 const WorkbookLabels& labels,
                                                 const AssessmentResult* assessment) {
    if (result.hours.Size() > kMostSheetRows || result.days.Size() > kMostSheetRows) {
        reason = "the analysis has more hours than a sheet has rows";
        return std::nullopt;
    }
    if (assessment && AssessmentSheetRows(*assessment) > kMostSheetRows + 1) {
        reason = "the assessment has more periods than a sheet has rows";
        return std::nullopt;
    }
    // The library writes to a named file: a private temporary one, read back and removed.
    const char* folder = std::getenv("TMPDIR");
    std::string temporary = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                            "/vrd-workbook-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        reason = std::string("no temporary file could be made: ") + std::strerror(errno);
        return std::nullopt;
    }
    ::close(fd);

    const CNumbersOnThisThread cNumbers;
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(temporary.c_str(), &options);
    if (book == nullptr) {
        ::unlink(temporary.c_str());
        reason = "the workbook could not be started";
        return std::nullopt;
    }
    WorkbookFormats formats;
    formats.header = workbook_add_format(book);
    format_set_bold(formats.header);
    formats.date = NumberFormat(book, labels.dateFormat.c_str());
    formats.dateTime = NumberFormat(book, labels.minuteFormat.c_str());
    formats.smaller = workbook_add_format(book);
    format_set_font_size(formats.smaller, 9);
    formats.level = NumberFormat(book, "0.0");
    formats.percent = NumberFormat(book, "0%");
    // The library refuses a name a workbook cannot hold, and a name twice, with no sheet.
    lxw_worksheet* days = workbook_add_worksheet(book, labels.days.c_str());
    lxw_worksheet* hours = workbook_add_worksheet(book, labels.hours.c_str());
    lxw_worksheet* assessed =
        assessment ? workbook_add_worksheet(book, labels.assessment.c_str()) : nullptr;
    if (days == nullptr || hours == nullptr || (assessment && assessed == nullptr)) {
        workbook_close(book);
        ::unlink(temporary.c_str());
        const std::string& refused = days == nullptr    ? labels.days
                                     : hours == nullptr ? labels.hours
                                                        : labels.assessment;
        reason = "\"" + refused + "\" cannot name a sheet";
        return std::nullopt;
    }
    WriteDays(days, formats, result, labels);
    WriteHours(hours, formats, result, labels);
    if (assessed != nullptr)
        WriteAssessmentSheet(assessed, formats, *assessment, labels);
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        ::unlink(temporary.c_str());
        reason = std::string("the workbook could not be written: ") + lxw_strerror(closed);
        return std::nullopt;
    }

    std::ifstream in(temporary, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const bool readBack = static_cast<bool>(in) || in.eof();
    ::unlink(temporary.c_str());
    if (!readBack) {
        reason = "the workbook could not be read back from its temporary file";
        return std::nullopt;
    }
    return std::move(bytes).str();
}

std::optional<std::string> WriteAnalysisWorkbook(const std::string& path,
                                                 const AnalysisResult& result,
                                                 const WorkbookLabels& labels,
                                                 const AssessmentResult* assessment) {
    std::string reason;
    const std::optional<std::string> bytes =
        BuildAnalysisWorkbook(result, reason, labels, assessment);
    if (!bytes)
        return reason;
    return WriteFileSafely(path, *bytes);
}

} // namespace vrd
