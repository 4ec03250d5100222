#include "support/Fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "database/Base.h"

namespace talix::test {

RepertoireTemporaire::RepertoireTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "talix-test-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    chemin_ = modele;
}

RepertoireTemporaire::~RepertoireTemporaire() {
    std::error_code erreur;
    // Tests may leave read-only directories behind; give write access back first.
    for (auto it = std::filesystem::recursive_directory_iterator(chemin_, erreur);
         !erreur && it != std::filesystem::recursive_directory_iterator(); it.increment(erreur)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, erreur);
    }
    std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, erreur);
    std::filesystem::remove_all(chemin_, erreur);
}

std::string Cadre(const std::string& texte, std::size_t largeur) {
    std::string r = texte.substr(0, largeur);
    r.resize(largeur, ' ');
    return r;
}

std::string ADroite(const std::string& texte, std::size_t largeur) {
    if (texte.size() >= largeur) {
        return texte.substr(texte.size() - largeur);
    }
    return std::string(largeur - texte.size(), ' ') + texte;
}

Fiche FicheDe(const std::vector<std::string>& designations, const std::string& famille) {
    Fiche f = FicheBlanche();
    std::string* champs[] = {&f.Afnor, &f.Werkstoff, &f.Din,  &f.Bs,   &f.Aisi, &f.Uns,
                             &f.Nature, &f.Des1,     &f.Des2, &f.Des3, &f.Des4, &f.Des5};
    for (std::size_t i = 0; i < designations.size() && i < 12; ++i) {
        *champs[i] = Cadre(designations[i], CapDesignation);
    }
    f.Famille = Cadre(famille, CapFamille);
    for (Teneur& t : f.Chimie) {
        t.Min = TeneurVide;
        t.Max = TeneurVide;
    }
    return f;
}

void EcrireOctets(const std::string& chemin, const std::string& donnees) {
    std::ofstream sortie(chemin, std::ios::binary | std::ios::trunc);
    sortie.write(donnees.data(), static_cast<std::streamsize>(donnees.size()));
    if (!sortie) {
        throw std::runtime_error("cannot write " + chemin);
    }
}

std::string LireOctets(const std::string& chemin) {
    std::ifstream entree(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << entree.rdbuf();
    return contenu.str();
}

void EcrireBase(const std::string& repertoire, const std::vector<Fiche>& fiches) {
    std::string donnees;
    for (const Fiche& f : fiches) {
        donnees += EncoderFiche(f);
    }
    EcrireOctets(repertoire + "/" + NomBase, donnees);
}

void EcrireIndex(const std::string& repertoire, const std::vector<std::string>& lignes,
                 const std::string& fin) {
    std::string donnees;
    for (const std::string& l : lignes) {
        donnees += l + fin;
    }
    EcrireOctets(repertoire + "/" + NomIndex, donnees);
}

namespace {
std::string Renvoi(std::int32_t fiche, std::int32_t colonne) {
    std::string col = std::to_string(colonne);
    if (col.size() < 2) {
        col = "0" + col;
    }
    return std::to_string(fiche) + col;
}
} // namespace

std::string LigneDesignationIndex(const std::string& cle, std::int32_t famille,
                                  std::int32_t fiche, std::int32_t colonne) {
    return cle + " " + std::to_string(famille) + " " + Renvoi(fiche, colonne);
}

std::string LigneDureteIndex(std::int32_t valeur, std::int32_t famille, std::int32_t fiche,
                             std::int32_t colonne) {
    return "dur " + std::to_string(valeur) + " " + std::to_string(famille) + " " +
           Renvoi(fiche, colonne);
}

std::string LigneElasticiteIndex(std::int32_t valeur, std::int32_t famille, std::int32_t fiche,
                                 std::int32_t colonne) {
    return "ela " + std::to_string(valeur) + " " + std::to_string(famille) + " " +
           Renvoi(fiche, colonne);
}

std::string LigneResistanceIndex(std::int32_t min, std::int32_t max, std::int32_t famille,
                                 std::int32_t fiche, std::int32_t colonne) {
    return "res " + std::to_string(min) + " " + std::to_string(max) + " " +
           std::to_string(famille) + " " + Renvoi(fiche, colonne);
}

} // namespace talix::test
