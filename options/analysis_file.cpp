#include "options/analysis_file.h"

#include "analysis/exclusion_file.h"
#include "analysis/minute_marks.h"
#include "analysis/period_presets.h"
#include "analysis/time_text.h"
#include "options/report_paths.h"
#include "report/read_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <utility>

namespace vrd {

using Json = nlohmann::ordered_json;

namespace {

using Expect = AnalysisFileExpectation;
using Problem = AnalysisFileProblemKind;

constexpr std::size_t kLongestValueShown = 60;

// The value as the message quotes it: its JSON text, cut when long.
std::string Shown(const Json& value) {
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() > kLongestValueShown)
        text = text.substr(0, kLongestValueShown - 3) + "...";
    return text;
}

// The parser's message without its "[json.exception.parse_error.101] " tag.
std::string ParseFailure(const std::string& what) {
    const std::size_t tag = what.find("] ");
    return tag == std::string::npos ? what : what.substr(tag + 2);
}

class DocumentReader {
  public:
    explicit DocumentReader(std::string path) : path_(std::move(path)) {}

    AnalysisFileRead Read(std::string_view bytes) {
        Json root;
        try {
            root = Json::parse(bytes.begin(), bytes.end());
        } catch (const Json::exception& failure) {
            // A syntax error, or a number too large for a double (out_of_range).
            AnalysisFileProblem problem;
            problem.kind = Problem::NotJson;
            problem.detail = ParseFailure(failure.what());
            return Failed(std::move(problem));
        }
        if (!root.is_object()) {
            AnalysisFileProblem problem;
            problem.kind = Problem::NotAnObject;
            problem.value = Shown(root);
            return Failed(std::move(problem));
        }
        AnalysisDocument document;
        if (!ReadHeader(root) || !ReadFiles(root, document) ||
            !Flag(root, "plain", document.plain) || !ReadSelection(root, document) ||
            !ReadLevels(root, document) || !ReadAssessment(root, document) ||
            !ReadMarks(root, document) || !ReadColumns(root, document))
            return Failed(std::move(problem_));
        for (const auto& [key, value] : root.items())
            if (!IsKnown(key))
                document.otherKeys.emplace_back(key, value.dump());
        AnalysisFileRead read;
        read.document = std::move(document);
        return read;
    }

  private:
    static bool IsKnown(const std::string& key) {
        static const std::vector<std::string> known = {
            "format",    "version", "files",   "plain",     "from",         "to",
            "threshold", "preset",  "periods", "penalties", "min_coverage", "standard",
            "indoors",   "who",     "marks",   "columns"};
        return std::find(known.begin(), known.end(), key) != known.end();
    }

    static AnalysisFileRead Failed(AnalysisFileProblem problem) {
        AnalysisFileRead read;
        read.error = AnalysisFileProblemText(problem);
        read.problem = std::move(problem);
        return read;
    }

    // The problem of kind at key, with the value found there (shown) and its detail.
    bool Wrong(Problem kind, const std::string& key, std::string shown = {},
               std::string detail = {}) {
        problem_ = AnalysisFileProblem{};
        problem_.kind = kind;
        problem_.key = key;
        problem_.value = std::move(shown);
        problem_.detail = std::move(detail);
        return false;
    }

    bool Expected(const std::string& key, Expect what, const Json& value,
                  std::vector<std::string> names = {}) {
        Wrong(Problem::Expected, key, Shown(value));
        problem_.expected = what;
        problem_.names = std::move(names);
        return false;
    }

    // The value of key, or null when it is missing.
    static const Json& At(const Json& object, const char* key) {
        static const Json missing;
        const auto found = object.find(key);
        return found == object.end() ? missing : *found;
    }

    bool ReadHeader(const Json& root) {
        const Json& format = At(root, "format");
        if (root.find("format") == root.end())
            return Wrong(Problem::FormatMissing, "format");
        if (format != kAnalysisFormat)
            return Expected("format", Expect::FormatName, format);
        const Json& version = At(root, "version");
        if (version.is_null())
            return true;
        if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
            return Expected("version", Expect::Version, version);
        if (version.get<std::int64_t>() > kAnalysisFileVersion) {
            Wrong(Problem::VersionTooNew, "version", Shown(version));
            problem_.number = kAnalysisFileVersion;
            return false;
        }
        return true;
    }

