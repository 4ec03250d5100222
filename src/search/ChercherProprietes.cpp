// The property searches: maximum hardness (kind 1), tensile strength (kind 2) and
// minimum yield strength (kind 3). Their drivers and their scans of the index file.
//
// The hardness and yield scans share one routine; the points where they differ:
//   open check          hardness: VerifierES; yield: a raised failure
//   section, phase B    "dur" lines, up to "ela"; "ela" lines, up to "res"
//   found               hardness also asks, when the file goes on, that the last line read
//                       be a hardness line
//   end of the file     yield only: the stop line's own family, if selected, stands

#include <string_view>

#include "search/LigneGardee.h"
#include "search/Recherche.h"
#include "texte/Caracteres.h"

namespace talix {

namespace {

// A failure raised and caught inside one routine. Its text is never displayed.
struct EchecPropriete {
    const char* texte;
};

bool AvantDe(std::string_view a, std::string_view b) { return a.compare(b) < 0; }

// The digits of a box's text, the text read up to 255 characters.
std::string Chiffres(const std::string& texteSaisi) {
    std::string texte(std::string_view(texteSaisi).substr(0, CapaciteTexteCourt));
    std::string chiffres;
    GarderChiffres(texte, CapaciteTexteCourt, chiffres, CapaciteTexteCourt);
    return chiffres;
}

} // namespace

// --- Drivers ---

void Recherche::RechercheDurete(const std::string& texteSaisi) {
    const std::string valeur = Chiffres(texteSaisi);
    std::int32_t colonne = 0;
    const Fiche lue = ChercherFiche(1, valeur, std::string(), colonne);
    Fiche fiche = base_.DecoderFiche(lue);
    Fiche copie;
    base_.PublierFiche(fiche, copie);
    feuilles_.AfficherFiche(fiche, valeur, colonne, 1);
}

void Recherche::RechercheElasticite(const std::string& texteSaisi) {
    const std::string valeur = Chiffres(texteSaisi);
    std::int32_t colonne = 0;
    const Fiche lue = ChercherFiche(3, valeur, std::string(), colonne);
    Fiche fiche = base_.DecoderFiche(lue);
    Fiche copie;
    base_.PublierFiche(fiche, copie);
    feuilles_.AfficherFiche(fiche, valeur, colonne, 3);
}

void Recherche::RechercheResistance(const std::string& texteSaisi,
                                    const std::string& texteTolerance) {
    // The tolerance is what the user left in its box: an emptied box gives 0.
    const std::string valeur = Chiffres(texteSaisi);
    const std::string tolerance = Chiffres(texteTolerance);
    std::int32_t colonne = 0;
    const Fiche lue = ChercherFiche(2, valeur, tolerance, colonne);
    Fiche fiche = base_.DecoderFiche(lue);
    Fiche copie;
    base_.PublierFiche(fiche, copie);
    // The criterion row, not a designation field, is marked.
    feuilles_.AfficherFiche(fiche, valeur, 25, 2);
}

// --- Scans ---

void Recherche::ChercherDurete(const std::string& valeur, std::int32_t& numFiche,
                               std::int32_t& colonne) {
    ChercherValeur(1, valeur, numFiche, colonne);
}

void Recherche::ChercherElasticite(const std::string& valeur, std::int32_t& numFiche,
                                   std::int32_t& colonne) {
    ChercherValeur(3, valeur, numFiche, colonne);
}

void Recherche::ChercherValeur(std::int32_t type, const std::string& valeur,
                               std::int32_t& numFiche, std::int32_t& colonne) {
    const bool durete = type == 1;
    const auto section = durete ? EstLigneDurete : EstLigneElasticite;
    const std::string_view finSection = durete ? "ela" : "res";
    const std::int32_t v = EntierOuZero(valeur);

    EntreeIndex entree;
    entree.NumFiche = numFiche;
    entree.Colonne = colonne;
    std::string premiere;
    std::string ancre;
    std::int32_t numAncre = 1;
    std::string_view derniere; // a view into the reader or `ancre`, valid until the next read
    LigneGardee selection;
    std::int32_t numSelection = 0;
    // Reparses a replacement line so that the entry holds its record and column.
    auto remplacer = [&](std::string_view ligne, std::int32_t numero) {
        AnalyserLigne(ligne, ToleranceParDefaut, SansValeur, entree);
        LigneCourante = numero;
    };
    try {
        Rembobiner();
        if (durete) {
            VerifierES("erreur d'ouverture du fichire d'index");
        } else if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecPropriete{"Erreur d'ouverture des fichiers"};
        }
        entree.Famille = -1;
        LigneCourante = 1;
        LireIndex(premiere);
        VerifierES("erreur de lecture du fichier");
        AnalyserLigne(premiere, ToleranceParDefaut, SansValeur, entree);

        // Phase A: the first line of the section of a selected family. It crosses the
        // designation section, and any section before its own, parsing every line.
        bool correspondAncre = false;
        if (!TrouverAncre(premiere, section, ToleranceParDefaut, SansValeur, entree, ancre,
                          numAncre, derniere, correspondAncre)) {
            throw EchecPropriete{"Erreur de lecture de la base ouu"};
        }
        if (!section(ancre)) {
            entree.Mot.clear(); // its value is then 0
        }

        if (valeur.empty()) {
            if (!ancre.empty()) {
                remplacer(ancre, numAncre);
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else {
                remplacer(premiere, 1);
                MontrerSousRecherche();
            }
        } else {
            // Phase B: forward while the value is below the searched one, up to the end
            // of the section. Lines of another section are read but not parsed.
            while (EntierOuZero(entree.Mot) < v && !FinIndex() && AvantDe(derniere, finSection)) {
                ++LigneCourante;
                derniere = LireIndexVue();
                if (section(derniere)) {
                    AnalyserLigne(derniere, ToleranceParDefaut, SansValeur, entree);
                    if (FamilleAcceptee(entree.Famille)) {
                        selection.Garder(derniere);
                        numSelection = LigneCourante;
                    }
                }
            }
            VerifierES("erreur de lecture du fichier d'indexation");

            const bool trouve = EntierOuZero(entree.Mot) == v &&
                                FamilleAcceptee(entree.Famille) &&
                                (!durete || FinIndex() || section(derniere));
            if (trouve) {
                // The entry stands.
            } else if (!durete && FinIndex() && FamilleAcceptee(entree.Famille)) {
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else if (!selection.empty()) {
                remplacer(selection.Vue(), numSelection);
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else if (ancre.empty()) {
                remplacer(premiere, 1);
                MontrerSousRecherche();
            } else {
                remplacer(ancre, numAncre);
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            }
        }
    } catch (const EchecPropriete&) {
        base_.MontrerErreurBase();
    }
    numFiche = entree.NumFiche;
    colonne = entree.Colonne;
}

void Recherche::ChercherResistance(const std::string& valeur, const std::string& tolerance,
                                   std::int32_t& numFiche, std::int32_t& colonne) {
    EntreeIndex entree;
    entree.NumFiche = numFiche;
    entree.Colonne = colonne;
    std::string premiere;
    std::string ancre;
    std::int32_t numAncre = 1;
    std::string_view derniere; // a view into the reader or `ancre`, valid until the next read
    // Reparsed with SansValeur, a replacement line always gives its record and column.
    auto remplacer = [&](std::string_view ligne, std::int32_t numero) {
        AnalyserLigne(ligne, ToleranceResistance, SansValeur, entree);
        LigneCourante = numero;
    };
    try {
        Rembobiner();
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecPropriete{"Erreur d'ouverture des fichiers"};
        }
        entree.Famille = -1;
        LigneCourante = 1;
        ResistanceCherchee = EntierOuZero(valeur);
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecPropriete{"Erreur de conversion"};
        }
        ToleranceResistance = EntierOuZero(tolerance);
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecPropriete{"Erreur de conversion"};
        }
        const std::int32_t v = ResistanceCherchee;
        const std::int32_t t = ToleranceResistance;

        LireIndex(premiere);
        VerifierES("erreur de lecture du fichier");
        bool correspond = AnalyserLigne(premiere, t, v, entree);

        // Phase A, as in the other scans, with the searched value.
        if (!TrouverAncre(premiere, EstLigneResistance, t, v, entree, ancre, numAncre, derniere,
                          correspond)) {
            throw EchecPropriete{"Erreur de lecture de la base ouu"};
        }
        // The match flag: the anchor is a tensile line of a selected family whose widened
        // range holds the value (AnalyserLigne is false for any other line).
        bool trouve = correspond && FamilleAcceptee(entree.Famille);

        if (valeur.empty()) {
            if (!ancre.empty()) {
                remplacer(ancre, numAncre);
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else {
                remplacer(premiere, 1);
                MontrerSousRecherche();
            }
        } else {
            // Phase B: the section is in no order; the first match of a selected family
            // wins, and only the end of the file stops a scan without one.
            while (!FinIndex() && !trouve) {
                ++LigneCourante;
                derniere = LireIndexVue();
                if (EstLigneResistance(derniere)) {
                    const bool dansIntervalle = AnalyserLigne(derniere, t, v, entree);
                    trouve = dansIntervalle && FamilleAcceptee(entree.Famille);
                }
            }
            VerifierES("erreur de lecture du fichier d'indexation");

            if (trouve) {
                // The matching line's entry stands.
            } else if (FamilleAcceptee(entree.Famille)) {
                // The end of the file: the last line read stands in, at its own number.
                remplacer(derniere, LigneCourante);
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else if (ancre.empty()) {
                remplacer(premiere, 1);
                MontrerSousRecherche();
            } else {
                remplacer(ancre, numAncre);
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            }
        }
    } catch (const EchecPropriete&) {
        base_.MontrerErreurBase();
    }
    numFiche = entree.NumFiche;
    colonne = entree.Colonne;
}

} // namespace talix
