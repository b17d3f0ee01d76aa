#include "options/analysis_file.h"

#include "analysis/exclusion_file.h"
#include "analysis/minute_marks.h"
#include "analysis/period_presets.h"
#include "options/report_paths.h"
#include "report/read_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace vrd {

using Json = nlohmann::ordered_json;

namespace {

constexpr const char* kMinuteForm = "a minute yyyy-mm-ddThh:mm";
constexpr std::size_t kLongestValueShown = 60;

// The value as the message quotes it: its JSON text, cut when long.
std::string Shown(const Json& value) {
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() > kLongestValueShown)
        text = text.substr(0, kLongestValueShown - 3) + "...";
    return text;
}

std::string NameList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return list;
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
            return Failed("not a JSON document: " + ParseFailure(failure.what()));
        }
        if (!root.is_object())
            return Failed("expects a JSON object with \"format\": \"vrd-analysis\", not " +
                          Shown(root));
        AnalysisDocument document;
        if (!ReadHeader(root) || !ReadFiles(root, document) ||
            !Flag(root, "plain", document.plain) || !ReadSelection(root, document) ||
            !ReadLevels(root, document) || !ReadAssessment(root, document) ||
            !ReadMarks(root, document))
            return Failed(error_);
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
            "format",       "version",   "files",   "plain",   "from",
            "to",           "threshold", "preset",  "periods", "penalties",
            "min_coverage", "standard",  "indoors", "who",     "marks"};
        return std::find(known.begin(), known.end(), key) != known.end();
    }

    static AnalysisFileRead Failed(std::string error) {
        AnalysisFileRead read;
        read.error = std::move(error);
        return read;
    }

    bool Wrong(const std::string& key, const std::string& reason) {
        error_ = key + ": " + reason;
        return false;
    }

    bool Expected(const std::string& key, const std::string& what, const Json& value) {
        return Wrong(key, "expects " + what + ", not " + Shown(value));
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
            return Wrong("format", "is missing: this is no analysis file, whose \"format\" is \"" +
                                       std::string(kAnalysisFormat) + "\"");
        if (format != kAnalysisFormat)
            return Expected("format", "\"" + std::string(kAnalysisFormat) + "\"", format);
        const Json& version = At(root, "version");
        if (version.is_null())
            return true;
        if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
            return Expected("version", "a whole number from 1", version);
        if (version.get<std::int64_t>() > kAnalysisFileVersion)
            return Wrong("version", Shown(version) + " is newer than this program reads (" +
                                        std::to_string(kAnalysisFileVersion) +
                                        "): open it with a newer version of the program");
        return true;
    }

    bool ReadFiles(const Json& root, AnalysisDocument& document) {
        const Json& files = At(root, "files");
        if (files.is_null())
            return true;
        if (!files.is_array())
            return Expected("files", "a list of the paths of reports", files);
        std::size_t absolute = 0;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const Json& file = files[i];
            if (!file.is_string() || file.get_ref<const std::string&>().empty() ||
                file.get_ref<const std::string&>().find('\0') != std::string::npos)
                return Expected("files[" + std::to_string(i) + "]", "the path of a report", file);
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
            return Expected(prefix + key, "true or false", *found);
        flag = found->get<bool>();
        return true;
    }

    // A minute, or nothing for a missing key or null.
    bool ReadMinute(const Json& value, const std::string& key, std::optional<Minute>& minute) {
        if (value.is_null())
            return true;
        if (value.is_string())
            minute = ParseMinute(value.get_ref<const std::string&>());
        return minute ? true : Expected(key, kMinuteForm, value);
    }

    // One end of a mark: a minute, never null.
    bool MarkEnd(const Json& value, const std::string& key, std::optional<Minute>& minute) {
        if (value.is_null())
            return Expected(key, kMinuteForm, value);
        return ReadMinute(value, key, minute);
    }

    bool ReadSelection(const Json& root, AnalysisDocument& document) {
        if (!ReadMinute(At(root, "from"), "from", document.from) ||
            !ReadMinute(At(root, "to"), "to", document.to))
            return false;
        if (document.from && document.to && *document.from >= *document.to)
            return Wrong("to",
                         Shown(At(root, "to")) + " must be after from " + Shown(At(root, "from")));
        return true;
    }

    bool Number(const Json& value, const std::string& key, const std::string& what,
                double& number) {
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
        return value ? true : Expected(key, NameList(names) + " or null", given);
    }

    bool ReadLevels(const Json& root, AnalysisDocument& document) {
        const Json& threshold = At(root, "threshold");
        if (!threshold.is_null()) {
            double level = 0;
            if (!Number(threshold, "threshold", "a level in dB or null", level))
                return false;
            document.threshold = level;
        }
        const Json& coverage = At(root, "min_coverage");
        if (root.find("min_coverage") != root.end() &&
            (!Number(coverage, "min_coverage", "a share from 0 to 1", document.minimumCoverage) ||
             document.minimumCoverage < 0 || document.minimumCoverage > 1))
            return Expected("min_coverage", "a share from 0 to 1", coverage);
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
                return Expected("periods",
                                "[D, E, N], the hours that start the day, the evening and the "
                                "night",
                                hours);
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
                return Expected("penalties", "[PE, PN], the evening and night penalties in dB",
                                penalties);
            periods.eveningPenalty = penalties[0].get<double>();
            periods.nightPenalty = penalties[1].get<double>();
        }
        if (const std::optional<std::string> wrong = CheckPeriods(periods))
            return Wrong("periods", *wrong + ", not " + Shown(hours));
        return true;
    }

    // The periods and penalties given beside a preset must be the preset's own.
    bool MatchPreset(const Json& root, const PeriodPreset& preset, Periods& periods) {
        const Periods& own = preset.periods;
        const bool sameHours =
            periods.day == own.day && periods.evening == own.evening && periods.night == own.night;
        const bool samePenalties = periods.eveningPenalty == own.eveningPenalty &&
                                   periods.nightPenalty == own.nightPenalty;
        if ((root.find("periods") != root.end() && !sameHours) ||
            (root.find("penalties") != root.end() && !samePenalties)) {
            const char* key = sameHours ? "penalties" : "periods";
            return Wrong(key, Shown(At(root, key)) + " are not those of the preset \"" +
                                  preset.name + "\": give \"preset\": null to set them by hand");
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
            return Expected("marks", "a list of marks", marks);
        for (std::size_t i = 0; i < marks.size(); ++i)
            if (!ReadMark(marks[i], "marks[" + std::to_string(i) + "]", document.marks))
                return false;
        if (const std::optional<MarkOverlap> overlap = FindSourceResidualOverlap(document.marks))
            return Wrong("marks[" + std::to_string(overlap->source) + "]",
                         "the source interval " +
                             FormatInterval(document.marks[overlap->source].interval) +
                             " overlaps the residual interval " +
                             FormatInterval(document.marks[overlap->residual].interval) +
                             " of marks[" + std::to_string(overlap->residual) +
                             "]; a minute is heard with the source or without it, not both");
        return true;
    }

    bool ReadMark(const Json& given, const std::string& key, std::vector<Mark>& marks) {
        if (!given.is_object())
            return Expected(key, "a mark {\"kind\", \"from\", \"to\", \"reason\"}", given);
        Mark mark;
        const Json& kind = At(given, "kind");
        if (!kind.is_null()) {
            std::optional<MarkKind> known;
            for (const MarkKind each : {MarkKind::Exclude, MarkKind::Source, MarkKind::Residual})
                if (kind == MarkKindName(each))
                    known = each;
            if (!known)
                return Expected(key + ".kind", "exclude, source or residual", kind);
            mark.kind = *known;
        }
        std::optional<Minute> from;
        std::optional<Minute> to;
        for (const char* end : {"from", "to"})
            if (given.find(end) == given.end())
                return Wrong(key + "." + end, "is missing: a mark needs its from and its to");
        if (!MarkEnd(At(given, "from"), key + ".from", from) ||
            !MarkEnd(At(given, "to"), key + ".to", to))
            return false;
        if (*from >= *to)
            return Wrong(key + ".to", Shown(At(given, "to")) + " must be after its from " +
                                          Shown(At(given, "from")));
        mark.interval = {*from, *to};
        const Json& reason = At(given, "reason");
        if (!reason.is_null() && !reason.is_string())
            return Expected(key + ".reason", "a text", reason);
        if (reason.is_string())
            mark.reason = reason.get<std::string>();
        marks.push_back(std::move(mark));
        return true;
    }

    std::string path_;
    std::string error_;
};

} // namespace

AnalysisFileRead ParseAnalysisFile(std::string_view bytes, const std::string& path) {
    return DocumentReader(path).Read(bytes);
}

AnalysisFileRead ReadAnalysisFile(const std::string& path) {
    const FileRead file = ReadWholeFile(path);
    if (file.failure) {
        AnalysisFileRead read;
        read.error = path + ": " + file.failure->reason;
        return read;
    }
    AnalysisFileRead read = ParseAnalysisFile(file.bytes, path);
    if (!read.document)
        read.error = path + ": " + read.error;
    return read;
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
