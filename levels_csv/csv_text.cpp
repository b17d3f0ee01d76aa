#include "levels_csv/csv_text.h"

#include <cstdint>
#include <cstring>

namespace vrd {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

unsigned char Byte(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence that starts with lead, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Whether the second byte of a sequence is allowed after its lead: no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
    if (lead == 0xE0)
        return second >= 0xA0;
    if (lead == 0xED)
        return second < 0xA0;
    if (lead == 0xF0)
        return second >= 0x90;
    if (lead == 0xF4)
        return second < 0x90;
    return true;
}

void AppendCodePoint(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// The letters of U+00C0..U+00FF without their accents; "" for the signs among them.
const char* Unaccented(std::uint32_t code) {
    static constexpr const char* kLetters[64] = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
    if (code >= 0xC0 && code <= 0xFF)
        return kLetters[code - 0xC0];
    if (code == 0x152 || code == 0x153)
        return "oe";
    return "";
}

void AppendFolded(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        const char c = static_cast<char>(code);
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        return;
    }
    const char* letters = Unaccented(code);
    out.append(*letters != '\0' ? letters : " ");
}

} // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    return HasByteOrderMark(bytes) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

bool HasByteOrderMark(std::string_view bytes) {
    return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
}

bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.size() >= 2 && ((Byte(bytes, 0) == 0xFF && Byte(bytes, 1) == 0xFE) ||
                              (Byte(bytes, 0) == 0xFE && Byte(bytes, 1) == 0xFF)))
        return true;
    const std::string_view start = bytes.substr(0, 64);
    return start.find('\0') != std::string_view::npos;
}

bool IsValidUtf8(std::string_view bytes, bool cutAtEnd) {
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // Most of a file is ASCII: eight bytes at a time while none has its high bit set.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & 0x8080808080808080ULL) != 0)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        const unsigned char lead = Byte(bytes, i);
        const std::size_t length = SequenceLength(lead);
        if (length == 0)
            return false;
        if (length == 1) {
            ++i;
            continue;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= n)
                return cutAtEnd;
            const unsigned char next = Byte(bytes, i + k);
            if (!IsContinuation(next) || (k == 1 && !SecondByteFits(lead, next)))
                return false;
        }
        i += length;
    }
    return true;
}

CsvEncoding EncodingOf(std::string_view bytes, bool cutAtEnd) {
    return IsValidUtf8(bytes, cutAtEnd) ? CsvEncoding::Utf8 : CsvEncoding::Latin1;
}

std::string ToUtf8(std::string_view text, CsvEncoding encoding, std::size_t maxBytes) {
    std::string out;
    if (encoding == CsvEncoding::Latin1) {
        const std::string_view taken = text.substr(0, maxBytes);
        out.reserve(taken.size());
        for (const char c : taken)
            AppendCodePoint(out, static_cast<unsigned char>(c));
        return out;
    }
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuation(Byte(text, end)))
        --end;
    return std::string(text.substr(0, end));
}

std::string FoldHeader(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = Byte(utf8, i);
        const std::size_t length = SequenceLength(lead);
        if (length <= 1 || i + length > utf8.size()) {
            AppendFolded(out, length == 1 ? lead : 0xFFFD);
            ++i;
            continue;
        }
        std::uint32_t code = lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            code = code << 6 | (Byte(utf8, i + k) & 0x3F);
        AppendFolded(out, code);
        i += length;
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(start, end - start);
}

bool FieldReader::Next(RawField& field) {
    if (done_)
        return false;
    const std::size_t n = record_.size();
    const char* data = record_.data();
    std::size_t start = position_;
    // Blanks before an opening quote belong to no field's text.
    while (start < n && data[start] == ' ')
        ++start;
    if (start < n && data[start] == '"') {
        field.escaped = false;
        std::size_t at = start + 1;
        for (;;) {
            const void* quote = at < n ? std::memchr(data + at, '"', n - at) : nullptr;
            if (quote == nullptr) {
                field.text = record_.substr(start + 1);
                done_ = true;
                return true;
            }
            const auto q = static_cast<std::size_t>(static_cast<const char*>(quote) - data);
            if (q + 1 < n && data[q + 1] == '"') {
                field.escaped = true;
                at = q + 2;
                continue;
            }
            field.text = record_.substr(start + 1, q - start - 1);
            // What follows the closing quote up to the separator is not part of the field.
            const void* next =
                q + 1 < n ? std::memchr(data + q + 1, separator_, n - q - 1) : nullptr;
            if (next == nullptr) {
                done_ = true;
            } else {
                position_ = static_cast<std::size_t>(static_cast<const char*>(next) - data) + 1;
            }
            return true;
        }
    }
    field.escaped = false;
    const void* next =
        position_ < n ? std::memchr(data + position_, separator_, n - position_) : nullptr;
    if (next == nullptr) {
        field.text = record_.substr(position_);
        done_ = true;
        return true;
    }
    const auto end = static_cast<std::size_t>(static_cast<const char*>(next) - data);
    field.text = record_.substr(position_, end - position_);
    position_ = end + 1;
    return true;
}

std::string_view FieldText(const RawField& field, std::string& buffer) {
    if (!field.escaped)
        return field.text;
    buffer.clear();
    for (std::size_t i = 0; i < field.text.size(); ++i) {
        buffer.push_back(field.text[i]);
        if (field.text[i] == '"' && i + 1 < field.text.size() && field.text[i + 1] == '"')
            ++i;
    }
    return buffer;
}

std::size_t CountFields(std::string_view record, char separator) {
    FieldReader reader(record, separator);
    RawField field;
    std::size_t count = 0;
    while (reader.Next(field))
        ++count;
    return count;
}

std::size_t LineEnd(std::string_view text, std::size_t start) {
    if (start >= text.size())
        return text.size();
    const void* feed = std::memchr(text.data() + start, '\n', text.size() - start);
    return feed == nullptr ? text.size()
                           : static_cast<std::size_t>(static_cast<const char*>(feed) - text.data());
}

std::string_view LineAt(std::string_view text, std::size_t start, std::size_t end) {
    if (end > start && text[end - 1] == '\r')
        --end;
    return text.substr(start, end - start);
}

} // namespace vrd
