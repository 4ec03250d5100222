// The steps to the preceding and the following grade of the current search.

#include "search/LigneGardee.h"
#include "search/Recherche.h"

namespace talix {

namespace {

// A failure raised and caught inside one routine. Its text is never displayed.
struct EchecNuance {
    const char* texte;
};

// DeplacementEnCours for the life of one step, whatever way the step ends (a base file
// that cannot be opened ends it by ArretImmediat).
class DeplacementEnCoursPendant {
public:
    explicit DeplacementEnCoursPendant(bool& drapeau) : drapeau_(drapeau) { drapeau_ = true; }
    ~DeplacementEnCoursPendant() { drapeau_ = false; }
    DeplacementEnCoursPendant(const DeplacementEnCoursPendant&) = delete;
    DeplacementEnCoursPendant& operator=(const DeplacementEnCoursPendant&) = delete;

private:
    bool& drapeau_;
};

} // namespace

void Recherche::NuanceSuivante(std::int32_t typeRecherche) {
    const bool resistance = typeRecherche == 2;
    std::int32_t numFiche = 0;
    rechercheNuanceSuivante(typeRecherche, numFiche, 0,
                            resistance ? ToleranceResistance : ToleranceParDefaut,
                            resistance ? ResistanceCherchee : SansValeur);
}

void Recherche::NuancePrecedente(std::int32_t typeRecherche) {
    const bool resistance = typeRecherche == 2;
    std::int32_t numFiche = 0;
    rechercheNuancePrecedente(typeRecherche, numFiche, 0,
                              resistance ? ToleranceResistance : ToleranceParDefaut,
                              resistance ? ResistanceCherchee : SansValeur);
}

void Recherche::MontrerNuance(std::int32_t numFiche, std::int32_t colonne, std::int32_t type) {
    const Fiche lue = base_.LireFiche(numFiche);
    Fiche fiche = base_.DecoderFiche(lue);
    Fiche copie;
    base_.PublierFiche(fiche, copie);
    feuilles_.AfficherFiche(fiche, std::string(), colonne, type);
    base_.FicheCourante = fiche;
    base_.NumFicheCourante = numFiche;
}

void Recherche::rechercheNuanceSuivante(std::int32_t typeRecherche, std::int32_t& numFiche,
                                        std::int32_t colonne, std::int32_t t, std::int32_t v) {
    const DeplacementEnCoursPendant pendant(DeplacementEnCours);
    EntreeIndex entree;
    entree.Famille = -5; // never accepted: at least one line is read
    entree.NumFiche = 0;
    entree.Colonne = colonne;
    // Lines are counted from where the reader stands, which after a search that showed a
    // replacement, or after a backward step, lies past LigneCourante.
    std::int32_t n = lignesLues_;
    try {
        VerifierES("erreur de reinitialisation du fichier");
        if (LigneCourante < 0) {
            throw EchecNuance{"Erreur de lecture de la base(index)"};
        }
        std::string_view ligne; // valid until the next read
        bool correspond = false;
        if (typeRecherche == 2) {
            while (!FinIndex() && !(correspond && FamilleAcceptee(entree.Famille))) {
                ligne = LireIndexVue();
                ++n;
                correspond = AnalyserLigne(ligne, t, v, entree);
            }
        } else {
            while (!FinIndex() && !FamilleAcceptee(entree.Famille)) {
                ligne = LireIndexVue();
                ++n;
                AnalyserLigne(ligne, t, v, entree);
            }
        }
        if (!LigneDuType(ligne, typeRecherche) || !FamilleAcceptee(entree.Famille) ||
            (typeRecherche == 2 && !correspond)) {
            base_.MontrerNotice(Fenetre::TFicheFinDesDonnees);
        } else {
            LigneCourante = n;
            MontrerNuance(entree.NumFiche, entree.Colonne, typeRecherche);
        }
    } catch (const EchecNuance&) {
        base_.MontrerErreurBase();
    }
    numFiche = entree.NumFiche;
}

void Recherche::rechercheNuancePrecedente(std::int32_t typeRecherche, std::int32_t& numFiche,
                                          std::int32_t colonne, std::int32_t t,
                                          std::int32_t v) {
    const DeplacementEnCoursPendant pendant(DeplacementEnCours);
    EntreeIndex entree;
    entree.Famille = -5;
    entree.NumFiche = 0;
    entree.Colonne = colonne;
    LigneGardee candidat; // the last earlier line that qualifies; empty: none
    std::int32_t numCandidat = 0;
    try {
        Rembobiner();
        VerifierES("erreur de reinitialisation du fichier d'index : rechercheNuancePrecedente");
        std::string_view ligne; // valid until the next read
        if (LigneCourante <= 1) {
            LireIndexVue();
            base_.MontrerNotice(Fenetre::TFicheDebutDonnees);
        } else {
            const std::int32_t avant = LigneCourante - 1;
            std::int32_t n = 0;
            while (!FinIndex() && n < avant) {
                ligne = LireIndexVue();
                ++n;
                const bool correspond = AnalyserLigne(ligne, t, v, entree);
                if (LigneDuType(ligne, typeRecherche) && FamilleAcceptee(entree.Famille) &&
                    (typeRecherche != 2 || correspond)) {
                    candidat.Garder(ligne);
                    numCandidat = n;
                }
            }
            VerifierES("erreur de lecture du fichier d'index");
            if (ligne.empty()) {
                base_.DetailErreurBase = "Base Vide(Index)";
                throw EchecNuance{"Erreur de lecture de la base"};
            }
            if (n < avant) {
                base_.MontrerNotice(Fenetre::TFicheDebutDonnees);
            } else if (!candidat.empty()) {
                AnalyserLigne(candidat.Vue(), t, v, entree);
                MontrerNuance(entree.NumFiche, entree.Colonne, typeRecherche);
                LigneCourante = numCandidat;
            } else {
                // Back just after the current line, as if no step had been made.
                LireIndexVue();
                base_.MontrerNotice(Fenetre::TFicheDebutDonnees);
            }
        }
    } catch (const EchecNuance&) {
        base_.MontrerErreurBase();
    }
    numFiche = entree.NumFiche;
}

} // namespace talix
