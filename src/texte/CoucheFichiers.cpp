#include "texte/CoucheFichiers.h"

#include <algorithm>
#include <cstring>

namespace talix {

namespace {
constexpr std::size_t TailleTampon = 64 * 1024;
constexpr char FinTexte = 0x1A;
} // namespace

LecteurTexte::LecteurTexte(CoucheFichiers& couche)
    : couche_(couche), tampon_(2 * TailleTampon) {}

LecteurTexte::~LecteurTexte() { Fermer(); }

void LecteurTexte::Associer(std::string chemin) {
    Fermer();
    chemin_ = std::move(chemin);
}

void LecteurTexte::Fermer() {
    if (descripteur_ >= 0) {
        couche_.Systeme().Fermer(descripteur_);
        descripteur_ = -1;
    }
    debut_ = fin_ = 0;
    positionFichier_ = 0;
    finAtteinte_ = false;
}

void LecteurTexte::Reinitialiser() {
    Fermer();
    int fd = -1;
    const int code = couche_.Systeme().Ouvrir(chemin_, ModeOuverture::Lecture, fd);
    if (code != ES_OK) {
        couche_.Signaler(code);
        return;
    }
    descripteur_ = fd;
}

bool LecteurTexte::Remplir() {
    if (finAtteinte_) {
        return false;
    }
    moitie_ = moitie_ == 0 ? TailleTampon : 0;
    char* const moitie = tampon_.data() + moitie_;
    std::size_t lus = 0;
    const int code =
        couche_.Systeme().Lire(descripteur_, positionFichier_, moitie, TailleTampon, lus);
    if (code != ES_OK) {
        couche_.Signaler(code);
        finAtteinte_ = true;
        return false;
    }
    if (lus == 0) {
        finAtteinte_ = true;
        return false;
    }
    positionFichier_ += static_cast<std::int64_t>(lus);
    // Bytes after a 0x1A are never seen: the file ends there.
    if (const void* z = std::memchr(moitie, FinTexte, lus)) {
        lus = static_cast<std::size_t>(static_cast<const char*>(z) - moitie);
        finAtteinte_ = true;
    }
    debut_ = moitie_;
    fin_ = moitie_ + lus;
    return lus > 0;
}

bool LecteurTexte::FinDeFichierAuBord() {
    if (descripteur_ < 0) {
        couche_.Signaler(ES_FICHIER_NON_OUVERT);
        return true;
    }
    if (debut_ < fin_) {
        return false;
    }
    return !Remplir();
}

void LecteurTexte::LireLigne(std::string& ligne) { ligne.assign(LireLigneVue()); }

std::string_view LecteurTexte::LireLigneVueAuBord() {
    if (descripteur_ < 0) {
        couche_.Signaler(ES_FICHIER_NON_OUVERT_LECTURE);
        return {};
    }
    LireLigneEnMorceaux(ligneLongue_);
    return ligneLongue_;
}

void LecteurTexte::LireLigneEnMorceaux(std::string& ligne) {
    ligne.clear();
    // Keep one byte beyond the limit: a CR there may still be the line's end.
    constexpr std::size_t Garde = LongueurMaxLigne + 1;
    std::size_t longueurTotale = 0;
    bool dernierCR = false;
    while (true) {
        if (debut_ >= fin_ && !Remplir()) {
            break;
        }
        const char* depart = tampon_.data() + debut_;
        const std::size_t disponible = fin_ - debut_;
        const void* lf = std::memchr(depart, '\n', disponible);
        const std::size_t morceau =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - depart) : disponible;
        if (morceau > 0) {
            if (ligne.size() < Garde) {
                ligne.append(depart, std::min(morceau, Garde - ligne.size()));
            }
            longueurTotale += morceau;
            dernierCR = depart[morceau - 1] == '\r';
        }
        if (lf) {
            debut_ += morceau + 1;
            if (dernierCR && longueurTotale <= Garde) {
                ligne.pop_back();
            }
            break;
        }
        debut_ = fin_;
    }
    if (ligne.size() > LongueurMaxLigne) {
        ligne.resize(LongueurMaxLigne);
    }
}

EcrivainTexte::~EcrivainTexte() {
    if (descripteur_ >= 0) {
        couche_.Systeme().Fermer(descripteur_);
    }
}

void EcrivainTexte::Creer(const std::string& chemin, bool exclusif) {
    if (descripteur_ >= 0) {
        couche_.Systeme().Fermer(descripteur_);
        descripteur_ = -1;
    }
    enAttente_.clear();
    int fd = -1;
    const int code = couche_.Systeme().Ouvrir(
        chemin, exclusif ? ModeOuverture::CreationExclusive : ModeOuverture::CreationEcriture,
        fd);
    if (code != ES_OK) {
        couche_.Signaler(code);
        return;
    }
    descripteur_ = fd;
}

void EcrivainTexte::Ecrire(const std::string& texte) {
    if (descripteur_ < 0) {
        couche_.Signaler(ES_FICHIER_NON_OUVERT_ECRITURE);
        return;
    }
    enAttente_ += texte;
}

void EcrivainTexte::EcrireLigne(const std::string& texte) {
    Ecrire(texte);
    Ecrire("\r\n");
}

void EcrivainTexte::Vider(bool durable) {
    if (descripteur_ < 0) {
        couche_.Signaler(ES_FICHIER_NON_OUVERT_ECRITURE);
        return;
    }
    if (!enAttente_.empty()) {
        const int code =
            couche_.Systeme().Ecrire(descripteur_, enAttente_.data(), enAttente_.size());
        enAttente_.clear();
        if (code != ES_OK) {
            couche_.Signaler(code);
            return;
        }
    }
    if (durable) {
        const int code = couche_.Systeme().Vider(descripteur_);
        if (code != ES_OK) {
            couche_.Signaler(code);
        }
    }
}

void EcrivainTexte::Fermer() {
    if (descripteur_ < 0) {
        couche_.Signaler(ES_FICHIER_NON_OUVERT);
        return;
    }
    Vider();
    const int code = couche_.Systeme().Fermer(descripteur_);
    descripteur_ = -1;
    if (code != ES_OK) {
        couche_.Signaler(code);
    }
}

} // namespace talix
