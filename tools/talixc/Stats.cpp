#include "Stats.h"

#include <cstdio>
#include <sstream>

#include "texte/Caracteres.h"

namespace talixc {

namespace {

// The family code of an index line: its word number `word` (0-based).
int FamilyOfLine(const std::string& line, int word) {
    std::istringstream words(line);
    std::string w;
    for (int i = 0; i <= word && (words >> w); ++i) {
    }
    return talix::EntierOuZero(w);
}

std::string Row(const std::string& label, const FamilyStats& s) {
    char text[160];
    const double share = s.grades == 0 ? 0.0 : 100.0 * static_cast<double>(s.rmAndRp) /
                                                   static_cast<double>(s.grades);
    std::snprintf(text, sizeof text, "%-7s %7ld %13ld %8ld %9ld %7ld %8ld %8.1f%%\n",
                  label.c_str(), s.grades, s.designations, s.natures, s.hardness, s.yield,
                  s.tensile, share);
    return text;
}

} // namespace

std::map<int, FamilyStats> ComputeStats(const Catalogue& catalogue) {
    std::map<int, FamilyStats> stats;
    for (const talix::Fiche& f : catalogue.fiches) {
        FamilyStats& s = stats[talix::EntierOuZero(f.Famille)];
        ++s.grades;
        for (const talix::EtatMeca& row : f.Meca) {
            const bool rm = talix::EntierOuZero(row.RmMin) > 0 || talix::EntierOuZero(row.RmMax) > 0;
            if (rm && talix::EntierOuZero(row.Rp02Min) > 0) {
                ++s.rmAndRp;
                break;
            }
        }
    }
    for (const std::string& line : catalogue.index.designations) {
        FamilyStats& s = stats[FamilyOfLine(line, 1)];
        ++s.designations;
        // The line ends with the record number and the two-digit column.
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "07") == 0) {
            ++s.natures;
        }
    }
    for (const std::string& line : catalogue.index.hardness) {
        ++stats[FamilyOfLine(line, 2)].hardness;
    }
    for (const std::string& line : catalogue.index.yield) {
        ++stats[FamilyOfLine(line, 2)].yield;
    }
    for (const std::string& line : catalogue.index.tensile) {
        ++stats[FamilyOfLine(line, 3)].tensile;
    }
    return stats;
}

std::string StatsText(const Catalogue& catalogue) {
    std::string text = "family   grades  designations  natures  hardness   yield  tensile  Rm+Rp0.2\n";
    FamilyStats total;
    for (const auto& [family, s] : ComputeStats(catalogue)) {
        text += Row(std::to_string(family), s);
        total.grades += s.grades;
        total.designations += s.designations;
        total.natures += s.natures;
        total.hardness += s.hardness;
        total.yield += s.yield;
        total.tensile += s.tensile;
        total.rmAndRp += s.rmAndRp;
    }
    return text + Row("all", total);
}

} // namespace talixc
