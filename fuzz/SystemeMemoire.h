#pragma once
// Files held in memory, for the fuzz targets: fast, and nothing touches the disk.

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "texte/SystemeFichiers.h"

namespace talix::fuzz {

class SystemeMemoire final : public SystemeFichiers {
public:
    std::map<std::string, std::string> fichiers;
    std::set<std::string> repertoires{"", "/mem", "/mem/"};

    int Ouvrir(const std::string& chemin, ModeOuverture mode, int& descripteur) override {
        if (repertoires.count(chemin)) {
            return ES_ACCES_REFUSE;
        }
        if (!repertoires.count(RepertoireDe(chemin)) &&
            !repertoires.count(RepertoireDe(chemin).substr(0, RepertoireDe(chemin).size() - 1))) {
            return ES_CHEMIN_INTROUVABLE;
        }
        auto it = fichiers.find(chemin);
        switch (mode) {
        case ModeOuverture::Lecture:
            if (it == fichiers.end()) return ES_FICHIER_INTROUVABLE;
            break;
        case ModeOuverture::CreationEcriture:
            fichiers[chemin].clear();
            break;
        case ModeOuverture::CreationExclusive:
            if (it != fichiers.end()) return ES_FICHIER_EXISTE;
            fichiers[chemin].clear();
            break;
        }
        descripteur = suivant_++;
        ouverts_[descripteur] = chemin;
        return ES_OK;
    }
    int Lire(int descripteur, std::int64_t position, char* tampon, std::size_t taille,
             std::size_t& lus) override {
        lus = 0;
        auto it = ouverts_.find(descripteur);
        if (it == ouverts_.end()) return ES_LECTURE;
        const std::string& contenu = fichiers[it->second];
        if (position < 0) return ES_LECTURE;
        if (static_cast<std::uint64_t>(position) >= contenu.size()) return ES_OK;
        lus = std::min(taille, contenu.size() - static_cast<std::size_t>(position));
        std::memcpy(tampon, contenu.data() + position, lus);
        return ES_OK;
    }
    int Ecrire(int descripteur, const char* donnees, std::size_t taille) override {
        auto it = ouverts_.find(descripteur);
        if (it == ouverts_.end()) return ES_ECRITURE;
        fichiers[it->second].append(donnees, taille);
        return ES_OK;
    }
    int Vider(int descripteur) override { return ouverts_.count(descripteur) ? ES_OK : ES_ECRITURE; }
    int Fermer(int descripteur) override { return ouverts_.erase(descripteur) ? ES_OK : ES_ECRITURE; }
    int RenommerSansRemplacer(const std::string& de, const std::string& vers) override {
        if (fichiers.count(vers)) return ES_FICHIER_EXISTE;
        auto it = fichiers.find(de);
        if (it == fichiers.end()) return ES_FICHIER_INTROUVABLE;
        fichiers[vers] = it->second;
        fichiers.erase(de);
        return ES_OK;
    }
    int Supprimer(const std::string& chemin) override {
        return fichiers.erase(chemin) ? ES_OK : ES_FICHIER_INTROUVABLE;
    }
    int CreerRepertoire(const std::string& chemin) override {
        if (fichiers.count(chemin) || repertoires.count(chemin)) return ES_ACCES_REFUSE;
        repertoires.insert(chemin);
        repertoires.insert(chemin + "/");
        return ES_OK;
    }
    bool Existe(const std::string& chemin) override {
        return fichiers.count(chemin) || repertoires.count(chemin);
    }
    bool EstRepertoire(const std::string& chemin) override { return repertoires.count(chemin); }
    std::string CheminProgramme() override { return "/mem/talix"; }

    std::size_t Ouverts() const { return ouverts_.size(); }

private:
    std::map<int, std::string> ouverts_;
    int suivant_ = 3;
};

} // namespace talix::fuzz
