#pragma once
// From a checked grade to the alloy record that the base file stores, and the layout of
// each field:
//  - texts left-aligned, padded with blanks; the display texts (designations, nature,
//    comment) in the stored code page (é as 0x82, "|" as 0xBA...), the others in
//    Windows-1252; the density as written ("7.90 "); Reserve blank;
//  - composition bounds as six characters with three decimals and no leading zero
//    ("18.500", " 2.000", "  .030"), an absent bound as "  .000";
//  - numbers right-aligned in their field ("200", " 500", "45"), 0 as a blank field.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Grade.h"
#include "database/Fiche.h"

namespace talixc {

// "18.500", " 2.000", "  .030", "  .000" (0 and absent). `percent` is below 100 with at
// most three decimals.
std::string FormatAmount(double percent);

// `value` right-aligned in `width`; 0 gives `width` blanks.
std::string FormatWhole(std::int64_t value, std::size_t width);

// The record of a grade that the validator accepted. Throws std::invalid_argument when a
// text cannot be stored (a grade that was not validated).
talix::Fiche ToFiche(const Grade& grade);

} // namespace talixc
