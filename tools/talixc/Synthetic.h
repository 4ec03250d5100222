#pragma once
// Synthetic catalogues for benchmarks and tests: `count` grades with `designations`
// designation fields each (3 to 12, the nature being one), made deterministically from `seed`.
// Keys look like real ones (X5CrNi18-10, 1.4301, S30400...), Werkstoff and UNS numbers are
// unique, families are spread over the seven codes and property values over their usual
// ranges. Besides the nature, the designations fill afnor, werkstoff, din, aisi, uns, bs,
// des1 ... des5 in this order, so the index has count x designations designation lines.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Grade.h"

namespace talixc {

std::vector<Grade> SyntheticGrades(std::size_t count, std::size_t designations, std::uint64_t seed);

} // namespace talixc
