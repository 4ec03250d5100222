#pragma once
// A file layer that fails on purpose: it passes every operation to the real files, except
// the Nth operation of a chosen kind, which fails with a chosen code.

#include <algorithm>
#include <string>

#include "texte/SystemeFichiers.h"

namespace talix::test {

enum class Operation { Ouvrir, Lire, Ecrire, Vider, Fermer, Renommer, Supprimer, CreerRepertoire };

class SystemeDefaillant final : public SystemeFichiers {
public:
    // Fails the `rang`-th (1-based) operation of kind `operation` with `code`; with
    // `toutesLesSuivantes`, every later one of that kind fails too. `rang` 0 fails nothing.
    void Programmer(Operation operation, int rang, int code, bool toutesLesSuivantes = false) {
        operation_ = operation;
        rang_ = rang;
        code_ = code;
        suivantes_ = toutesLesSuivantes;
        compte_ = 0;
    }
    // How many operations of the programmed kind were seen.
    int Compte() const { return compte_; }
    // A read that delivers fewer bytes than asked, without an error (a short read).
    void LecturesTronqueesA(std::size_t octets) { lectureMax_ = octets; }

    int Ouvrir(const std::string& chemin, ModeOuverture mode, int& descripteur) override {
        if (Echoue(Operation::Ouvrir)) return code_;
        return reel_.Ouvrir(chemin, mode, descripteur);
    }
    int Lire(int descripteur, std::int64_t position, char* tampon, std::size_t taille,
             std::size_t& lus) override {
        lus = 0;
        if (Echoue(Operation::Lire)) return code_;
        return reel_.Lire(descripteur, position, tampon, std::min(taille, lectureMax_), lus);
    }
    int Ecrire(int descripteur, const char* donnees, std::size_t taille) override {
        if (Echoue(Operation::Ecrire)) return code_;
        return reel_.Ecrire(descripteur, donnees, taille);
    }
    int Vider(int descripteur) override {
        if (Echoue(Operation::Vider)) return code_;
        return reel_.Vider(descripteur);
    }
    int Fermer(int descripteur) override {
        // The descriptor is released even when the close "fails", as on POSIX.
        const bool echec = Echoue(Operation::Fermer);
        const int code = reel_.Fermer(descripteur);
        return echec ? code_ : code;
    }
    int RenommerSansRemplacer(const std::string& de, const std::string& vers) override {
        if (Echoue(Operation::Renommer)) return code_;
        return reel_.RenommerSansRemplacer(de, vers);
    }
    int Supprimer(const std::string& chemin) override {
        if (Echoue(Operation::Supprimer)) return code_;
        return reel_.Supprimer(chemin);
    }
    int CreerRepertoire(const std::string& chemin) override {
        if (Echoue(Operation::CreerRepertoire)) return code_;
        return reel_.CreerRepertoire(chemin);
    }
    bool Existe(const std::string& chemin) override { return reel_.Existe(chemin); }
    bool EstRepertoire(const std::string& chemin) override { return reel_.EstRepertoire(chemin); }
    std::string CheminProgramme() override { return reel_.CheminProgramme(); }

private:
    bool Echoue(Operation operation) {
        if (operation != operation_ || rang_ <= 0) {
            return false;
        }
        ++compte_;
        return compte_ == rang_ || (suivantes_ && compte_ > rang_);
    }

    SystemePosix reel_;
    Operation operation_ = Operation::Ouvrir;
    int rang_ = 0;
    int code_ = ES_ACCES_REFUSE;
    bool suivantes_ = false;
    int compte_ = 0;
    std::size_t lectureMax_ = static_cast<std::size_t>(-1);
};

} // namespace talix::test
