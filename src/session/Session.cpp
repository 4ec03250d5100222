#include "session/Session.h"

#include "database/Familles.h"

namespace talix {

namespace {

// Runs one operation; a routine that had to end the program at once has already asked
// for the end, so there is nothing more to do here.
template <class Operation> void Proteger(Operation&& operation) {
    try {
        operation();
    } catch (const ArretImmediat&) {
    }
}

} // namespace

Session::Session(SystemeFichiers& systeme, Fenetres& fenetres, ServiceDocuments& documents,
                 std::string repertoireDonnees)
    : base(systeme, fenetres, std::move(repertoireDonnees)), recherche(base, feuilles),
      rapport(base, documents) {}

void Session::Demarrer() {
    Proteger([&] {
        base.OuvrirFichiers();
        recherche.DeplacementEnCours = false;
    });
}

void Session::MontrerMenu() { recherche.FamilleChoisie = TousAlliages; }

void Session::ChoisirFamille(std::int32_t code) { recherche.FamilleChoisie = code; }

std::optional<std::string> Session::AfficherFamille() {
    if (const char* libelle = LibelleFamille(recherche.FamilleChoisie)) {
        return std::string(libelle);
    }
    Proteger([&] { base.MontrerErreurGenerale(); });
    return std::nullopt;
}

void Session::Choisir(std::int32_t typeRecherche) {
    recherche.TypeRecherche = typeRecherche;
    feuilles.ValeurReference = -1;
}

void Session::LancerRecherche(std::int32_t typeRecherche, const std::string& texte,
                              const std::string& tolerance) {
    Proteger([&] {
        switch (typeRecherche) {
        case 0: recherche.RechercheDesignation(texte); break;
        case 1: recherche.RechercheDurete(texte); break;
        case 2: recherche.RechercheResistance(texte, tolerance); break;
        case 3: recherche.RechercheElasticite(texte); break;
        default: break;
        }
    });
}

void Session::EtapePrecedente() {
    // A step can only be running here through a modal window opened by that step; the
    // wait is bounded, then the step goes ahead anyway.
    Proteger([&] { recherche.NuancePrecedente(recherche.TypeRecherche); });
}

void Session::EtapeSuivante() {
    Proteger([&] { recherche.NuanceSuivante(recherche.TypeRecherche); });
}

void Session::RetourMenu() { base.FicheCourante = FicheBlanche(); }

void Session::Annoter() {
    Proteger([&] { rapport.AnnoterFiche(base.FicheCourante, base.NumFicheCourante); });
}

void Session::Imprimer() {
    Proteger([&] { rapport.ImprimerFiche(base.FicheCourante, base.NumFicheCourante); });
}

void Session::Quitter() {
    Proteger([&] { base.QuitterApplication(); });
}

} // namespace talix
