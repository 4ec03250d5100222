#include "database/Base.h"

#include <array>
#include <cstring>

namespace talix {

namespace {

// Offset in the raw record of composition pair k, and the element it holds.
constexpr std::size_t DebutChimie = 367;
constexpr std::array<Element, NombreElements> OrdreBrut = {
    C, Si, Mn, P, S, Cr, Mo, Ni, V, Al, Cu, Ti, Co, W, Nb, N, Fe, Mg, Pb, Sn, Zn};

// A failure raised and caught inside one routine.
struct EchecBase {
    const char* texte;
};

// Every field of `f` with its place in the raw record. The raw record has Reserve before
// Famille and its composition pairs in another element order than Chimie. Both the reader
// and the writer walk this one layout.
template <class F> void PourChaqueZone(F& f, auto&& zone) {
    std::size_t pos = 0;
    auto suivante = [&](auto& champ, std::size_t largeur) {
        zone(champ, pos, largeur);
        pos += largeur;
    };
    for (auto* d : {&f.Afnor, &f.Werkstoff, &f.Din, &f.Bs, &f.Aisi, &f.Uns, &f.Nature, &f.Des1,
                    &f.Des2, &f.Des3, &f.Des4, &f.Des5}) {
        suivante(*d, CapDesignation);
    }
    suivante(f.Reserve, CapDesignation);
    suivante(f.Famille, CapFamille);
    for (std::size_t k = 0; k < NombreElements; ++k) {
        auto& t = f.Chimie[OrdreBrut[k]];
        pos = DebutChimie + 12 * k;
        suivante(t.Min, CapTeneur);
        suivante(t.Max, CapTeneur);
    }
    suivante(f.Commentaire, CapCommentaire);
    suivante(f.Densite, CapDensite);
    for (auto& e : f.Meca) {
        suivante(e.Etat, CapEtat);
        suivante(e.Chauffe, CapChauffe);
        suivante(e.RmMin, CapRm);
        suivante(e.RmMax, CapRm);
        suivante(e.Rp02Min, CapRp02);
        suivante(e.AMin, CapA);
        suivante(e.DureteMax, CapDurete);
    }
    suivante(f.Etat3, CapEtat);
    suivante(f.Chauffe3, CapChauffe3);
}

} // namespace

Fiche AnalyserFiche(const char* brut) {
    Fiche f = FicheBlanche();
    PourChaqueZone(f, [&](std::string& champ, std::size_t debut, std::size_t largeur) {
        champ.assign(brut + debut, largeur);
    });
    return f;
}

std::string EncoderFiche(const Fiche& decodee) {
    std::string brut(TailleFicheBrute, ' ');
    PourChaqueZone(decodee, [&](const std::string& champ, std::size_t debut, std::size_t largeur) {
        for (std::size_t i = 0; i < largeur; ++i) {
            const auto c = static_cast<unsigned char>(i < champ.size() ? champ[i] : ' ');
            brut[debut + i] = static_cast<char>(c == 0 || c == 0xFF ? 0xFE : c - 1);
        }
    });
    return brut;
}

unsigned char DecalerOctet(unsigned char octet) {
    return static_cast<unsigned char>((octet + 1) % 255);
}

Base::Base(SystemeFichiers& systeme, Fenetres& fenetres, std::string repertoireDonnees)
    : couche_(systeme), FicheCourante(FicheBlanche()), FichierIndex(couche_),
      fenetres_(fenetres), repertoire_(std::move(repertoireDonnees)) {}

Base::~Base() {
    if (handleBase_ >= 0) {
        couche_.Systeme().Fermer(handleBase_);
    }
}

std::string Base::Chemin(const char* nom) const {
    if (repertoire_.empty()) {
        return nom;
    }
    return repertoire_.back() == '/' ? repertoire_ + nom : repertoire_ + "/" + nom;
}

std::string Base::CheminBase() const { return Chemin(NomBase); }
std::string Base::CheminIndex() const { return Chemin(NomIndex); }

void Base::OuvrirFichiers() {
    try {
        FichierIndex.Associer(CheminIndex());
        int fd = -1;
        if (Systeme().Ouvrir(CheminBase(), ModeOuverture::Lecture, fd) != ES_OK) {
            throw EchecBase{"Erreur d'ouverture des fichiers"};
        }
        handleBase_ = fd;
    } catch (const EchecBase&) {
        MontrerErreurBase();
    }
}

void Base::FermerFichiers() {
    try {
        if (handleBase_ >= 0) {
            const int fd = handleBase_;
            handleBase_ = -1; // closed at most once, even when the close fails
            if (Systeme().Fermer(fd) != ES_OK) {
                throw EchecBase{"Erreur de fermeture des fichiers"};
            }
        }
    } catch (const EchecBase&) {
        MontrerErreurBase();
    }
}

void Base::QuitterApplication() {
    FermerFichiers();
    finDemandee_ = true;
    fenetres_.DemanderFin();
}

Fiche Base::LireFiche(std::int32_t n) {
    Fiche fiche = FicheBlanche();
    if (handleBase_ >= 0) {
        Systeme().Fermer(handleBase_);
        handleBase_ = -1;
    }
    int fd = -1;
    const int code = Systeme().Ouvrir(CheminBase(), ModeOuverture::Lecture, fd);
    if (code != ES_OK) {
        if (!finDemandee_) {
            fenetres_.Message("Code du Reset = " + std::to_string(code));
        }
        finDemandee_ = true;
        fenetres_.DemanderFin();
        throw ArretImmediat{};
    }
    try {
        if (n > 0) {
            // Positioned read of record N: the same result as N sequential reads, at
            // constant cost. A trailing partial record counts as missing.
            std::array<char, TailleFicheBrute> brut;
            brut.fill(' ');
            const std::int64_t position =
                static_cast<std::int64_t>(TailleFicheBrute) * (static_cast<std::int64_t>(n) - 1);
            std::size_t lus = 0;
            if (Systeme().Lire(fd, position, brut.data(), brut.size(), lus) != ES_OK) {
                throw EchecBase{"Erreur de lecture de la base"};
            }
            if (lus < TailleFicheBrute) {
                DetailErreurBase = "Erreur de lecture de la base : lecture Fiche";
                throw EchecBase{"Erreur de lecture de la base"};
            }
            fiche = AnalyserFiche(brut.data());
        }
    } catch (const EchecBase&) {
        MontrerErreurBase();
    }
    Systeme().Fermer(fd);
    NumFicheCourante = n;
    return fiche;
}

Fiche Base::DecoderFiche(const Fiche& lue) {
    Fiche entree = lue;
    Fiche sortie = FicheBlanche();
    FicheCourante = FicheBlanche();
    auto champsEntree = ChampsDe(entree);
    auto champsSortie = ChampsDe(sortie);
    for (std::size_t i = 0; i < champsSortie.size(); ++i) {
        const std::string& source = *champsEntree[i].texte;
        std::string& cible = *champsSortie[i].texte;
        for (std::size_t p = 0; p < champsSortie[i].capacite; ++p) {
            // A field shorter than its capacity cannot come from the reader; decode
            // blanks there, as the reader's buffer would have held.
            const char c = p < source.size() ? source[p] : ' ';
            cible[p] = static_cast<char>(DecalerOctet(static_cast<unsigned char>(c)));
        }
    }
    return sortie;
}

void Base::PublierFiche(Fiche& fiche, Fiche& copie) {
    for (std::string* texte :
         {&fiche.Afnor, &fiche.Werkstoff, &fiche.Din, &fiche.Bs, &fiche.Aisi, &fiche.Uns,
          &fiche.Nature, &fiche.Des1, &fiche.Des2, &fiche.Des3, &fiche.Des4, &fiche.Des5,
          &fiche.Reserve, &fiche.Commentaire}) {
        ConvertirOem(*texte);
    }
    FicheCourante = fiche;
    copie = fiche;
}

void Base::MontrerErreurBase() {
    if (finDemandee_) {
        return;
    }
    fenetres_.MontrerModale(Fenetre::TErreurBase1, DetailErreurBase);
    QuitterApplication();
}

void Base::MontrerErreurGenerale() {
    if (finDemandee_) {
        return;
    }
    fenetres_.MontrerModale(Fenetre::TFicheErreur, std::string());
    QuitterApplication();
}

void Base::MontrerNotice(Fenetre notice) {
    if (finDemandee_) {
        return;
    }
    fenetres_.MontrerModale(notice, std::string());
}

} // namespace talix
