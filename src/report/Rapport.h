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

    // The user's data directory, where reports go when the program's directory can
    // neither hold "Note" nor make it (an installed, read-only program): its "talix/Note".
    // Empty (the default) means $XDG_DATA_HOME, or $HOME/.local/share when that is unset.
    std::string RepertoireUtilisateur;

    // Writes the report of `fiche` to `chemin`. The lines go to a new temporary file of
    // the same directory, made durable and closed, which then takes the name `chemin`
    // unless a file of that name appeared meanwhile (that file is kept, ours dropped). An
    // existing file at `chemin` is never written to, truncated or replaced. A failure
    // removes the temporary file, shows TFicheErreur and ends the application; no partial
    // file is left anywhere. Once the end is requested nothing more is written.
    void EcrireFiche(Fiche fiche, const std::string& chemin);
    // Tests the pending input/output status; a failure shows TFicheErreur and ends the
    // application.
    void VerifierEcriture();

    // Write the report of the grade to <program directory>/Note/A<numero>.txt the first
    // time (creating "Note" if needed), then hand it to the document service (open for
    // editing, or print). An existing report is never rewritten. Any failure (the report
    // cannot be written, a path over 255 characters, the service refuses) shows
    // TFicheErreur and ends the application; nothing happens once the end is requested.
    void AnnoterFiche(Fiche fiche, std::int32_t numero);
    void ImprimerFiche(Fiche fiche, std::int32_t numero);

    // The directory that holds "Note", ending in "/"; empty when it cannot be known.
    std::string DossierProgramme();

    // The directory the reports go to: "Note" in the program's directory whenever that
    // directory holds it (as a directory or, which then fails at the write, as a plain
    // file) or can make it; otherwise "talix/Note" in the user's data directory, made if
    // needed. Empty when neither can be known.
    std::string DossierNotes();

    // True when `chemin` exists and is a directory.
    bool RepertoireExiste(const std::string& chemin);

private:
    void Commande(const Fiche& fiche, std::int32_t numero, bool imprimer);
    // Reads the pending status; on a failure closes the writer, removes `temporaire` and
    // shows TFicheErreur. True when the writing must stop.
    bool EcritureEchouee(EcrivainTexte& ecrivain, const std::string& temporaire);
    void Abandonner(EcrivainTexte& ecrivain, const std::string& temporaire);
    std::string NomTemporaire(const std::string& chemin);

    Base& base_;
    ServiceDocuments& documents_;
    std::uint64_t graine_ = 0;   // tells this process's temporary files from others'
    std::uint32_t compteur_ = 0; // and one writing from the next
};

} // namespace talix
