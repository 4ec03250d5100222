#include "report/Rapport.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>

#include "texte/Caracteres.h"

namespace talix {

namespace {

// A failure of a command, raised and caught inside it.
struct EchecCommande {
    const char* texte;
};

std::uint64_t GraineTemporaire(const void* adresse) {
    std::uint64_t graine = 0;
    try {
        std::random_device alea;
        graine = (static_cast<std::uint64_t>(alea()) << 32) ^ alea();
    } catch (const std::exception&) {
        // No entropy source: the clock and the object's place still differ between runs.
    }
    graine ^=
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    graine ^= static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(adresse));
    return graine;
}

constexpr int EssaisTemporaire = 64;

} // namespace

Rapport::Rapport(Base& base, ServiceDocuments& documents)
    : base_(base), documents_(documents), graine_(GraineTemporaire(this)) {}

void Rapport::VerifierEcriture() {
    if (base_.Couche().LireStatut() != ES_OK) {
        // "Erreur d'ecriture de fichier": the window shows its own fixed texts.
        base_.MontrerErreurGenerale();
    }
}

std::string Rapport::NomTemporaire(const std::string& chemin) {
    const std::string repertoire = RepertoireDe(chemin);
    char suffixe[40];
    std::snprintf(suffixe, sizeof suffixe, ".%016llx.%u", static_cast<unsigned long long>(graine_),
                  compteur_++);
    return repertoire + "." + chemin.substr(repertoire.size()) + suffixe;
}

void Rapport::Abandonner(EcrivainTexte& ecrivain, const std::string& temporaire) {
    if (ecrivain.EstOuvert()) {
        ecrivain.Fermer();
    }
    base_.Couche().LireStatut(); // the failure is already being answered
    if (!temporaire.empty()) {
        base_.Systeme().Supprimer(temporaire);
    }
}

bool Rapport::EcritureEchouee(EcrivainTexte& ecrivain, const std::string& temporaire) {
    if (base_.Couche().LireStatut() == ES_OK) {
        return false;
    }
    // "Erreur d'ecriture de fichier"
    Abandonner(ecrivain, temporaire);
    base_.MontrerErreurGenerale();
    return true;
}

void Rapport::EcrireFiche(Fiche fiche, const std::string& chemin) {
    if (base_.FinDemandee()) {
        return;
    }
    EcrivainTexte ecrivain(base_.Couche());
    std::string temporaire;
    try {
        // A fresh name of our own, created exclusively: nobody else's file is opened.
        int code = ES_OK;
        for (int essai = 0; essai < EssaisTemporaire; ++essai) {
            temporaire = NomTemporaire(chemin);
            ecrivain.Creer(temporaire, true);
            if (ecrivain.EstOuvert()) {
                break;
            }
            code = base_.Couche().LireStatut();
            if (code != ES_FICHIER_EXISTE) {
                break;
            }
        }
        if (!ecrivain.EstOuvert()) {
            temporaire.clear(); // nothing of ours to remove
            base_.Couche().Signaler(code != ES_OK ? code : ES_FICHIER_EXISTE);
        }
        if (EcritureEchouee(ecrivain, temporaire)) {
            return;
        }
        for (const std::string& ligne : LignesRapport(fiche)) {
            if (base_.FinDemandee()) {
                Abandonner(ecrivain, temporaire);
                return;
            }
            ecrivain.EcrireLigne(ligne);
            ecrivain.Vider();
            if (EcritureEchouee(ecrivain, temporaire)) {
                return;
            }
        }
        ecrivain.Vider(true);
        ecrivain.Fermer();
        if (EcritureEchouee(ecrivain, temporaire)) {
            return;
        }
        code = base_.Systeme().RenommerSansRemplacer(temporaire, chemin);
        if (code == ES_FICHIER_EXISTE) {
            // Someone wrote this report meanwhile: theirs stays, with its annotations.
            base_.Systeme().Supprimer(temporaire);
            return;
        }
        if (code != ES_OK) {
            base_.Couche().Signaler(code);
            EcritureEchouee(ecrivain, temporaire);
        }
    } catch (const std::exception&) {
        Abandonner(ecrivain, temporaire);
        base_.MontrerErreurGenerale();
    }
}

