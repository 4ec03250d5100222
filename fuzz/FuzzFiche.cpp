// LireFiche, DecoderFiche, PublierFiche, AfficherFiche and EcrireFiche on arbitrary records.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "SystemeMemoire.h"
#include "report/Rapport.h"
#include "session/Enregistreurs.h"
#include "sheets/Feuilles.h"

using namespace talix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    fuzz::SystemeMemoire systeme;
    systeme.fichiers["/mem/Talix"] = std::string(reinterpret_cast<const char*>(donnees), taille);
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Base base(systeme, fenetres, "/mem");
    Feuilles feuilles;
    Rapport rapport(base, documents);
    rapport.RepertoireProgramme = "/mem";

    const std::int32_t fiches = static_cast<std::int32_t>(taille / TailleFicheBrute);
    for (std::int32_t n : {0, 1, fiches, fiches + 1}) {
        FenetresEnregistreuses fenetresN;
        Base baseN(systeme, fenetresN, "/mem");
        Fiche fiche = baseN.DecoderFiche(baseN.LireFiche(n));
        Fiche copie;
        baseN.PublierFiche(fiche, copie);
        for (std::int32_t type = 0; type < 4; ++type) {
            feuilles.AfficherFiche(fiche, "150", 6, type);
            feuilles.AfficherFiche(fiche, "", 13, type);
        }
        // A record beyond the end shows the database error window, and nothing else does.
        const bool erreur = !fenetresN.montrees.empty();
        if (erreur != (n > fiches)) std::abort();
        if (erreur && !baseN.FinDemandee()) std::abort();
        for (ChampFiche c : ChampsDe(fiche)) {
            if (c.texte->size() != c.capacite) std::abort();
        }
        if (LignesRapport(fiche).size() > 84) std::abort();
    }
    // The report of the last record read, written once and never rewritten.
    Base base2(systeme, fenetres, "/mem");
    Rapport rapport2(base2, documents);
    rapport2.RepertoireProgramme = "/mem";
    Fiche fiche = base2.DecoderFiche(base2.LireFiche(1));
    rapport2.AnnoterFiche(fiche, 1);
    const auto it = systeme.fichiers.find("/mem/Note/A1.txt");
    if (fiches >= 1) {
        if (it == systeme.fichiers.end()) std::abort();
        const std::string avant = it->second;
        systeme.fichiers["/mem/Note/A1.txt"] += "notes";
        rapport2.AnnoterFiche(fiche, 1);
        if (systeme.fichiers["/mem/Note/A1.txt"] != avant + "notes") std::abort();
    }
    if (systeme.Ouverts() != 0) std::abort(); // every file closed
    return 0;
}
