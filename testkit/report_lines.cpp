#include "testkit/report_lines.h"

#include <cstring>

namespace vrd::testkit {
namespace {

// Columns 1..18: "dd/mm/yyyy - hh:mm".
void WriteStamp(const DateTime& time, char* out) {
    WriteDate(time, out);
    std::memcpy(out + 10, " - ", 3);
    WriteTime(time, out + 13);
}

// Three characters, right-aligned with blanks.
void WriteLevel(int level, char* out) {
    out[0] = level >= 100 ? static_cast<char>('0' + level / 100 % 10) : ' ';
    out[1] = level >= 10 ? static_cast<char>('0' + level / 10 % 10) : ' ';
    out[2] = static_cast<char>('0' + level % 10);
}

} // namespace

void WriteLevelRecord(const DateTime& time, int level, char* out) {
    WriteStamp(time, out);
    std::memcpy(out + 18, "    Leq <     dBA", 17);
    WriteLevel(level, out + 28);
}

void WriteGapRecord(const DateTime& time, char* out) {
    WriteStamp(time, out);
    std::memcpy(out + 18, "              dBA", 17);
}

std::size_t WriteEventRecord(const DateTime& time, int max_level, std::int64_t duration_minutes,
                             char* out) {
    WriteStamp(time, out);
    std::memcpy(out + 18, "    Max >     dBA  duration ", 28);
    WriteLevel(max_level, out + 28);
    std::size_t length = 46;
    // Hours take as many digits as they need, at least two.
    const std::int64_t hours = duration_minutes / 60;
    char digits[20];
    int count = 0;
    for (std::int64_t rest = hours; rest > 0 || count < 2; rest /= 10)
        digits[count++] = static_cast<char>('0' + rest % 10);
    while (count > 0)
        out[length++] = digits[--count];
    const auto minutes = static_cast<int>(duration_minutes % 60);
    out[length++] = ':';
    out[length++] = static_cast<char>('0' + minutes / 10);
    out[length++] = static_cast<char>('0' + minutes % 10);
    return length;
}

} // namespace vrd::testkit