std::string Rapport::DossierProgramme() {
    std::string dossier = RepertoireProgramme.empty()
                              ? RepertoireDe(base_.Systeme().CheminProgramme())
                              : RepertoireProgramme;
    if (!dossier.empty() && dossier.back() != '/') {
        dossier += '/';
    }
    return dossier;
}

std::string Rapport::DossierNotes() {
    const std::string dossier = DossierProgramme();
    if (dossier.empty()) {
        return std::string();
    }
    const std::string dansLeProgramme = dossier + "Note";
    // The program's own "Note" stays the place whenever it exists or can be made: the
    // portable layout and the build tree keep their reports beside the program. A plain
    // file of that name keeps it too, so that it fails as before rather than silently
    // sending the reports elsewhere.
    if (base_.Systeme().Existe(dansLeProgramme) ||
        base_.Systeme().CreerRepertoire(dansLeProgramme) == ES_OK) {
        return dansLeProgramme;
    }
    std::string utilisateur = RepertoireUtilisateur;
    if (utilisateur.empty()) {
        const char* xdg = std::getenv("XDG_DATA_HOME");
        const char* home = std::getenv("HOME");
        if (xdg && xdg[0] == '/') {
            utilisateur = xdg;
        } else if (home && home[0] == '/') {
            utilisateur = std::string(home) + "/.local/share";
        } else {
            return dansLeProgramme; // nowhere else to go: the write will fail
        }
    }
    // Made level by level; a level that exists already is no failure.
    std::string chemin;
    std::size_t debut = 0;
    const std::string complet = utilisateur + "/talix/Note";
    while (debut != std::string::npos) {
        const std::size_t barre = complet.find('/', debut + 1);
        chemin = complet.substr(0, barre);
        if (!chemin.empty() && !base_.Systeme().EstRepertoire(chemin)) {
            base_.Systeme().CreerRepertoire(chemin);
        }
        debut = barre;
    }
    return complet;
}

bool Rapport::RepertoireExiste(const std::string& chemin) {
    return base_.Systeme().EstRepertoire(chemin);
}

void Rapport::AnnoterFiche(Fiche fiche, std::int32_t numero) {
    Commande(fiche, numero, false);
}

void Rapport::ImprimerFiche(Fiche fiche, std::int32_t numero) {
    Commande(fiche, numero, true);
}

void Rapport::Commande(const Fiche& fiche, std::int32_t numero, bool imprimer) {
    if (base_.FinDemandee()) {
        return;
    }
    try {
        const std::string nom = NomFichierNote(numero);
        const std::string dossierNote = DossierNotes();
        if (dossierNote.empty()) {
            throw EchecCommande{"Erreur de conversion"};
        }
        const std::string chemin = dossierNote + "/" + nom;
        // The path goes to the service whole: a cut one would name another file.
        if (chemin.size() > CapaciteTexteCourt) {
            throw EchecCommande{"Erreur de conversion"};
        }
        if (!base_.Systeme().Existe(chemin)) {
            EcrireFiche(fiche, chemin);
            if (base_.FinDemandee()) {
                return; // the writer has shown its failure
            }
        } else if (base_.Systeme().EstRepertoire(chemin)) {
            throw EchecCommande{"Erreur de conversion"};
        }
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecCommande{"Erreur de conversion"};
        }
        const bool accepte = imprimer ? documents_.Imprimer(chemin) : documents_.Ouvrir(chemin);
        if (!accepte) {
            throw EchecCommande{"Erreur ouverture BlocNote"};
        }
    } catch (const EchecCommande&) {
        base_.MontrerErreurGenerale();
    } catch (const std::exception&) {
        base_.MontrerErreurGenerale();
    }
}

} // namespace talix
