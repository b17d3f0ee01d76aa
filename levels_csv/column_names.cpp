#include "levels_csv/column_names.h"

#include <vector>

namespace vrd {

namespace {

enum class Weighting { None, A, Other };

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// The words of a folded header: runs of letters and digits, with a point or slash between two
// digits kept ("1/1", "31.5", "90.0").
std::vector<std::string_view> Words(std::string_view folded) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    const std::size_t n = folded.size();
    while (i < n) {
        if (!IsLetter(folded[i]) && !IsDigit(folded[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < n && (IsLetter(folded[i]) || IsDigit(folded[i]) ||
                         ((folded[i] == '.' || folded[i] == '/') && i + 1 < n &&
                          IsDigit(folded[i - 1]) && IsDigit(folded[i + 1]))))
            ++i;
        words.push_back(folded.substr(start, i - start));
    }
    return words;
}

bool EndsWith(std::string_view word, std::string_view end) {
    return word.size() >= end.size() && word.substr(word.size() - end.size()) == end;
}

bool AllDigits(std::string_view word) {
    for (const char c : word) {
        if (!IsDigit(c) && c != '.' && c != '/')
            return false;
    }
    return !word.empty();
}

// A word that says the column holds something other than a broadband level over time: a band, a
// maximum, a peak, an exposure.
bool IsExcludingWord(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "max",     "min",  "peak",  "pk",   "sel",   "lae", "hz",  "khz",      "oct",  "octave",
        "octaves", "band", "bands", "terz", "third", "1/1", "1/3", "spectrum", "freq", "frequency"};
    for (const std::string_view excluding : kWords) {
        if (word == excluding)
            return true;
    }
    if (EndsWith(word, "hz"))
        return true;
    // "1k", "1.25k": a band by its centre in kHz.
    if (word.size() >= 2 && word.back() == 'k' && AllDigits(word.substr(0, word.size() - 1)))
        return true;
    // A number of 10 or more alone is a band's centre frequency ("LAeq 63"); "1s" and "1" are not.
    return AllDigits(word) && word.find('/') == std::string_view::npos && word.size() >= 2 &&
           word[0] != '0';
}

// A weighting written as a word of its own: "a", "dba", "c", "dbc", "z", "dbz", "lin".
Weighting WeightingWord(std::string_view word) {
    if (word == "a" || word == "dba")
        return Weighting::A;
    if (word == "c" || word == "dbc" || word == "z" || word == "dbz" || word == "lin" ||
        word == "linear" || word == "flat" || word == "b" || word == "dbb")
        return Weighting::Other;
    return Weighting::None;
}

bool IsTimeUnit(std::string_view word) {
    return word == "ms" || word == "s" || word == "sec" || word == "m" || word == "min" ||
           word == "h";
}

// What follows "eq" in a word such as "laeq1s" or "laeqt": an integration time, or nothing.
bool IsIntegrationSuffix(std::string_view rest) {
    if (rest.empty() || rest == "t")
        return true;
    std::size_t i = 0;
    while (i < rest.size() && (IsDigit(rest[i]) || rest[i] == '.'))
        ++i;
    if (i == 0)
        return false;
    return IsTimeUnit(rest.substr(i));
}

struct LevelWord {
    bool found = false;
    LevelQuantity quantity = LevelQuantity::Leq;
    Weighting weighting = Weighting::None;
};

// Reads a word such as "laeq", "lceq", "leq", "la90", "laf90", "l90.0"; found is false for any
// other word, maxima ("lafmax") and exposure ("lae") among them.
LevelWord ReadLevelWord(std::string_view word) {
    LevelWord level;
    if (word.size() < 2 || word[0] != 'l')
        return level;
    std::size_t i = 1;
    if (word[i] == 'a') {
        level.weighting = Weighting::A;
        ++i;
    } else if (word[i] == 'c' || word[i] == 'z' || word[i] == 'b') {
        level.weighting = Weighting::Other;
        ++i;
    }
    // The time weighting fast or slow says nothing about the quantity; impulse does.
    if (i < word.size() && (word[i] == 'f' || word[i] == 's'))
        ++i;
    const std::string_view rest = word.substr(i);
    if (rest.substr(0, 2) == "eq" && IsIntegrationSuffix(rest.substr(2))) {
        level.found = true;
        level.quantity = LevelQuantity::Leq;
        return level;
    }
    std::size_t digits = 0;
    while (digits < rest.size() && IsDigit(rest[digits]))
        ++digits;
    if (digits == 0 || digits > 2)
        return level;
    std::string_view after = rest.substr(digits);
    // "l90.0": a fraction of zeros.
    if (!after.empty() && after[0] == '.') {
        std::size_t zeros = 1;
        while (zeros < after.size() && after[zeros] == '0')
            ++zeros;
        if (zeros == 1)
            return level;
        after.remove_prefix(zeros);
    }
    if (rest.substr(0, digits) == "90" && IsIntegrationSuffix(after)) {
        level.found = true;
        level.quantity = LevelQuantity::L90;
    }
    return level;
}

} // namespace

int HeaderFit(std::string_view foldedHeader, LevelQuantity quantity) {
    const std::vector<std::string_view> words = Words(foldedHeader);
    LevelWord level;
    Weighting apart = Weighting::None;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        // "1 min", "10 s": an integration time, not a band nor a minimum.
        if (AllDigits(word) && i + 1 < words.size() && IsTimeUnit(words[i + 1])) {
            ++i;
            continue;
        }
        if (IsExcludingWord(word))
            return 0;
        const LevelWord read = ReadLevelWord(word);
        if (read.found) {
            if (level.found)
                return 0; // two levels in one header: which is meant is not ours to guess
            level = read;
            continue;
        }
        const Weighting weighting = WeightingWord(word);
        if (weighting != Weighting::None)
            apart = weighting;
    }
    if (!level.found || level.quantity != quantity)
        return 0;
    Weighting weighting = level.weighting;
    if (weighting == Weighting::None)
        weighting = apart;
    else if (apart != Weighting::None && apart != weighting)
        return 0;
    if (weighting == Weighting::A)
        return 2;
    return weighting == Weighting::None ? 1 : 0;
}

std::string HeaderKey(std::string_view foldedHeader) {
    std::string key;
    for (const std::string_view word : Words(foldedHeader)) {
        if (!key.empty())
            key.push_back(' ');
        key.append(word);
    }
    return key;
}

} // namespace vrd
