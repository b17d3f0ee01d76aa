#include "options/analysis_options.h"

#include "analysis/exclusion_file.h"
#include "report/read_file.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace vrd {

namespace {

constexpr const char* kMinuteForm = "a minute yyyy-mm-ddThh:mm";

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A number with a decimal point whatever the locale: vrdview reads these options after Qt has set
// the user's, where strtod would want a decimal comma.
std::optional<double> Number(const std::string& text) {
    std::string_view digits = text;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-')
        digits.remove_prefix(1);
    double value = 0;
    const std::from_chars_result read =
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || read.ec != std::errc() || read.ptr != digits.data() + digits.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

std::optional<int> Hour(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::atoi(text.c_str());
}

class Reader {
  public:
    explicit Reader(const AnalysisArguments& arguments) : arguments_(arguments) {}

    AnalysisRequestRead Read() {
        AnalysisRequest request;
        request.files = arguments_.files;
        for (const std::string& file : arguments_.files)
            request.inputs.push_back({file, arguments_.plain});
        AnalysisSettings& settings = request.settings;
        if (!ReadMinute("--from", arguments_.from, settings.from) ||
            !ReadMinute("--to", arguments_.to, settings.to))
            return Failed();
        if (settings.from && settings.to && *settings.from >= *settings.to)
            return Failed("--from: " + arguments_.from + " must be before --to " + arguments_.to);
        for (const std::string& exclude : arguments_.excludes) {
            const std::optional<Interval> interval = ParseInterval(exclude);
            if (!interval)
                return Failed("--exclude: expects FROM/TO, two minutes yyyy-mm-ddThh:mm with FROM "
                              "before TO, not " +
                              Quoted(exclude));
            settings.exclusions.push_back({*interval, ""});
        }
        for (const std::string& file : arguments_.excludeFiles)
            if (!ReadExclusionFile(file, settings.exclusions))
                return Failed();
        if (!arguments_.threshold.empty()) {
            settings.threshold = Number(arguments_.threshold);
            if (!settings.threshold)
                return Failed("--threshold: expects a level in dB such as 65 or 62.5, not " +
                              Quoted(arguments_.threshold));
        }
        if (!ReadPeriods(settings.periods))
            return Failed();
        AnalysisRequestRead read;
        read.request = std::move(request);
        return read;
    }

  private:
    AnalysisRequestRead Failed(std::string error = {}) {
        AnalysisRequestRead read;
        read.error = error.empty() ? error_ : std::move(error);
        return read;
    }

    bool ReadMinute(const char* option, const std::string& text, std::optional<Minute>& minute) {
        if (text.empty())
            return true;
        minute = ParseMinute(text);
        if (!minute)
            error_ = std::string(option) + ": expects " + kMinuteForm + ", not " + Quoted(text);
        return minute.has_value();
    }

    bool ReadExclusionFile(const std::string& file, std::vector<Exclusion>& exclusions) {
        FileRead read = ReadWholeFile(file);
        if (read.failure) {
            error_ = "--exclude-file: " + file + ": " + read.failure->reason;
            return false;
        }
        ExclusionFileRead parsed = ParseExclusionFile(read.bytes);
        if (parsed.error) {
            error_ = "--exclude-file: " + file + ": " + *parsed.error;
            return false;
        }
        for (Exclusion& exclusion : parsed.exclusions)
            exclusions.push_back(std::move(exclusion));
        return true;
    }

    bool ReadPeriods(Periods& periods) {
        if (!arguments_.periods.empty()) {
            const std::vector<std::string> hours = Split(arguments_.periods, ',');
            std::optional<int> day;
            std::optional<int> evening;
            std::optional<int> night;
            if (hours.size() == 3) {
                day = Hour(hours[0]);
                evening = Hour(hours[1]);
                night = Hour(hours[2]);
            }
            if (!day || !evening || !night) {
                error_ = "--periods: expects D,E,N, the hours that start the day, the evening and "
                         "the night, not " +
                         Quoted(arguments_.periods);
                return false;
            }
            periods.day = *day;
            periods.evening = *evening;
            periods.night = *night;
        }
        if (!arguments_.penalties.empty()) {
            const std::vector<std::string> values = Split(arguments_.penalties, ',');
            std::optional<double> evening;
            std::optional<double> night;
            if (values.size() == 2) {
                evening = Number(values[0]);
                night = Number(values[1]);
            }
            if (!evening || !night) {
                error_ = "--penalties: expects PE,PN, the evening and night penalties in dB, "
                         "not " +
                         Quoted(arguments_.penalties);
                return false;
            }
            periods.eveningPenalty = *evening;
            periods.nightPenalty = *night;
        }
        if (const std::optional<std::string> wrong = CheckPeriods(periods)) {
            error_ = "--periods: " + *wrong + ", not " + std::to_string(periods.day) + "," +
                     std::to_string(periods.evening) + "," + std::to_string(periods.night);
            return false;
        }
        return true;
    }

    const AnalysisArguments& arguments_;
    std::string error_;
};

} // namespace

AnalysisRequestRead ReadAnalysisArguments(const AnalysisArguments& arguments) {
    return Reader(arguments).Read();
}

const std::vector<AnalysisOption>& AnalysisOptions() {
    using A = AnalysisArguments;
    static const std::vector<AnalysisOption> options = {
        {"--plain", "read every FILE as a plain report", OptionShape::Flag, &A::plain},
        {"--from", "first minute, yyyy-mm-ddThh:mm (default: the first record's)",
         OptionShape::Value, nullptr, &A::from},
        {"--to", "end minute, not included (default: one past the last record's)",
         OptionShape::Value, nullptr, &A::to},
        {"--exclude",
         "leave the minutes FROM/TO out of every figure (FROM included, TO not); may be repeated",
         OptionShape::Values, nullptr, nullptr, &A::excludes},
        {"--exclude-file", "leave out the intervals of FILE: one \"FROM/TO reason\" a line",
         OptionShape::Values, nullptr, nullptr, &A::excludeFiles},
        {"--threshold", "count the minutes and events above DB (may have a fraction)",
         OptionShape::Value, nullptr, &A::threshold},
        {"--periods", "the hours D,E,N that start the day, evening and night (default 7,19,23)",
         OptionShape::Value, nullptr, &A::periods},
        {"--penalties", "the evening and night penalties PE,PN in dB for Lden (default 5,10)",
         OptionShape::Value, nullptr, &A::penalties},
    };
    return options;
}

} // namespace vrd
