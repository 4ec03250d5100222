#pragma once
// The catalogue rules: what a grade must satisfy before it goes into the base file, and
// what the whole catalogue must satisfy (no Werkstoff or UNS number twice). Every breach
// becomes a diagnostic naming file, grade and field; nothing is corrected.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Grade.h"

namespace talixc {

// The kinds of material a nature must be one of (UTF-8, one entry per line).
using Kinds = std::set<std::string>;

// Reads a kinds file's text: one entry per line, trailing blanks and CR dropped, empty
// lines skipped.
Kinds ParseKinds(const std::string& text);

// The plausible density range of a family, g/cm3, both ends included.
struct DensityRange {
    double low;
    double high;
};
std::optional<DensityRange> DensityRangeOf(int family);

// The Windows-1252 form of a source text, or the reason it cannot be stored: a character
// outside Windows-1252, one whose byte the stored code page uses for another character
// (0x81 0x82 0x84 0x85 0x87 0x88 0x89 0x8A 0x8B 0x8C 0x93 0x94 0x96 0x97 0x99 0x9A 0x9C
// 0xBA 0xF8), 0xFF, or a control character.
struct StoredText {
    std::string bytes;  // valid when `problem` is empty
    std::string problem;
};
StoredText ToStored(const std::string& utf8);

// Appends to `out` every breach of the rules by `grades` (in their order, then the
// catalogue-wide ones). `kinds` null: natures are not checked against a list.
void Validate(const std::vector<Grade>& grades, const Kinds* kinds, std::vector<Diagnostic>& out);

} // namespace talixc
