#pragma once
// The search engine: the index file, the four searches and the steps to the neighbouring
// grades. One Recherche lives per application and owns the state of the searches:
// FamilleChoisie, TypeRecherche, LigneCourante, ResistanceCherchee, ToleranceResistance
// and DeplacementEnCours. It reads the index through Base::FichierIndex, reads and
// publishes records through Base, and hands every grade it shows to Feuilles::AfficherFiche.

#include <cstdint>
#include <string>
#include <string_view>

#include "database/Base.h"
#include "sheets/Feuilles.h"

namespace talix {

inline constexpr std::int32_t SansValeur = -5555;
inline constexpr std::int32_t ToleranceParDefaut = 50;

// What AnalyserLigne fills from one index line. Fields a line does not set keep the
// values of an earlier line.
struct EntreeIndex {
    std::string Mot;             // designation or property value text (at most 35)
    std::int32_t Famille = -1;
    std::int32_t NumFiche = 0;
    std::int32_t Colonne = 0;
};

// Section tests on the raw first three characters of a line. A designation line is any
// line that is not empty and does not begin with "dur", "ela" or "res" (case-sensitive).
bool EstLigneDesignation(std::string_view ligne);
bool EstLigneDurete(std::string_view ligne);
bool EstLigneElasticite(std::string_view ligne);
bool EstLigneResistance(std::string_view ligne);
// Kind 0 designation, 1 hardness, 2 tensile strength, 3 yield strength; other kinds: false.
bool LigneDuType(std::string_view ligne, std::int32_t typeRecherche);

class Recherche {
public:
    Recherche(Base& base, Feuilles& feuilles);

    // --- State of the searches ---
    std::int32_t FamilleChoisie = -1; // the selected family; -1 all alloys
    std::int32_t TypeRecherche = 0;   // the search kind chosen in the main menu
    std::int32_t LigneCourante = 0;   // 1-based index line of the grade on show
    std::int32_t ResistanceCherchee = 0;
    std::int32_t ToleranceResistance = 0;
    bool DeplacementEnCours = false;

    // -5 never; the eight family codes when all alloys or that family are selected; any
    // other code only when all alloys are selected.
    bool FamilleAcceptee(std::int32_t code) const {
        if (code == -5) {
            return false;
        }
        switch (code) {
        case 0: case 100: case 200: case 400: case 500: case 600: case 700: case 800:
            return FamilleChoisie == -1 || FamilleChoisie == code;
        default:
            return FamilleChoisie == -1;
        }
    }

    // Parses one index line by its section into `entree`; returns the match of a tensile
    // line (tolerance t, searched value v) and false for every other line. Fields a line
    // does not set keep their values; an empty line sets nothing. A tail that does not
    // convert shows TErreurBase1 and keeps the earlier record and column.
    bool AnalyserLigne(std::string_view ligne, std::int32_t t, std::int32_t v,
                       EntreeIndex& entree);
    // First word (Mot, 35 at most), family word (EntierOuZero of its first 31), then the
    // rest of the text to AnalyserRenvoi.
    void AnalyserEntree(std::string_view texte, EntreeIndex& entree);
    // Leading blanks dropped; the last two characters are the column, all before them the
    // record number, both converted strictly. A failure shows TErreurBase1 (detail line
    // unchanged) and leaves the field not yet converted as it was.
    void AnalyserRenvoi(std::string_view queue, EntreeIndex& entree);
    // A "res" line: sets Famille always; on a match (v = SansValeur, or
    // min - t <= v <= max + t) also the record and column and returns true.
    bool AnalyserLigneResistance(std::string_view ligne, std::int32_t t, std::int32_t v,
                                 EntreeIndex& entree);

    // Reads and clears the pending input/output status; when it is not zero, shows
    // TErreurBase1 with `message` as its detail line. Never ends the caller.
    void VerifierES(std::string_view message);

    // --- Drivers: what the entry windows run on Enter, with the boxes' texts ---
    // Each reads the box up to 255 characters, runs its scan, reads the grade, decodes and
    // publishes it (FicheCourante, NumFicheCourante) and hands it to the sheets. Each ends
    // with a grade on the sheets unless a database error ends the application. A base file
    // that cannot be opened throws ArretImmediat out of them.
    // The designation key (CleDesignation) of the typed text; its column is painted yellow.
    void RechercheDesignation(const std::string& texteSaisi);
    // The digits of the typed text are the value searched for and the criterion.
    void RechercheDurete(const std::string& texteSaisi);
    void RechercheElasticite(const std::string& texteSaisi);
    // `texteTolerance` is the tolerance box as the user left it: its digits are the
    // tolerance (an emptied box gives 0). The box is never rewritten.
    void RechercheResistance(const std::string& texteSaisi, const std::string& texteTolerance);

