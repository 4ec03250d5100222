// AnalyserLigne on arbitrary lines, tolerances and searched values.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "SystemeMemoire.h"
#include "search/Recherche.h"
#include "session/Enregistreurs.h"

using namespace talix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < 8) {
        return 0;
    }
    std::int32_t t = 0;
    std::int32_t v = 0;
    std::memcpy(&t, donnees, 4);
    std::memcpy(&v, donnees + 4, 4);
    const std::string ligne(reinterpret_cast<const char*>(donnees) + 8,
                            std::min<std::size_t>(taille - 8, 255));
    fuzz::SystemeMemoire systeme;
    FenetresEnregistreuses fenetres;
    Base base(systeme, fenetres, "/mem");
    Feuilles feuilles;
    Recherche recherche(base, feuilles);
    EntreeIndex entree;
    const bool correspond = recherche.AnalyserLigne(ligne, t, v, entree);
    // Only a tensile line can match; a designation is cut to 35 characters; the only window
    // a line can bring up is the database error window.
    if (correspond && !EstLigneResistance(ligne)) std::abort();
    if (entree.Mot.size() > 35) std::abort();
    for (const auto& m : fenetres.montrees) {
        if (m.fenetre != Fenetre::TErreurBase1) std::abort();
    }
    return 0;
}
