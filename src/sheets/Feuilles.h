#pragma once
// The three result sheets as plain values: what the designations, chemical composition
// and mechanical characteristics windows show. The windows only paint these values.
// AfficherFiche is the engine's one entry into them.

#include <array>
#include <cstdint>
#include <string>

#include "database/Fiche.h"

namespace talix {

// Colour of a row panel of the designations sheet: designed silver, the button-face
// colour once DecolorerPanneaux has run, or the yellow highlight.
enum class CouleurLigne { Argent, FaceBouton, Jaune };

struct LigneDesignation {
    std::string caption; // caption label (Windows-1252)
    std::string value;   // value label, as stored (blanks included)
    CouleurLigne couleur = CouleurLigne::Argent;
    bool visible = true;
    bool jaune() const { return couleur == CouleurLigne::Jaune; }
};

inline constexpr std::size_t NombreLignesDesignation = 13; // rows 1..12 + the criterion row
inline constexpr std::size_t LigneCritere = 12;            // index of row 13

struct FeuilleDesignations {
    std::array<LigneDesignation, NombreLignesDesignation> lignes; // rows 1..13 at 0..12
};

// StringGrid1 of the chemical window: 7 columns by 12 rows, row 0 the header.
struct FeuilleChimie {
    std::array<std::array<std::string, 7>, 12> cellules; // [row][column]
    std::string densite;                                 // DensiteTrouvee
    std::string commentaire;                             // caption of the Observation panel
};

// StringGrid1 of the mechanical window: 7 columns by 3 rows.
struct FeuilleMeca {
    std::array<std::array<std::string, 7>, 3> cellules; // [row][column]
};

} // namespace talix

namespace talix {

// The sheets' state and routines. One Feuilles lives per application; ValeurReference is
// the criterion value last shown for a hardness or yield-strength search (-1: none since
// the user chose the search option).
class Feuilles {
public:
    // The sheets as the windows are built: captions of rows 1..13 (row 13 "ARemplir",
    // hidden), every row silver, every value and cell empty.
    Feuilles();

    FeuilleDesignations Designations;
    FeuilleChimie Chimie;
    FeuilleMeca Meca;
    std::int32_t ValeurReference = -1;

    // Resets the three sheets and fills them: designations, then mechanical, then chemical.
    void AfficherFiche(Fiche fiche, std::string texteRecherche, std::int32_t colonneTrouvee,
                       std::int32_t typeRecherche);

    void EffacerFiches();
    void DecolorerPanneaux();
    void EffacerDesignations();
    void RemplirDesignations(const Fiche& fiche, const std::string& texteRecherche,
                             std::int32_t colonneTrouvee, std::int32_t typeRecherche);
    void CritereDurete(const Fiche& fiche, const std::string& texteRecherche);
    void CritereResistance(const Fiche& fiche);
    void CritereElasticite(const Fiche& fiche, const std::string& texteRecherche);
    void SurlignerDesignation(std::int32_t colonneTrouvee, std::int32_t typeRecherche);

    void RemplirChimie(const Fiche& fiche);
    void EffacerChimie();
    // Column headers of row 0, written each time the chemical window is shown.
    void EnteteChimie();

    void RemplirMeca(const Fiche& fiche);
    void EffacerMeca();

private:
    // Set by CritereResistance: false when condition rows 1 and 2 hold no non-zero Rm, so
    // that SurlignerDesignation keeps the criterion row hidden instead of showing the
    // texts an earlier grade left there. Every other criterion routine sets it back.
    bool criterePossible_ = true;
};

// Column widths of the composition table, in pixels, set each time its window shows:
// every column LargeurColonneChimie, the element columns 0 and 3 LargeurColonneElement.
inline constexpr int LargeurColonneChimie = 90;
inline constexpr int LargeurColonneElement = 150;

// Captions of the designations sheet, rows 1 ... 13 (row 13 as designed).
extern const std::array<const char*, NombreLignesDesignation> LegendesDesignation;

// "De " + min + " \xE0 " + max + " Mpa".
std::string TexteIntervalle(std::int32_t min, std::int32_t max);
// False exactly for the empty amount "  .000".
bool TeneurPresente(const std::string& texte);
// Empty, blank and zero values are absent; any text that is not a number is present.
bool ValeurPresente(const std::string& texte);
// True when every character is a space (the empty text included).
bool EstBlanc(const std::string& texte);
// The text of the Rm cell of one condition row.
std::string CelluleRm(const std::string& min, const std::string& max);

// Write position of the composition table while it is filled.
struct PositionChimie {
    int colonne = 0;
    int ligne = 1;
    int bloc = 1;
};
void ColonneSuivante(PositionChimie& position);
void CaseSuivante(PositionChimie& position);

} // namespace talix
