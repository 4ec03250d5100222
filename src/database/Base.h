#pragma once
// The alloy database subsystem: the data files, the base-file reader, the decoding and
// publishing of a record, the database error window and the application's one way out.
//
// One Base lives per application (the desktop's, each test's, the headless driver's). It
// owns the state of this subsystem: FicheCourante, NumFicheCourante, the index reader
// FichierIndex, the base-file handle HandleBase and the detail line of TErreurBase1.

#include <cstdint>
#include <string>

#include "database/Fenetres.h"
#include "database/Fiche.h"
#include "texte/CoucheFichiers.h"

namespace talix {

inline constexpr std::size_t TailleFicheBrute = 725;
inline constexpr const char* NomBase = "Talix";
inline constexpr const char* NomIndex = "Talixind";

// Cuts one raw record of 725 bytes into an alloy record, every field at its width.
// The 10 bytes from offset 715 are ignored. Nothing is trimmed, tested or converted.
Fiche AnalyserFiche(const char* brut);

// (b + 1) mod 255: the character a stored byte stands for.
unsigned char DecalerOctet(unsigned char octet);

// The raw record of a decoded record, for writers of the base file (the compiler, the
// test fixtures): every field padded with blanks or cut to its width, laid out as the
// reader expects, every byte c stored as c - 1 (0x00 as 0xFE; 0xFF cannot be stored and
// is written as 0xFE too). AnalyserFiche then DecoderFiche give the record back.
std::string EncoderFiche(const Fiche& decodee);

class Base {
    // Declared first: FichierIndex reads through it.
    CoucheFichiers couche_;

public:
    // `repertoireDonnees` is where "Talix" and "Talixind" are looked for; empty means the
    // current directory.
    Base(SystemeFichiers& systeme, Fenetres& fenetres, std::string repertoireDonnees = {});
    ~Base();
    Base(const Base&) = delete;
    Base& operator=(const Base&) = delete;

    CoucheFichiers& Couche() { return couche_; }
    SystemeFichiers& Systeme() { return couche_.Systeme(); }
    Fenetres& LesFenetres() { return fenetres_; }
    std::string CheminBase() const;
    std::string CheminIndex() const;

    // --- State of the subsystem ---
    Fiche FicheCourante;              // the record last published for display
    std::int32_t NumFicheCourante = 0; // the record number last asked of LireFiche
    LecteurTexte FichierIndex;        // the index reader shared by the searches
    std::string DetailErreurBase;     // the detail line `erreur` of TErreurBase1
    bool HandleBaseOuvert() const { return handleBase_ >= 0; }
    // True once the application has been asked to end; no modal window shows after it.
    bool FinDemandee() const { return finDemandee_; }

    // Binds FichierIndex to "Talixind" (not opened) and opens "Talix" as HandleBase. A
    // failure shows TErreurBase1, whose dismissal ends the application.
    void OuvrirFichiers();
    // Closes HandleBase if it is open (at most once); a close failure shows TErreurBase1.
    void FermerFichiers();
    // FermerFichiers, then asks the application to end. May be called again: later calls
    // only repeat the request.
    void QuitterApplication();

    // Reads record N (1-based) of "Talix", still encoded. N <= 0 reads nothing and gives
    // the blank record. HandleBase is released first. A record beyond the file's end (a
    // trailing partial record included) shows TErreurBase1 with "Erreur de lecture de la
    // base : lecture Fiche" and gives the blank record; a read failure shows it with the
    // detail unchanged. When the file cannot be opened the plain message "Code du Reset = "
    // + the code is shown and ArretImmediat is thrown. NumFicheCourante := N in every case
    // that returns.
    Fiche LireFiche(std::int32_t n);

    // Every character of every field, up to its capacity, shifted up by one (DecalerOctet).
    // FicheCourante becomes the blank record first.
    Fiche DecoderFiche(const Fiche& lue);

    // Converts the fourteen display texts (designations, Nature, Reserve, Commentaire) in
    // place with ConvertirOem, then copies the record to FicheCourante and to `copie`.
    void PublierFiche(Fiche& fiche, Fiche& copie);

    // Modal windows, as the engine shows them: nothing shows once the end is requested.
    // TErreurBase1 and TFicheErreur end the application when dismissed.
    void MontrerErreurBase();
    void MontrerErreurGenerale();
    void MontrerNotice(Fenetre notice);

private:
    std::string Chemin(const char* nom) const;

    Fenetres& fenetres_;
    std::string repertoire_;
    int handleBase_ = -1;
    bool finDemandee_ = false;
};

} // namespace talix
