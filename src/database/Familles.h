#pragma once
// The alloy families: their codes and the labels the menus, the sheets and the report show.

#include <cstdint>

namespace talix {

inline constexpr std::int32_t TousAlliages = -1;

// The label of a family code: "All alloys" for -1, "Norme" for 0, the seven family
// labels for 100 ... 800; nullptr for any other code.
const char* LibelleFamille(std::int32_t code);

} // namespace talix
