#pragma once
// What a column's header says it holds, read from the header folded (FoldHeader).
//
// A header names a level by one word such as "laeq", "lafeq", "la90", "laf90" or "l90": an L, an
// optional frequency weighting (a, c, z), an optional time weighting (f, s) and then "eq" for the
// equivalent level or a percentage for a statistical one, maybe followed by the integration time
// ("laeq,1s"). The weighting may also stand apart ("Leq A", "LEQ dB -A", "Leq(A)", "L90 dB(A)").
// Headers of frequency bands ("LAeq 63Hz", "Leq 1/1 63 Hz", "1k"), of maxima, minima, peaks and
// exposure levels, of impulse-weighted levels, and of C- or Z-weighted levels fit no column.

#include <string>
#include <string_view>

namespace vrd {

enum class LevelQuantity { Leq, L90 };

// How well header names quantity, A-weighted: 2 when it says A-weighted, 1 when it says no
// weighting at all, 0 when it names something else.
int HeaderFit(std::string_view foldedHeader, LevelQuantity quantity);

// The words of a folded header joined by single blanks, for comparing a chosen name with the
// headers: "LAeq (dB)" and "laeq db" have the same key.
std::string HeaderKey(std::string_view foldedHeader);

} // namespace vrd
