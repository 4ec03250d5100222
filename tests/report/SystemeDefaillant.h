#pragma once
// The real files, with failures injected where a test asks for them: the Nth write, the
// durable flush, the close, the rename, the creation of files in one directory.

#include <functional>
#include <string>

#include "texte/SystemeFichiers.h"

namespace talix::test {

class SystemeDefaillant final : public SystemeFichiers {
public:
    int echecEcriture = 0;               // the Nth Ecrire (1-based) fails with 101; 0: none
    bool echecVider = false;             // the durable flush fails
    bool echecFermer = false;            // closing a written file fails
    int codeRenommer = ES_OK;            // non-zero: RenommerSansRemplacer fails with it
    std::string refusCreation;           // files may not be created in this directory
    std::string cheminProgramme;         // non-empty: the program's path
    std::function<void()> avantRenommer; // runs just before the rename

    int ecritures = 0;
    int creations = 0;

    int Ouvrir(const std::string& chemin, ModeOuverture mode, int& descripteur) override {
        if (mode != ModeOuverture::Lecture) {
            ++creations;
            if (!refusCreation.empty() && RepertoireDe(chemin) == refusCreation + "/") {
                return ES_ACCES_REFUSE;
            }
        }
        return reel_.Ouvrir(chemin, mode, descripteur);
    }
    int Lire(int descripteur, std::int64_t position, char* tampon, std::size_t taille,
             std::size_t& lus) override {
        return reel_.Lire(descripteur, position, tampon, taille, lus);
    }
    int Ecrire(int descripteur, const char* donnees, std::size_t taille) override {
        if (++ecritures == echecEcriture) {
            // A full disk takes part of the data before it refuses.
            reel_.Ecrire(descripteur, donnees, taille / 2);
            return ES_ECRITURE;
        }
        return reel_.Ecrire(descripteur, donnees, taille);
    }
    int Vider(int descripteur) override {
        return echecVider ? ES_ECRITURE : reel_.Vider(descripteur);
    }
    int Fermer(int descripteur) override {
        const int code = reel_.Fermer(descripteur);
        return echecFermer ? ES_ECRITURE : code;
    }
    int RenommerSansRemplacer(const std::string& de, const std::string& vers) override {
        if (avantRenommer) {
            avantRenommer();
        }
        return codeRenommer != ES_OK ? codeRenommer : reel_.RenommerSansRemplacer(de, vers);
    }
    int Supprimer(const std::string& chemin) override { return reel_.Supprimer(chemin); }
    int CreerRepertoire(const std::string& chemin) override {
        return reel_.CreerRepertoire(chemin);
    }
    bool Existe(const std::string& chemin) override { return reel_.Existe(chemin); }
    bool EstRepertoire(const std::string& chemin) override { return reel_.EstRepertoire(chemin); }
    std::string CheminProgramme() override {
        return cheminProgramme.empty() ? reel_.CheminProgramme() : cheminProgramme;
    }

private:
    SystemePosix reel_;
};

} // namespace talix::test