    // Runs the scan of a kind (0 to 3; any other kind finds record 0) and reads the grade
    // found, still encoded; `colonne` receives the designation field it was found in.
    Fiche ChercherFiche(std::int32_t type, const std::string& texte1, const std::string& texte2,
                        std::int32_t& colonne);
    void ChercherDansIndex(std::int32_t type, const std::string& texte1, const std::string& texte2,
                           std::int32_t& numFiche, std::int32_t& colonne);
    // The scans. Each rereads the index from its first line, sets LigneCourante, and gives
    // the record and column of the line found or of the line that stands in for it, after
    // the notice TErreurNonTrouve (or TFicheSousRecherche when no line can stand in, which
    // also selects all alloys again). A damaged index shows TErreurBase1; the scan then
    // returns the numbers it holds. Afterwards the reader stands just after the last line
    // read, which may lie past LigneCourante.
    void ChercherDesignation(const std::string& cle, std::int32_t& numFiche, std::int32_t& colonne);
    void ChercherDurete(const std::string& valeur, std::int32_t& numFiche, std::int32_t& colonne);
    void ChercherElasticite(const std::string& valeur, std::int32_t& numFiche,
                            std::int32_t& colonne);
    // Also sets ResistanceCherchee and ToleranceResistance, which the steps use.
    void ChercherResistance(const std::string& valeur, const std::string& tolerance,
                            std::int32_t& numFiche, std::int32_t& colonne);

    // --- Steps to the neighbouring grade of the current search ---
    // Each sets DeplacementEnCours while it runs and shows the grade it finds itself; at
    // the end of the section the notice "End of data" or "Beginning of data" shows and the
    // grade on show stays. The forward step reads on from where the index reader stands and
    // numbers lines from there; the backward step rereads the index from its first line.
    // Kind 2 steps only over tensile lines whose widened range holds ResistanceCherchee.
    void NuanceSuivante(std::int32_t typeRecherche);
    void NuancePrecedente(std::int32_t typeRecherche);
    void rechercheNuanceSuivante(std::int32_t typeRecherche, std::int32_t& numFiche,
                                 std::int32_t colonne, std::int32_t t, std::int32_t v);
    void rechercheNuancePrecedente(std::int32_t typeRecherche, std::int32_t& numFiche,
                                   std::int32_t colonne, std::int32_t t, std::int32_t v);

private:
    // The index reader, as every scan and step uses it: the rewind resets the count of
    // lines consumed since, every read adds one to it.
    void Rembobiner();
    void LireIndex(std::string& ligne);
    // The same read, as a view valid until the next read or rewind (FinIndex keeps it).
    std::string_view LireIndexVue() {
        ++lignesLues_;
        return base_.FichierIndex.LireLigneVue();
    }
    bool FinIndex() { return base_.FichierIndex.FinDeFichier(); }
    void MontrerSousRecherche();
    // Phase A of every scan: from line 1 (`premiere`, already parsed; its match in
    // `correspond`), reads on while the anchor is not a line of `section` of a selected
    // family and the file goes on, parsing each line with AnalyserLigne(line, t, v) and
    // counting it in LigneCourante. `ancre` receives the anchor (a copy), `numAncre` its
    // number, `derniere` a view of it when a line was read, `correspond` the last match.
    // Returns false, the detail line of TErreurBase1 set to "ne peut rien lire", when a
    // line read is empty: the caller raises its own failure.
    bool TrouverAncre(std::string_view premiere, bool (*section)(std::string_view),
                      std::int32_t t, std::int32_t v, EntreeIndex& entree, std::string& ancre,
                      std::int32_t& numAncre, std::string_view& derniere, bool& correspond);
    // The hardness (kind 1) and yield (kind 3) scans, which differ only in a few points.
    void ChercherValeur(std::int32_t type, const std::string& valeur, std::int32_t& numFiche,
                        std::int32_t& colonne);
    // Reads, decodes, publishes and shows the grade of record `numFiche`.
    void MontrerNuance(std::int32_t numFiche, std::int32_t colonne, std::int32_t type);

    Base& base_;
    Feuilles& feuilles_;
    std::int32_t lignesLues_ = 0; // lines read on FichierIndex since its last rewind
};

} // namespace talix
