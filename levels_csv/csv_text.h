#pragma once
// The text of a CSV export: its encoding, its records and the fields of a record.
//
// A file is UTF-8 when its bytes are valid UTF-8 (a byte-order mark allowed), else Latin-1. A
// field that starts with a double quote runs to the next lone double quote, a doubled one inside
// standing for one (RFC 4180). The rows of levels are one line each: a quote left open at the end
// of a row's line closes there, so that one cut row cannot swallow the rows after it; only the
// header may hold line feeds inside quotes.

#include <cstddef>
#include <string>
#include <string_view>

namespace vrd {

enum class CsvEncoding { Utf8, Latin1 };

// Bytes without a leading UTF-8 byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view bytes);
bool HasByteOrderMark(std::string_view bytes);
// True for a UTF-16 byte-order mark, or a NUL among the first bytes as UTF-16 text has.
bool LooksLikeUtf16(std::string_view bytes);

// Whether bytes are valid UTF-8. With cutAtEnd, a sequence that the end of bytes cuts short is
// allowed, for the first bytes of a longer file.
bool IsValidUtf8(std::string_view bytes, bool cutAtEnd = false);
CsvEncoding EncodingOf(std::string_view bytes, bool cutAtEnd = false);

// text, in encoding, as UTF-8. At most maxBytes bytes of text are taken, never cutting a character
// of UTF-8 text.
std::string ToUtf8(std::string_view text, CsvEncoding encoding,
                   std::size_t maxBytes = std::string_view::npos);

// A header as it is compared: ASCII letters in lower case, the accented Latin letters without
// their accents (é e, œ oe, ß ss), other ASCII as it is and every other character a blank.
std::string FoldHeader(std::string_view utf8);

// text without blanks (spaces and tabs) at either end.
std::string_view TrimBlanks(std::string_view text);

// One field of a record: text is what lies between the quotes of a quoted field, with any doubled
// quotes still doubled (escaped is then true).
struct RawField {
    std::string_view text;
    bool escaped = false;
};

// The fields of one record in turn. An empty record has one empty field, and a separator at the
// end one more empty field.
class FieldReader {
  public:
    FieldReader(std::string_view record, char separator) : record_(record), separator_(separator) {}
    // The next field; false when there is none left.
    bool Next(RawField& field);

  private:
    std::string_view record_;
    char separator_;
    std::size_t position_ = 0;
    bool done_ = false;
};

// The text of field with its doubled quotes made single, in buffer when there were any.
std::string_view FieldText(const RawField& field, std::string& buffer);

// The number of fields of record at separator.
std::size_t CountFields(std::string_view record, char separator);

// The end of the line that starts at start in text (the position of its line feed, or text's
// size), and the line itself without its line feed and carriage return.
std::size_t LineEnd(std::string_view text, std::size_t start);
std::string_view LineAt(std::string_view text, std::size_t start, std::size_t end);

} // namespace vrd
