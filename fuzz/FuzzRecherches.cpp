// The four searches and both steps, in arbitrary sequences, over an arbitrary index file and
// an arbitrary base file, through the engine's application object with the recording
// windows. Besides "no crash": every step and search ends (the fuzzer's time limit), a
// shown record lies within the base unless the database error window came up, and
// LigneCourante names a line that exists.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "SystemeMemoire.h"
#include "session/Enregistreurs.h"
#include "session/Session.h"

using namespace talix;

namespace {

// The number of lines the index reader sees in `contenu`.
std::int32_t LignesDe(fuzz::SystemeMemoire& systeme) {
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    lecteur.Associer("/mem/Talixind");
    lecteur.Reinitialiser();
    std::int32_t n = 0;
    std::string ligne;
    while (lecteur.EstOuvert() && !lecteur.FinDeFichier()) {
        lecteur.LireLigne(ligne);
        ++n;
    }
    return n;
}

constexpr std::int32_t Familles[] = {-1, 100, 200, 400, 500, 600, 700, 800};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider entree(donnees, taille);
    fuzz::SystemeMemoire systeme;
    if (entree.ConsumeBool()) {
        systeme.fichiers["/mem/Talixind"] = entree.ConsumeRandomLengthString(6000);
    }
    const std::string base = entree.ConsumeRandomLengthString(6000);
    systeme.fichiers["/mem/Talix"] = base;
    const std::int32_t fiches = static_cast<std::int32_t>(base.size() / 725);
    const std::int32_t lignes = LignesDe(systeme);

    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Session session(systeme, fenetres, documents, "/mem");
    session.rapport.RepertoireProgramme = "/mem";
    session.Demarrer();
    session.MontrerMenu();
    std::string tolerance = "50";

    for (int commande = 0; commande < 24 && entree.remaining_bytes() > 0; ++commande) {
        if (session.Terminee()) {
            break;
        }
        switch (entree.ConsumeIntegralInRange(0, 8)) {
        case 0: case 1: case 2: case 3: {
            const std::int32_t type = entree.ConsumeIntegralInRange(0, 3);
            session.Choisir(type);
            session.LancerRecherche(type, entree.ConsumeRandomLengthString(40), tolerance);
            break;
        }
        case 4: session.EtapeSuivante(); break;
        case 5: session.EtapePrecedente(); break;
        case 6: session.ChoisirFamille(entree.PickValueInArray(Familles)); break;
        case 7: session.RetourMenu(); session.MontrerMenu(); break;
        case 8: tolerance = entree.ConsumeRandomLengthString(8); break;
        }
        const std::int32_t ligne = session.recherche.LigneCourante;
        if (ligne < 0 || ligne > std::max(1, lignes)) std::abort();
        if (session.base.NumFicheCourante > fiches && !session.Terminee()) std::abort();
        if (session.recherche.DeplacementEnCours) std::abort();
        const std::int32_t famille = session.recherche.FamilleChoisie;
        bool familleConnue = false;
        for (std::int32_t f : Familles) familleConnue |= f == famille;
        if (!familleConnue) std::abort();
    }
    return 0;
}