    bool ReadFiles(const Json& root, AnalysisDocument& document) {
        const Json& files = At(root, "files");
        if (files.is_null())
            return true;
        if (!files.is_array())
            return Expected("files", Expect::ReportList, files);
        std::size_t absolute = 0;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const Json& file = files[i];
            if (!file.is_string() || file.get_ref<const std::string&>().empty() ||
                file.get_ref<const std::string&>().find('\0') != std::string::npos)
                return Expected("files[" + std::to_string(i) + "]", Expect::ReportPath, file);
            document.files.push_back(ResolveReportPath(file.get<std::string>(), path_));
            absolute += IsAbsolutePath(file.get_ref<const std::string&>()) ? 1 : 0;
        }
        document.absolutePaths = !files.empty() && absolute == files.size();
        return true;
    }

    bool Flag(const Json& object, const char* key, bool& flag, const std::string& prefix = {}) {
        const auto found = object.find(key);
        if (found == object.end())
            return true;
        if (!found->is_boolean())
            return Expected(prefix + key, Expect::TrueOrFalse, *found);
        flag = found->get<bool>();
        return true;
    }

    // A minute, or nothing for a missing key or null.
    bool ReadTime(const Json& value, const std::string& key, std::optional<Millis>& time) {
        if (value.is_null())
            return true;
        if (value.is_string())
            time = ParseTime(value.get_ref<const std::string&>());
        return time ? true : Expected(key, Expect::MinuteTime, value);
    }

    // One end of a mark: a minute, never null.
    bool MarkEnd(const Json& value, const std::string& key, std::optional<Millis>& time) {
        if (value.is_null())
            return Expected(key, Expect::MinuteTime, value);
        return ReadTime(value, key, time);
    }

    bool ReadSelection(const Json& root, AnalysisDocument& document) {
        if (!ReadTime(At(root, "from"), "from", document.fromTime) ||
            !ReadTime(At(root, "to"), "to", document.toTime))
            return false;
        if (document.fromTime && document.toTime && *document.fromTime >= *document.toTime)
            return Wrong(Problem::ToNotAfterFrom, "to", Shown(At(root, "to")),
                         Shown(At(root, "from")));
        return true;
    }

    bool Number(const Json& value, const std::string& key, Expect what, double& number) {
        if (!value.is_number() || !std::isfinite(value.get<double>()))
            return Expected(key, what, value);
        number = value.get<double>();
        return true;
    }

    // A name of names, or nothing for null.
    template <typename Value, typename Lookup>
    bool Named(const Json& root, const char* key, const std::vector<std::string>& names,
               Lookup lookup, std::optional<Value>& value) {
        const Json& given = At(root, key);
        if (given.is_null())
            return true;
        if (given.is_string())
            value = lookup(given.get_ref<const std::string&>());
        return value ? true : Expected(key, Expect::NameOrNull, given, names);
    }

    bool ReadLevels(const Json& root, AnalysisDocument& document) {
        const Json& threshold = At(root, "threshold");
        if (!threshold.is_null()) {
            double level = 0;
            if (!Number(threshold, "threshold", Expect::Level, level))
                return false;
            document.threshold = level;
        }
        const Json& coverage = At(root, "min_coverage");
        if (root.find("min_coverage") != root.end() &&
            (!Number(coverage, "min_coverage", Expect::Share, document.minimumCoverage) ||
             document.minimumCoverage < 0 || document.minimumCoverage > 1))
            return Expected("min_coverage", Expect::Share, coverage);
        std::vector<std::string> presets;
        for (const PeriodPreset& preset : PeriodPresets())
            presets.emplace_back(preset.name);
        std::optional<PeriodPreset> preset;
        if (!Named(root, "preset", presets, PresetNamed, preset) || !ReadPeriods(root, document))
            return false;
        const bool byHand = root.find("preset") != root.end() ||
                            root.find("periods") != root.end() ||
                            root.find("penalties") != root.end();
        if (!preset && !byHand)
            preset = PeriodPresets().front();
        document.preset = preset ? preset->name : "";
        if (preset)
            return MatchPreset(root, *preset, document.periods);
        return true;
    }

    bool ReadPeriods(const Json& root, AnalysisDocument& document) {
        Periods& periods = document.periods;
        const Json& hours = At(root, "periods");
        if (root.find("periods") != root.end()) {
            const auto hour = [](const Json& value) {
                return value.is_number_integer() && value.get<std::int64_t>() >= 0 &&
                       value.get<std::int64_t>() <= 23;
            };
            if (!hours.is_array() || hours.size() != 3 ||
                !std::all_of(hours.begin(), hours.end(), hour))
                return Expected("periods", Expect::PeriodHours, hours);
            periods.day = hours[0].get<int>();
            periods.evening = hours[1].get<int>();
            periods.night = hours[2].get<int>();
        }
        const Json& penalties = At(root, "penalties");
        if (root.find("penalties") != root.end()) {
            const auto finite = [](const Json& value) {
                return value.is_number() && std::isfinite(value.get<double>());
            };
            if (!penalties.is_array() || penalties.size() != 2 ||
                !std::all_of(penalties.begin(), penalties.end(), finite))
                return Expected("penalties", Expect::Penalties, penalties);
            periods.eveningPenalty = penalties[0].get<double>();
            periods.nightPenalty = penalties[1].get<double>();
        }
        if (const std::optional<PeriodsProblem> wrong = FindPeriodsProblem(periods)) {
            Wrong(Problem::PeriodsOutOfOrder, "periods", Shown(hours));
            problem_.periods = *wrong;
            return false;
        }
        return true;
    }

