#include "tools/vrdtool/marks_options.h"

#include <charconv>
#include <system_error>

namespace vrd {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A whole number of minutes from lowest, or nullopt.
std::optional<Minute> WholeMinutes(const std::string& text, Minute lowest) {
    Minute value = 0;
    const std::from_chars_result read =
        std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || read.ec != std::errc() || read.ptr != text.data() + text.size() ||
        value < lowest)
        return std::nullopt;
    return value;
}

} // namespace

MarksRequestRead ReadMarksArguments(const MarksArguments& arguments) {
    MarksRequestRead read;
    AnalysisRequestRead analysis = ReadAnalysisArguments(arguments);
    if (!analysis.request) {
        read.error = std::move(analysis.error);
        return read;
    }
    MarksRequest request;
    static_cast<AnalysisRequest&>(request) = std::move(*analysis.request);
    RunMarking& marking = request.marking;
    if (arguments.above.empty()) {
        read.error = "--above: is required: the level in dB that the marked minutes are above";
        return read;
    }
    const std::optional<double> above = OptionNumber(arguments.above);
    if (!above) {
        read.error =
            "--above: expects a level in dB such as 65 or 62.5, not " + Quoted(arguments.above);
        return read;
    }
    marking.threshold = *above;
    if (!arguments.minMinutes.empty()) {
        const std::optional<Minute> minutes = WholeMinutes(arguments.minMinutes, 1);
        if (!minutes) {
            read.error = "--min-minutes: expects a whole number of minutes from 1, the shortest "
                         "mark kept, not " +
                         Quoted(arguments.minMinutes);
            return read;
        }
        marking.minMinutes = *minutes;
    }
    if (!arguments.joinMinutes.empty()) {
        const std::optional<Minute> minutes = WholeMinutes(arguments.joinMinutes, 0);
        if (!minutes) {
            read.error = "--join-minutes: expects a whole number of minutes from 0, the most "
                         "between two runs that are joined, not " +
                         Quoted(arguments.joinMinutes);
            return read;
        }
        marking.joinMinutes = *minutes;
    }
    if (arguments.kind == "exclude")
        marking.kind = MarkKind::Exclude;
    else if (arguments.kind == "residual")
        marking.kind = MarkKind::Residual;
    else if (!arguments.kind.empty() && arguments.kind != "source") {
        read.error = "--kind: expects source, residual or exclude, not " + Quoted(arguments.kind);
        return read;
    }
    read.request = std::move(request);
    return read;
}

} // namespace vrd
