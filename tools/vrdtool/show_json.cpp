#include "tools/vrdtool/show_json.h"

#include "report/chart_data.h"

#include <charconv>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vrd {

namespace {

// Bytes that a JSON string cannot hold as they are: control characters, the quote and the
// backslash; and bytes above 127, which become two UTF-8 bytes.
bool NeedsCare(unsigned char byte) {
    return byte < 0x20 || byte == '"' || byte == '\\' || byte >= 0x80;
}

// How many bytes from data on need no care.
std::size_t PlainRun(const char* data, std::size_t n) {
    std::size_t i = 0;
#if defined(__SSE2__)
    // A signed comparison with the space catches the control characters and the bytes above 127.
    const __m128i space = _mm_set1_epi8(0x20);
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i care = _mm_or_si128(
            _mm_cmplt_epi8(bytes, space),
            _mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, backslash)));
        const int mask = _mm_movemask_epi8(care);
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; i < n; ++i)
        if (NeedsCare(static_cast<unsigned char>(data[i])))
            return i;
    return n;
}

// JSON text without indent, bytes above 127 as the UTF-8 of the Unicode character of the same
// value, gathered in a buffer and written out in large pieces.
class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;
    ~JsonWriter() { Flush(); }

    void Raw(std::string_view text) {
        if (text.empty())
            return;
        if (text.size() > kBufferSize - used_) {
            Flush();
            if (text.size() > kBufferSize) {
                out_.write(text.data(), static_cast<std::streamsize>(text.size()));
                return;
            }
        }
        std::memcpy(buffer_ + used_, text.data(), text.size());
        used_ += text.size();
    }

    void Raw(char c) {
        if (used_ == kBufferSize)
            Flush();
        buffer_[used_++] = c;
    }

    // A string of bytes, each the Unicode character of the same value.
    void Latin1String(std::string_view bytes) {
        Raw('"');
        std::size_t i = 0;
        while (i < bytes.size()) {
            const std::size_t run = PlainRun(bytes.data() + i, bytes.size() - i);
            Raw(bytes.substr(i, run));
            i += run;
            if (i == bytes.size())
                break;
            Special(static_cast<unsigned char>(bytes[i++]));
        }
        Raw('"');
    }

    void Key(std::string_view name) {
        Raw('"');
        Raw(name);
        Raw("\":");
    }

    void Integer(int value) {
        char digits[16];
        const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
        Raw(std::string_view(digits, static_cast<std::size_t>(end.ptr - digits)));
    }

    void Flush() {
        out_.write(buffer_, static_cast<std::streamsize>(used_));
        used_ = 0;
    }

  private:
    static constexpr std::size_t kBufferSize = 1 << 16;

    void Special(unsigned char byte) {
        if (byte >= 0x80) {
            Raw(static_cast<char>(0xC0 | (byte >> 6)));
            Raw(static_cast<char>(0x80 | (byte & 0x3F)));
            return;
        }
        switch (byte) {
        case '\b':
            return Raw("\\b");
        case '\t':
            return Raw("\\t");
        case '\n':
            return Raw("\\n");
        case '\f':
            return Raw("\\f");
        case '\r':
            return Raw("\\r");
        case '"':
            return Raw("\\\"");
        case '\\':
            return Raw("\\\\");
        default: {
            constexpr char kHex[] = "0123456789abcdef";
            const char escaped[6] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
            return Raw(std::string_view(escaped, sizeof escaped));
        }
        }
    }

    std::ostream& out_;
    char buffer_[kBufferSize];
    std::size_t used_ = 0;
};

void WriteList(JsonWriter& json, const OpenedReport& opened, ListId list) {
    json.Raw('[');
    const std::size_t count = opened.window.RowCount(list);
    for (std::size_t row = 0; row < count; ++row) {
        if (row > 0)
            json.Raw(',');
        json.Latin1String(opened.window.Row(opened.state.DecodedReport, list, row));
    }
    json.Raw(']');
}

} // namespace

void WriteShowJson(std::ostream& out, const std::string& file, const OpenedReport& opened) {
    JsonWriter json(out);
    json.Raw('{');
    json.Key("file");
    json.Latin1String(file);
    json.Raw(',');
    json.Key("report");
    json.Latin1String(opened.state.DecodedReport);
    json.Raw(',');
    json.Key("caption");
    json.Latin1String(opened.window.Caption());
    json.Raw(',');
    json.Key("site");
    json.Latin1String(opened.window.Label(LabelId::Name));
    json.Raw(',');
    json.Key("serial");
    json.Latin1String(opened.window.Label(LabelId::Serial));
    json.Raw(',');
    json.Key("lists");
    json.Raw('{');
    for (std::size_t i = 0; i < kAllLists.size(); ++i) {
        if (i > 0)
            json.Raw(',');
        json.Key(ListName(kAllLists[i]));
        WriteList(json, opened, kAllLists[i]);
    }
    json.Raw('}');
    json.Raw(',');
    json.Key("minute_lines");
    json.Latin1String(opened.state.MinuteLines);
    json.Raw(',');
    json.Key("leq5");
    json.Integer(opened.state.Running.Leq5);
    json.Raw(',');
    json.Key("leq10");
    json.Integer(opened.state.Running.Leq10);
    json.Raw(',');
    json.Key("chart");
    json.Raw('[');
    const std::vector<ChartRow> rows = BuildChartData(opened.state.MinuteLines);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        json.Raw(r > 0 ? ",[" : "[");
        json.Latin1String(rows[r].label);
        json.Raw(',');
        json.Latin1String(rows[r].level);
        json.Raw(']');
    }
    json.Raw(']');
    json.Raw(',');
    const std::optional<Failure>& failure = opened.outcome.failure;
    json.Key("error");
    if (failure)
        json.Latin1String(failure->reason);
    else
        json.Raw("null");
    json.Raw(',');
    json.Key("error_stage");
    if (failure)
        json.Latin1String(StageName(failure->stage));
    else
        json.Raw("null");
    json.Raw('}');
}

} // namespace vrd