    // The periods and penalties given beside a preset must be the preset's own.
    bool MatchPreset(const Json& root, const PeriodPreset& preset, Periods& periods) {
        const Periods& own = preset.periods;
        const bool sameHours =
            periods.day == own.day && periods.evening == own.evening && periods.night == own.night;
        const bool samePenalties = periods.eveningPenalty == own.eveningPenalty &&
                                   periods.nightPenalty == own.nightPenalty;
        const bool wrongHours = root.find("periods") != root.end() && !sameHours;
        if (wrongHours || (root.find("penalties") != root.end() && !samePenalties)) {
            // The key given that differs: the periods left out are no fault of the penalties.
            const char* key = wrongHours ? "periods" : "penalties";
            return Wrong(Problem::NotThePresetsPeriods, key, Shown(At(root, key)), preset.name);
        }
        periods = own;
        return true;
    }

    bool ReadAssessment(const Json& root, AnalysisDocument& document) {
        return Named(root, "standard", {"fr-neighbourhood", "fr-icpe", "bs4142"}, StandardNamed,
                     document.standard) &&
               Flag(root, "indoors", document.indoors) &&
               Named(root, "who", {"road", "rail", "aircraft", "wind"}, WhoSourceNamed,
                     document.who);
    }

    bool ReadMarks(const Json& root, AnalysisDocument& document) {
        const Json& marks = At(root, "marks");
        if (marks.is_null())
            return true;
        if (!marks.is_array())
            return Expected("marks", Expect::MarkList, marks);
        for (std::size_t i = 0; i < marks.size(); ++i)
            if (!ReadMark(marks[i], "marks[" + std::to_string(i) + "]", document.marks))
                return false;
        if (const std::optional<MarkOverlap> overlap = FindSourceResidualOverlap(document.marks)) {
            Wrong(Problem::MarksOverlap, "marks[" + std::to_string(overlap->source) + "]");
            problem_.source = document.marks[overlap->source].span;
            problem_.residual = document.marks[overlap->residual].span;
            problem_.number = static_cast<std::int64_t>(overlap->residual);
            return false;
        }
        return true;
    }

    bool ReadMark(const Json& given, const std::string& key, std::vector<Mark>& marks) {
        if (!given.is_object())
            return Expected(key, Expect::MarkObject, given);
        Mark mark;
        const Json& kind = At(given, "kind");
        if (!kind.is_null()) {
            std::optional<MarkKind> known;
            for (const MarkKind each : {MarkKind::Exclude, MarkKind::Source, MarkKind::Residual})
                if (kind == MarkKindName(each))
                    known = each;
            if (!known)
                return Expected(key + ".kind", Expect::KindName, kind);
            mark.kind = *known;
        }
        std::optional<Millis> from;
        std::optional<Millis> to;
        for (const char* end : {"from", "to"})
            if (given.find(end) == given.end())
                return Wrong(Problem::MarkEndMissing, key + "." + end);
        if (!MarkEnd(At(given, "from"), key + ".from", from) ||
            !MarkEnd(At(given, "to"), key + ".to", to))
            return false;
        if (*from >= *to)
            return Wrong(Problem::MarkToNotAfterFrom, key + ".to", Shown(At(given, "to")),
                         Shown(At(given, "from")));
        mark.span = {*from, *to};
        const Json& reason = At(given, "reason");
        if (!reason.is_null() && !reason.is_string())
            return Expected(key + ".reason", Expect::Text, reason);
        if (reason.is_string())
            mark.reason = reason.get<std::string>();
        marks.push_back(std::move(mark));
        return true;
    }

