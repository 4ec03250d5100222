#pragma once
// The text report of one grade and the annotate and print commands. One Rapport lives per
// application; it writes through Base's file layer and shows its failures through Base.

#include <cstdint>
#include <string>
#include <vector>

#include "database/Base.h"
#include "report/ServiceDocuments.h"

namespace talix {

// `texte` fitted to exactly `largeur` characters (blanks appended, or cut).
std::string Cadrer(const std::string& texte, std::size_t largeur);
// Three spaces, min, two spaces, "-", one space, max, eighteen spaces.
std::string TexteTeneur(const std::string& min, const std::string& max);
// min, two spaces, max.
std::string TexteRm(const std::string& min, const std::string& max);
// The family text of the "Family :" line: the label of EntierOuZero(famille) among the
// codes 0, 100 ... 800, seven spaces for any other code.
std::string TexteFamille(const std::string& famille);
// Every line of the report of `fiche`, without line ends (Windows-1252).
std::vector<std::string> LignesRapport(const Fiche& fiche);
// "A" + the record number in decimal + ".txt", cut to 255 characters.
std::string NomFichierNote(std::int32_t numero);

class Rapport {
public:
    Rapport(Base& base, ServiceDocuments& documents);

    // The directory that holds "Note"; empty (the default) means the directory of the
    // running program. Tests and installations may set it.
    std::string RepertoireProgramme;

    // Writes the report of `fiche` to `chemin`. A failure shows TFicheErreur and ends the
    // application; no partial file is left at `chemin`.
    void EcrireFiche(Fiche fiche, const std::string& chemin);
    // Tests the pending input/output status; a failure shows TFicheErreur and ends the
    // application.
    void VerifierEcriture();

    // Write the report of the grade the first time, then hand it to the document service
    // (open for editing, or print). An existing report is never rewritten.
    void AnnoterFiche(Fiche fiche, std::int32_t numero);
    void ImprimerFiche(Fiche fiche, std::int32_t numero);

    // True when `chemin` exists and is a directory.
    bool RepertoireExiste(const std::string& chemin);

private:
    Base& base_;
    ServiceDocuments& documents_;
};

} // namespace talix
