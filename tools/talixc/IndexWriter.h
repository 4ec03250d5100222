#pragma once
// The index file of a catalogue, built from its records as stored (record N is fiches[N-1]).
// Four sections, in this order, every line ended by CR LF:
//  - designations: "KEY FAMILY RECORDCC", one per designation field (CC its column, 01 afnor
//    ... 07 nature ... 12 des5, two digits) whose designation key is not empty, sorted by
//    key bytes, then record, then column;
//  - hardness: "dur VALUE FAMILY RECORD00", one per condition row 1 or 2 holding a hardness;
//  - yield: "ela VALUE FAMILY RECORD00", one per condition row 1 or 2 holding an Rp0.2;
//    both sorted by value, then family, then record; a line equal to the one before it
//    (the same value in both rows of a grade) is written once;
//  - tensile: "res MIN MAX FAMILY RECORD00", one per grade holding an Rm in row 1 or 2,
//    spanning its smallest and largest Rm; sorted by min, then max, then record.

#include <cstddef>
#include <string>
#include <vector>

#include "database/Fiche.h"

namespace talixc {

struct IndexLines {
    std::vector<std::string> designations;
    std::vector<std::string> hardness;
    std::vector<std::string> yield;
    std::vector<std::string> tensile;
};

IndexLines BuildIndex(const std::vector<talix::Fiche>& fiches);

// The file's bytes: every line of the four sections, in order, each followed by CR LF.
std::string IndexText(const IndexLines& lines);

} // namespace talixc
