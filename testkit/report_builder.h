#pragma once
// Small reports for tests, record by record: the core tests and the Qt tests build them alike.

#include <string>

namespace vrd::test {

// A level record of the devices: "12/05/2011 - 17:08    Leq <  60 dBA" and a line feed, with the
// level right-aligned in three characters.
inline std::string LevelRecord(const std::string& time, const std::string& level,
                               const std::string& date = "12/05/2011") {
    std::string padded = std::string(level.size() < 3 ? 3 - level.size() : 0, ' ') + level;
    return date + " - " + time + "    Leq < " + padded + " dBA\n";
}

// A minute without a level: blanks where the record kind and the level stand.
inline std::string GapRecord(const std::string& time, const std::string& date = "12/05/2011") {
    return date + " - " + time + "              dBA\n";
}

inline std::string Line(const std::string& text) {
    return text + "\n";
}

} // namespace vrd::test
