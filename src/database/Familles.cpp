#include "database/Familles.h"

namespace talix {

const char* LibelleFamille(std::int32_t code) {
    switch (code) {
    case -1: return "All alloys";
    case 0: return "Norme";
    case 100: return "Alloyed, carbon steels";
    case 200: return "Stainless steels";
    case 400: return "Based nickel,cobalt,iron";
    case 500: return "Aluminiums, magnesiums";
    case 600: return "Copperous";
    case 700: return "Titaniums";
    case 800: return "Specials (Zn,Mo,W,Nb...)";
    default: return nullptr;
    }
}

} // namespace talix
