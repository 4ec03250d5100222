#pragma once
// Counts of a compiled catalogue, per family and in all: grades, index lines of each
// section (of the designation lines, those that name a kind of material), and the share of grades with a condition row holding both Rm and Rp0.2.

#include <map>
#include <string>

#include "Compiler.h"

namespace talixc {

struct FamilyStats {
    long grades = 0;
    long designations = 0;
    long natures = 0; // designation lines of the nature column
    long hardness = 0;
    long yield = 0;
    long tensile = 0;
    long rmAndRp = 0; // grades with a row holding both
    bool operator==(const FamilyStats&) const = default;
};

// Per family code, from the records and the index lines.
std::map<int, FamilyStats> ComputeStats(const Catalogue& catalogue);

// A table with one line per family and a total line.
std::string StatsText(const Catalogue& catalogue);

} // namespace talixc
