// The reader's lines as views (LireLigneVue): the same lines as the reading rules give,
// wherever a line falls against the buffer's halves, and a view that outlives the refill
// FinDeFichier makes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/Fixtures.h"
#include "texte/CoucheFichiers.h"

namespace talix {
namespace {

using test::EcrireOctets;
using test::RepertoireTemporaire;
using Lignes = std::vector<std::string>;

constexpr std::size_t Tampon = 64 * 1024;

// The reading rules, written plainly: the file ends at 0x1A; LF ends a line and takes the
// CR before it; a line keeps 255 characters; an empty last piece is no line.
Lignes Modele(std::string contenu) {
    if (const auto z = contenu.find('\x1A'); z != std::string::npos) {
        contenu.resize(z);
    }
    Lignes lignes;
    std::size_t debut = 0;
    while (debut < contenu.size()) {
        const auto lf = contenu.find('\n', debut);
        std::string ligne =
            contenu.substr(debut, (lf == std::string::npos ? contenu.size() : lf) - debut);
        if (lf != std::string::npos && !ligne.empty() && ligne.back() == '\r') {
            ligne.pop_back();
        }
        lignes.push_back(ligne.substr(0, 255));
        debut = lf == std::string::npos ? contenu.size() : lf + 1;
    }
    return lignes;
}

// Every line, read as views (copied at once) or into a text.
Lignes Lire(const std::string& contenu, bool vues) {
    RepertoireTemporaire rep;
    EcrireOctets(rep.Fichier("f"), contenu);
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    lecteur.Associer(rep.Fichier("f"));
    lecteur.Reinitialiser();
    Lignes lignes;
    std::string ligne;
    while (!lecteur.FinDeFichier()) {
        if (vues) {
            lignes.emplace_back(lecteur.LireLigneVue());
        } else {
            lecteur.LireLigne(ligne);
            lignes.push_back(ligne);
        }
    }
    EXPECT_EQ(couche.LireStatut(), ES_OK);
    return lignes;
}

void Verifier(const std::string& contenu, const std::string& cas) {
    const Lignes attendu = Modele(contenu);
    EXPECT_EQ(Lire(contenu, true), attendu) << cas;
    EXPECT_EQ(Lire(contenu, false), attendu) << cas;
}

// Filler of `taille` bytes (at least 10): one long line, then a short one that ends just
// before byte `taille`, where what follows starts.
std::string Remplissage(std::size_t taille) {
    return std::string(taille - 10, 'r') + "\n12345678\n";
}

TEST(LecteurTexteVue, LignesAuxBordsDesMoities) {
    // Each awkward line starting a few bytes before the end of the first and second half.
    const std::vector<std::string> lignes = {
        "abc\r\n",  "\r\n",  "\n", "a\rb\r\n", std::string(255, 'x') + "\r\n",
        std::string(256, 'x') + "\r\n", std::string(257, 'y') + "\r\n",
        std::string(300, 'z') + "\n", "x\r\r\n", "fin\x1A" "cache\r\n",
    };
    for (const std::size_t moitie : {Tampon, 2 * Tampon}) {
        for (const std::size_t recul : {0, 1, 2, 3, 256, 257, 258}) {
            for (std::size_t k = 0; k < lignes.size(); ++k) {
                const std::string contenu =
                    Remplissage(moitie - recul) + lignes[k] + "suite\r\nder";
                Verifier(contenu, "moitie " + std::to_string(moitie) + " recul " +
                                      std::to_string(recul) + " ligne " + std::to_string(k));
            }
        }
    }
}

TEST(LecteurTexteVue, LignePlusLongueQueLeTampon) {
    Verifier(std::string(3 * Tampon + 17, 'w') + "\r\nq\r\n", "trois moities");
    Verifier("a\n" + std::string(2 * Tampon, 'w'), "sans fin de ligne");
}

TEST(LecteurTexteVue, MelangeDeterministe) {
    std::uint64_t etat = 12345;
    auto suivant = [&etat] {
        etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(etat >> 33);
    };
    std::string contenu;
    while (contenu.size() < 3 * Tampon) {
        const std::uint32_t r = suivant() % 100;
        const std::size_t longueur = r < 80 ? suivant() % 40 : r < 95 ? 250 + suivant() % 10 : 1000;
        for (std::size_t i = 0; i < longueur; ++i) {
            const std::uint32_t c = suivant() % 30;
            contenu += c == 0 ? '\r' : static_cast<char>('a' + c % 26);
        }
        contenu += suivant() % 2 ? "\r\n" : "\n";
    }
    Verifier(contenu, "melange");
}

TEST(LecteurTexteVue, LaVueSurvitAuRemplissageDeFinDeFichier) {
    // The first line ends exactly at the end of the first half: FinDeFichier then fills
    // the other half, and the view of the first line is still its text.
    const std::string premiere = std::string(Tampon - 2, 'p').replace(0, 3, "deb");
    RepertoireTemporaire rep;
    EcrireOctets(rep.Fichier("f"), premiere + "\r\nseconde\r\n");
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    lecteur.Associer(rep.Fichier("f"));
    lecteur.Reinitialiser();
    ASSERT_FALSE(lecteur.FinDeFichier());
    const std::string_view vue = lecteur.LireLigneVue();
    EXPECT_FALSE(lecteur.FinDeFichier()); // refills
    EXPECT_EQ(vue, premiere.substr(0, 255));
    EXPECT_EQ(lecteur.LireLigneVue(), "seconde");
    EXPECT_TRUE(lecteur.FinDeFichier());
}

TEST(LecteurTexteVue, LecteurFerme) {
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    EXPECT_EQ(lecteur.LireLigneVue(), "");
    EXPECT_EQ(couche.LireStatut(), ES_FICHIER_NON_OUVERT_LECTURE);
}

} // namespace
} // namespace talix
