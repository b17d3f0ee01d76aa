#include "export/analysis_csv.h"

#include "export/decimal_text.h"

#include <optional>
#include <string>

namespace vrd {

namespace {

template <typename Number> std::string Level(const std::optional<Number>& value) {
    return value ? OneDecimal(static_cast<double>(*value)) : std::string();
}

// An empty evening has no coverage: an empty field.
std::string Percent(const std::optional<double>& value) {
    return value ? OneDecimalPercent(*value) : std::string();
}

} // namespace

void WriteDaysCsv(std::ostream& out, const AnalysisResult& result) {
    out << "date,lday,levening,lnight,lden,coverage_day_percent,coverage_evening_percent,"
           "coverage_night_percent\r\n";
    for (std::int64_t i = 0; i < result.days.Size(); ++i) {
        const DayFigures day = result.days.At(i);
        out << FormatDay(day.date) << ',' << Level(day.levels.lday) << ','
            << Level(day.levels.levening) << ',' << Level(day.levels.lnight) << ','
            << Level(day.levels.lden) << ',' << OneDecimalPercent(day.coverageDay) << ','
            << Percent(EveningCoverage(day, result.periods)) << ','
            << OneDecimalPercent(day.coverageNight) << "\r\n";
    }
}

void WriteHoursCsv(std::ostream& out, const AnalysisResult& result) {
    // The measured time of each hour: minutes at the devices' step, else seconds.
    const bool minutes = result.step == kMillisPerMinute;
    out << (minutes ? "start,leq,lmax,lmin,minutes\r\n" : "start,leq,lmax,lmin,seconds\r\n");
    for (std::int64_t i = 0; i < result.hours.Size(); ++i) {
        const HourFigures hour = result.hours.At(i);
        std::string start = FormatMinute(hour.start);
        start[10] = ' '; // "yyyy-mm-dd hh:mm", which spreadsheets read as a date and time
        out << start << ',' << Level(hour.leq) << ',' << Level(hour.lmax) << ',' << Level(hour.lmin)
            << ',';
        if (minutes)
            out << hour.minutes;
        else
            out << OneDecimal(static_cast<double>(hour.minutes * result.step) / 1000.0);
        out << "\r\n";
    }
}

} // namespace vrd
