#include "tools/vrdtool/json_text.h"

#include <charconv>
#include <cmath>

namespace vrd {

void JsonText::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!empty_.empty()) {
        if (!empty_.back())
            out_ << ',';
        empty_.back() = false;
    }
}

void JsonText::Open(char bracket) {
    BeforeValue();
    out_ << bracket;
    empty_.push_back(true);
}

void JsonText::Close(char bracket) {
    empty_.pop_back();
    out_ << bracket;
}

void JsonText::Key(std::string_view name) {
    String(name);
    out_ << ':';
    afterKey_ = true;
}

void JsonText::String(std::string_view bytes) {
    BeforeValue();
    static constexpr char kHex[] = "0123456789abcdef";
    out_ << '"';
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out_ << '\\' << c;
        } else if (byte == '\n') {
            out_ << "\\n";
        } else if (byte == '\r') {
            out_ << "\\r";
        } else if (byte == '\t') {
            out_ << "\\t";
        } else if (byte < 0x20) {
            out_ << "\\u00" << kHex[byte >> 4] << kHex[byte & 0xF];
        } else if (byte >= 0x80) {
            out_ << static_cast<char>(0xC0 | (byte >> 6))
                 << static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            out_ << c;
        }
    }
    out_ << '"';
}

void JsonText::Number(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    out_.write(text, end.ptr - text);
}

void JsonText::Integer(std::int64_t value) {
    BeforeValue();
    out_ << value;
}

void JsonText::Bool(bool value) {
    BeforeValue();
    out_ << (value ? "true" : "false");
}

void JsonText::Null() {
    BeforeValue();
    out_ << "null";
}

} // namespace vrd
