#pragma once
// The file layer the searches and the report use: a pending input/output status, a
// buffered text reader and a text writer, on top of SystemeFichiers.
//
// The pending status works as in the classic layer: the first failed operation leaves
// its code pending; later failures do not overwrite it; LireStatut() reads and clears it.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "texte/SystemeFichiers.h"

namespace talix {

class CoucheFichiers {
public:
    explicit CoucheFichiers(SystemeFichiers& systeme) : systeme_(systeme) {}

    SystemeFichiers& Systeme() { return systeme_; }

    // Reads and clears the pending status (0 when nothing failed).
    int LireStatut() {
        const int statut = statut_;
        statut_ = ES_OK;
        return statut;
    }
    // Records a failure unless one is already pending.
    void Signaler(int code) {
        if (statut_ == ES_OK) {
            statut_ = code;
        }
    }

private:
    SystemeFichiers& systeme_;
    int statut_ = ES_OK;
};

// Sequential reader of a text file. Lines end at LF or CR LF; any other byte, a lone CR
// included, belongs to the line. A line keeps its first 255 characters; the rest of a
// longer one is skipped. The file ends at its physical end or at a byte 0x1A.
class LecteurTexte {
public:
    static constexpr std::size_t LongueurMaxLigne = 255;

    explicit LecteurTexte(CoucheFichiers& couche);
    ~LecteurTexte();
    LecteurTexte(const LecteurTexte&) = delete;
    LecteurTexte& operator=(const LecteurTexte&) = delete;

    // Binds the reader to a path; nothing is opened.
    void Associer(std::string chemin);
    const std::string& Chemin() const { return chemin_; }

    // Opens the file, or reopens it, at its first line. A failure leaves the reader
    // closed and its code pending.
    void Reinitialiser();
    bool EstOuvert() const { return descripteur_ >= 0; }

    // True when no byte remains before the physical end or before a byte 0x1A. On a
    // closed reader: true, with 103 pending.
    bool FinDeFichier() {
        if (descripteur_ >= 0 && debut_ < fin_) {
            return false;
        }
        return FinDeFichierAuBord();
    }

    // Reads the next line into `ligne` (without its end). At the end of the file it gives
    // the empty text. On a closed reader: the empty text, with 104 pending.
    void LireLigne(std::string& ligne);
    // The same line as LireLigne, returned as a view: into the reader's buffer when the
    // line lies whole in it, else into a copy the reader keeps. The view stays valid until
    // the next LireLigne, LireLigneVue, Reinitialiser, Associer or Fermer; FinDeFichier
    // does not end it.
    std::string_view LireLigneVue() {
        // The usual case: the whole line, its end included, lies in the buffer. A CR
        // before the LF goes with the end, and the line keeps its first 255 characters (a
        // CR at the 257th place of a longer line goes with the part skipped anyway).
        if (descripteur_ >= 0 && debut_ < fin_) {
            const char* depart = tampon_.data() + debut_;
            if (const void* lf = std::memchr(depart, '\n', fin_ - debut_)) {
                std::size_t longueur =
                    static_cast<std::size_t>(static_cast<const char*>(lf) - depart);
                debut_ += longueur + 1;
                if (longueur > 0 && depart[longueur - 1] == '\r') {
                    --longueur;
                }
                return {depart, longueur < LongueurMaxLigne ? longueur : LongueurMaxLigne};
            }
        }
        return LireLigneVueAuBord();
    }

    void Fermer();

private:
    // Fills the other half of the buffer, so that the last line returned, when it lies in
    // the buffer, survives one refill. False at the physical end or on a read failure.
    bool Remplir();
    bool FinDeFichierAuBord();            // FinDeFichier with the buffer used up or closed
    std::string_view LireLigneVueAuBord(); // a closed reader, or a line that crosses the buffer's end
    void LireLigneEnMorceaux(std::string& ligne); // a line that crosses the buffer's end

    CoucheFichiers& couche_;
    std::string chemin_;
    int descripteur_ = -1;
    std::int64_t positionFichier_ = 0; // byte of the file that follows the buffer
    std::vector<char> tampon_;    // two halves, filled in turn
    std::size_t moitie_ = 0;      // offset of the half filled last
    std::size_t debut_ = 0;       // next unread byte of the buffer
    std::size_t fin_ = 0;         // end of the valid bytes of the buffer
    std::string ligneLongue_;     // the last line read, when it crossed the buffer's end
    bool finAtteinte_ = false;    // physical end, read failure or 0x1A met
};

// Text writer: creates (or truncates) a file and writes lines ending in CR LF. Every
// operation is unbuffered beyond one line, so a failure shows at the line it hits.
class EcrivainTexte {
public:
    explicit EcrivainTexte(CoucheFichiers& couche) : couche_(couche) {}
    ~EcrivainTexte();
    EcrivainTexte(const EcrivainTexte&) = delete;
    EcrivainTexte& operator=(const EcrivainTexte&) = delete;

    // Creates the file, truncating any file of that name (or, when `exclusif`, failing
    // if one exists). A failure leaves the writer closed and its code pending.
    void Creer(const std::string& chemin, bool exclusif = false);
    bool EstOuvert() const { return descripteur_ >= 0; }

    void Ecrire(const std::string& texte);
    void EcrireLigne(const std::string& texte); // texte + CR LF
    // Hands what was written to the system; `durable` also waits for the disk.
    void Vider(bool durable = false);
    void Fermer();

private:
    CoucheFichiers& couche_;
    int descripteur_ = -1;
    std::string enAttente_;
};

} // namespace talix