    // "columns": {"FILE": {"time": ..., "clock": ..., "level": ..., "l90": ..., "stamp": ...}}.
    bool ReadColumns(const Json& root, AnalysisDocument& document) {
        const Json& columns = At(root, "columns");
        if (columns.is_null())
            return true;
        if (!columns.is_object())
            return Expected("columns", Expect::CsvColumns, columns);
        for (const auto& [file, given] : columns.items()) {
            const std::string key = "columns[\"" + file + "\"]";
            if (file.empty() || file.find('\0') != std::string::npos)
                return Expected(key, Expect::ReportPath, Json(file));
            if (!given.is_object())
                return Expected(key, Expect::ColumnsOfFile, given);
            CsvColumnsOfFile read;
            read.file = ResolveReportPath(file, path_);
            CsvReadOptions& options = read.options;
            if (!Column(given, "time", key, false, options.time) ||
                !Column(given, "clock", key, false, options.clock) ||
                !Column(given, "level", key, false, options.level) ||
                !Column(given, "l90", key, true, options.l90))
                return false;
            const Json& stamp = At(given, "stamp");
            if (!stamp.is_null()) {
                if (stamp != "start" && stamp != "end")
                    return Expected(key + ".stamp", Expect::StampName, stamp);
                options.stamp = stamp == "end" ? CsvStamp::End : CsvStamp::Start;
            }
            for (const auto& [name, value] : given.items())
                if (name != "time" && name != "clock" && name != "level" && name != "l90" &&
                    name != "stamp")
                    read.otherKeys.emplace_back(name, value.dump());
            document.columns.push_back(std::move(read));
        }
        return true;
    }

    // A header, a number from 1, "none" where none may be chosen; null or left out: found.
    bool Column(const Json& given, const char* name, const std::string& key, bool mayBeNone,
                CsvColumnChoice& choice) {
        const Json& value = At(given, name);
        if (value.is_null())
            return true;
        const std::string at = key + "." + name;
        if (value.is_number_integer() && value.get<std::int64_t>() >= 1 &&
            value.get<std::int64_t>() <= std::numeric_limits<int>::max()) {
            choice.by = CsvColumnChoice::By::Number;
            choice.number = value.get<int>();
            return true;
        }
        if (!value.is_string() || value.get_ref<const std::string&>().empty())
            return Expected(at, Expect::ColumnChoice, value);
        const std::string& text = value.get_ref<const std::string&>();
        if (text == "none") {
            if (!mayBeNone)
                return Expected(at, Expect::ColumnChoice, value);
            choice.by = CsvColumnChoice::By::None;
            return true;
        }
        choice.by = CsvColumnChoice::By::Name;
        choice.name = text;
        return true;
    }

    std::string path_;
    AnalysisFileProblem problem_;
};

} // namespace

AnalysisFileRead ParseAnalysisFile(std::string_view bytes, const std::string& path) {
    return DocumentReader(path).Read(bytes);
}

AnalysisFileRead ReadAnalysisFile(const std::string& path) {
    FileRead file = ReadWholeFile(path);
    if (file.failure) {
        AnalysisFileRead read;
        read.problem = AnalysisFileProblem{};
        read.problem->kind = Problem::CannotRead;
        read.problem->failure = std::move(file.failure);
        read.error = path + ": " + AnalysisFileProblemText(*read.problem);
        return read;
    }
    AnalysisFileRead read = ParseAnalysisFile(file.bytes, path);
    if (!read.document)
        read.error = path + ": " + read.error;
    return read;
}

namespace {

bool Found(const CsvColumnChoice& choice) {
    return choice.by == CsvColumnChoice::By::Found;
}

} // namespace

CsvReadOptions ColumnsOf(const AnalysisDocument& document, const std::string& file) {
    for (const CsvColumnsOfFile& columns : document.columns)
        if (columns.file == file)
            return columns.options;
    return {};
}

void PutColumns(AnalysisDocument& document, const std::string& file,
                const CsvReadOptions& options) {
    const auto kept = std::find_if(document.columns.begin(), document.columns.end(),
                                   [&](const CsvColumnsOfFile& each) { return each.file == file; });
    const bool asFound = Found(options.time) && Found(options.clock) && Found(options.level) &&
                         Found(options.l90) && options.stamp == CsvStamp::Start;
    if (kept != document.columns.end()) {
        // Keys of a later version stay with their file, found columns or not.
        if (asFound && kept->otherKeys.empty())
            document.columns.erase(kept);
        else
            kept->options = options;
        return;
    }
    if (!asFound)
        document.columns.push_back({file, options, {}});
}

bool IsAnalysisFileName(std::string_view path) {
    constexpr std::string_view kSuffix = ".vrda";
    if (path.size() < kSuffix.size())
        return false;
    return std::equal(
        kSuffix.begin(), kSuffix.end(), path.end() - kSuffix.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

} // namespace vrd
