#include "options/analysis_options.h"

#include "analysis/exclusion_file.h"
#include "analysis/minute_marks.h"
#include "analysis/period_presets.h"
#include "analysis/time_text.h"
#include "report/read_file.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <utility>

namespace vrd {

namespace {

constexpr const char* kTimeForm = "a time yyyy-mm-ddThh:mm[:ss]";

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

// vrdview reads these options after Qt has set the user's locale, where strtod would want a
// decimal comma.
std::optional<double> OptionNumber(const std::string& text) {
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

namespace {

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
        if (!arguments_.analysis.empty()) {
            AnalysisFileRead file = ReadAnalysisFile(arguments_.analysis);
            if (!file.document)
                return Failed(std::move(file.error));
            document_ = std::move(*file.document);
        }
        AnalysisRequest request;
        request.files = arguments_.files.empty() ? document_.files : arguments_.files;
        if (request.files.empty())
            return Failed(arguments_.analysis.empty()
                              ? "FILE: is required: the reports to analyse"
                              : "FILE: is required: " + arguments_.analysis +
                                    " names no report, and no FILE was given");
        const bool plain = arguments_.plain || document_.plain;
        CsvReadOptions csv;
        if (!ReadCsvOptions(csv))
            return Failed();
        for (const std::string& file : request.files) {
            AnalysisInput& input = request.inputs.emplace_back(file, plain);
            input.csvLevels = arguments_.csvLevels;
            // The columns the analysis file keeps for an export, each replaced by its option
            // when one is typed.
            input.csv = ColumnsOf(document_, file);
            if (!arguments_.levelColumn.empty())
                input.csv.level = csv.level;
            if (!arguments_.l90Column.empty())
                input.csv.l90 = csv.l90;
            if (!arguments_.stamp.empty())
                input.csv.stamp = csv.stamp;
        }
        AnalysisSettings& settings = request.settings;
        if (!ReadSelection(settings) || !ReadMarks(settings))
            return Failed();
        settings.threshold = document_.threshold;
        if (!arguments_.threshold.empty()) {
            settings.threshold = OptionNumber(arguments_.threshold);
            if (!settings.threshold)
                return Failed("--threshold: expects a level in dB such as 65 or 62.5, not " +
                              Quoted(arguments_.threshold));
        }
        if (!ReadPreset(settings) || !ReadPeriods(settings.periods))
            return Failed();
        settings.who = document_.who;
        if (!arguments_.who.empty()) {
            settings.who = WhoSourceNamed(arguments_.who);
            if (!settings.who)
                return Failed("--who: expects road, rail, aircraft or wind, not " +
                              Quoted(arguments_.who));
        }
        std::optional<Standard> standard = document_.standard;
        if (!arguments_.standard.empty()) {
            standard = StandardNamed(arguments_.standard);
            if (!standard)
                return Failed("--standard: expects fr-neighbourhood, fr-icpe or bs4142, not " +
                              Quoted(arguments_.standard));
        }
        if (standard)
            request.assessment =
                AssessmentSettings{*standard, arguments_.indoors || document_.indoors};
        request.minimumCoverage = document_.minimumCoverage;
        AnalysisRequestRead read;
        read.request = std::move(request);
        return read;
    }

  private:
    // The columns and stamp of the CSV exports of levels.
    bool Refuse(std::string error) {
        error_ = std::move(error);
        return false;
    }

    bool ReadCsvOptions(CsvReadOptions& csv) {
        if (!arguments_.levelColumn.empty()) {
            csv.level = ParseCsvColumnChoice(arguments_.levelColumn);
            if (csv.level.by == CsvColumnChoice::By::None)
                return Refuse("--level-column: expects a header or a column number from 1, not " +
                              Quoted(arguments_.levelColumn));
        }
        if (!arguments_.l90Column.empty())
            csv.l90 = ParseCsvColumnChoice(arguments_.l90Column);
        for (const CsvColumnChoice* choice : {&csv.level, &csv.l90})
            if (choice->by == CsvColumnChoice::By::Number && choice->number < 1)
                return Refuse(
                    std::string(choice == &csv.level ? "--level-column" : "--l90-column") +
                    ": columns are numbered from 1");
        if (arguments_.stamp == "end")
            csv.stamp = CsvStamp::End;
        else if (!arguments_.stamp.empty() && arguments_.stamp != "start")
            return Refuse("--stamp: expects start or end, not " + Quoted(arguments_.stamp));
        return true;
    }

    AnalysisRequestRead Failed(std::string error = {}) {
        AnalysisRequestRead read;
        read.error = error.empty() ? error_ : std::move(error);
        return read;
    }

    // Where a value came from, for a message: the option, or the key of the analysis file.
    std::string Origin(const char* option, const std::string& given, const char* key) const {
        return given.empty() ? arguments_.analysis + ": " + key : option;
    }

    bool ReadSelection(AnalysisSettings& settings) {
        settings.fromTime = document_.fromTime;
        settings.toTime = document_.toTime;
        if (!ReadTime("--from", arguments_.from, settings.fromTime) ||
            !ReadTime("--to", arguments_.to, settings.toTime))
            return false;
        if (settings.fromTime && settings.toTime && *settings.fromTime >= *settings.toTime) {
            error_ = Origin("--from", arguments_.from, "from") + ": " +
                     FormatTime(*settings.fromTime) + " must be before " +
                     Origin("--to", arguments_.to, "to") + " " + FormatTime(*settings.toTime);
            return false;
        }
        return true;
    }

    bool ReadTime(const char* option, const std::string& text, std::optional<Millis>& time) {
        if (text.empty())
            return true;
        time = ParseTime(text);
        if (!time)
            error_ = std::string(option) + ": expects " + kTimeForm + ", not " + Quoted(text);
        return time.has_value();
    }

    // The marks of --exclude, --source, --residual and the marks files, each source and residual
    // mark with where it was given, so that two that overlap can be named.
    bool ReadMarks(AnalysisSettings& settings) {
        std::vector<Mark> marks = document_.marks;
        std::vector<std::string> origins;
        for (std::size_t i = 0; i < marks.size(); ++i)
            origins.push_back(arguments_.analysis + ": marks[" + std::to_string(i) + "]");
        const auto intervals = [&](const char* option, const std::vector<std::string>& texts,
                                   MarkKind kind) {
            for (const std::string& text : texts) {
                const std::optional<TimeSpan> span = ParseSpan(text);
                if (!span) {
                    error_ = std::string(option) +
                             ": expects FROM/TO, two times yyyy-mm-ddThh:mm[:ss] with FROM "
                             "before TO, not " +
                             Quoted(text);
                    return false;
                }
                marks.push_back({kind, *span, ""});
                origins.push_back(option);
            }
            return true;
        };
        if (!intervals("--exclude", arguments_.excludes, MarkKind::Exclude) ||
            !intervals("--source", arguments_.sources, MarkKind::Source) ||
            !intervals("--residual", arguments_.residuals, MarkKind::Residual))
            return false;
        for (const auto& [option, files] : {std::pair{"--marks-file", &arguments_.marksFiles},
                                            std::pair{"--exclude-file", &arguments_.excludeFiles}})
            for (const std::string& file : *files)
                if (!ReadMarksFile(option, file, marks, origins))
                    return false;
        if (const std::optional<MarkOverlap> overlap = FindSourceResidualOverlap(marks)) {
            const Mark& source = marks[overlap->source];
            const Mark& residual = marks[overlap->residual];
            error_ = origins[overlap->source] + ": the source interval " + FormatSpan(source.span) +
                     " overlaps the residual interval " + FormatSpan(residual.span) + " of " +
                     origins[overlap->residual] +
                     "; a minute is heard with the source or without it, not both";
            return false;
        }
        AddMarks(settings, std::move(marks));
        return true;
    }

    bool ReadMarksFile(const char* option, const std::string& file, std::vector<Mark>& marks,
                       std::vector<std::string>& origins) {
        FileRead read = ReadWholeFile(file);
        if (read.failure) {
            error_ = std::string(option) + ": " + file + ": " + read.failure->reason;
            return false;
        }
        MarksFileRead parsed = ParseMarksFile(read.bytes);
        if (parsed.error) {
            error_ = std::string(option) + ": " + file + ": " + *parsed.error;
            return false;
        }
        for (Mark& mark : parsed.marks) {
            marks.push_back(std::move(mark));
            origins.push_back(std::string(option) + " " + file);
        }
        return true;
    }

    // A preset sets the periods and penalties whole; without one, nor either of those, the
    // periods are the analysis file's, or the default preset's. Periods or penalties given set
    // the others' values by hand.
    bool ReadPreset(AnalysisSettings& settings) {
        settings.periods = document_.periods;
        if (arguments_.preset.empty()) {
            if (arguments_.periods.empty() && arguments_.penalties.empty())
                settings.preset = document_.preset;
            return true;
        }
        if (!arguments_.periods.empty() || !arguments_.penalties.empty()) {
            error_ = "--preset: sets the periods and penalties, so it cannot be given with " +
                     std::string(arguments_.periods.empty() ? "--penalties" : "--periods");
            return false;
        }
        const std::optional<PeriodPreset> preset = PresetNamed(arguments_.preset);
        if (!preset) {
            std::string names;
            for (const PeriodPreset& known : PeriodPresets())
                names += std::string(names.empty() ? "" : ", ") + known.name;
            error_ = "--preset: expects one of " + names + ", not " + Quoted(arguments_.preset);
            return false;
        }
        settings.periods = preset->periods;
        settings.preset = preset->name;
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
                evening = OptionNumber(values[0]);
                night = OptionNumber(values[1]);
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
    AnalysisDocument document_; // the analysis file's, or the defaults without one
    std::string error_;
};

} // namespace

AnalysisRequestRead ReadAnalysisArguments(const AnalysisArguments& arguments) {
    return Reader(arguments).Read();
}

namespace {

using A = AnalysisArguments;

AnalysisOption Flag(const char* name, const char* help, bool A::*member, OptionGroup group) {
    return {name, help, OptionShape::Flag, member, nullptr, nullptr, group};
}

AnalysisOption Value(const char* name, const char* help, std::string A::*member,
                     OptionGroup group) {
    return {name, help, OptionShape::Value, nullptr, member, nullptr, group};
}

AnalysisOption Values(const char* name, const char* help, std::vector<std::string> A::*member,
                      OptionGroup group) {
    return {name, help, OptionShape::Values, nullptr, nullptr, member, group};
}

} // namespace

const std::vector<AnalysisOption>& AnalysisOptions() {
    static const std::vector<AnalysisOption> options = {
        Value("--analysis",
              "take the reports, selection, settings and marks from the analysis file FILE "
              "(.vrda); the options given beside it override its values, FILEs given replace "
              "its reports and marks given are added to its own",
              &A::analysis, kMinuteOptions),
        Flag("--plain", "read every FILE as a plain report", &A::plain, kMinuteOptions),
        Flag("--csv-levels",
             "read every FILE as a sound level meter's CSV export of levels, whatever its name "
             "(a FILE named .csv always is)",
             &A::csvLevels, kMinuteOptions),
        Value("--level-column",
              "the column of the exports' A-weighted Leq, by its header or its number from 1 "
              "(default: found from the headers)",
              &A::levelColumn, kMinuteOptions),
        Value("--l90-column",
              "the column of the exports' LA90, by its header or its number from 1, or none "
              "(default: found from the headers)",
              &A::l90Column, kMinuteOptions),
        Value("--stamp",
              "whether an export's times are the start (default) or the end of each sample",
              &A::stamp, kMinuteOptions),
        Value("--from", "first time, yyyy-mm-ddThh:mm[:ss] (default: the first record's minute)",
              &A::from, kMinuteOptions),
        Value("--to", "end time, not included (default: one past the last record's minute)", &A::to,
              kMinuteOptions),
        Values("--exclude",
               "leave the samples that start in FROM/TO out of every figure (FROM included, TO "
               "not); may be repeated",
               &A::excludes, kMinuteOptions),
        Values("--source", "the noise under assessment was heard from FROM to TO; may be repeated",
               &A::sources, kSourceOptions),
        Values("--residual",
               "the noise under assessment was not heard from FROM to TO, the reference; may be "
               "repeated (without any, every minute that is not source is residual)",
               &A::residuals, kSourceOptions),
        Values("--marks-file",
               "read the marks of FILE: one \"[KIND ]FROM/TO reason\" a line, KIND exclude "
               "(the default), source or residual",
               &A::marksFiles, kMinuteOptions),
        Values("--exclude-file", "the same as --marks-file", &A::excludeFiles, kMinuteOptions),
        Value("--threshold", "count the minutes and events above DB (may have a fraction)",
              &A::threshold, kLevelOptions),
        Value("--periods",
              "the hours D,E,N that start the day, evening and night (default 7,19,23)",
              &A::periods, kLevelOptions),
        Value("--penalties", "the evening and night penalties PE,PN in dB for Lden (default 5,10)",
              &A::penalties, kLevelOptions),
        Value("--preset",
              "the periods and penalties of eu (7,19,23 +5,+10, the default), fr, it, uk, us-ldn "
              "or us-cnel",
              &A::preset, kLevelOptions),
        Value("--who",
              "compare Lden and Lnight with the WHO 2018 guidelines for road, rail, aircraft or "
              "wind",
              &A::who, kLevelOptions),
        Value("--standard", "assess the source by fr-neighbourhood, fr-icpe or bs4142",
              &A::standard, kAssessmentOptions),
        Flag("--indoors", "fr-neighbourhood: measured inside a dwelling (the gate is 25 dB)",
             &A::indoors, kAssessmentOptions),
    };
    return options;
}

} // namespace vrd
