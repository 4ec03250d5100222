// The text reader and writer of the file layer, and its pending status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Fixtures.h"
#include "support/SystemeDefaillant.h"
#include "texte/CoucheFichiers.h"

namespace talix {
namespace {

using test::EcrireOctets;
using test::LireOctets;
using test::RepertoireTemporaire;

// Every line the reader gives before the end of the file.
std::vector<std::string> LireTout(const std::string& contenu) {
    RepertoireTemporaire rep;
    EcrireOctets(rep.Fichier("f"), contenu);
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    lecteur.Associer(rep.Fichier("f"));
    lecteur.Reinitialiser();
    std::vector<std::string> lignes;
    std::string ligne;
    while (!lecteur.FinDeFichier()) {
        lecteur.LireLigne(ligne);
        lignes.push_back(ligne);
    }
    EXPECT_EQ(couche.LireStatut(), ES_OK);
    return lignes;
}

using Lignes = std::vector<std::string>;

TEST(LecteurTexte, FinsDeLigne) {
    EXPECT_EQ(LireTout("a\r\nb\r\n"), (Lignes{"a", "b"}));
    EXPECT_EQ(LireTout("a\nb"), (Lignes{"a", "b"}));
    EXPECT_EQ(LireTout("a\rb\r\n"), (Lignes{"a\rb"}));     // a lone CR belongs to the line
    EXPECT_EQ(LireTout("a\r\r\n"), (Lignes{"a\r"}));       // only the CR before LF goes
    EXPECT_EQ(LireTout("a\r"), (Lignes{"a\r"}));           // a CR at the end stays
    EXPECT_EQ(LireTout("\r\n\r\nx"), (Lignes{"", "", "x"}));
    EXPECT_EQ(LireTout(""), Lignes{});
    EXPECT_EQ(LireTout("\t x \r\n"), (Lignes{"\t x "}));
}

TEST(LecteurTexte, FinDeFichierAuCtrlZ) {
    EXPECT_EQ(LireTout("a\r\nb\x1A" "c\r\nd\r\n"), (Lignes{"a", "b"}));
    EXPECT_EQ(LireTout("\x1A" "abc"), Lignes{});
    EXPECT_EQ(LireTout("a\r\n\x1A"), (Lignes{"a"}));
}

TEST(LecteurTexte, LignesLonguesCoupeesA255) {
    const std::string longue(300, 'x');
    EXPECT_EQ(LireTout(longue + "\r\nsuite\r\n"), (Lignes{std::string(255, 'x'), "suite"}));
    EXPECT_EQ(LireTout(std::string(255, 'y') + "\r\n"), (Lignes{std::string(255, 'y')}));
    EXPECT_EQ(LireTout(std::string(255, 'y') + "\r\r\n"), (Lignes{std::string(255, 'y')}));
    // A line far longer than the reader's buffer is skipped to its end.
    const std::string enorme(200000, 'z');
    EXPECT_EQ(LireTout(enorme + "\nfin"), (Lignes{std::string(255, 'z'), "fin"}));
}

TEST(LecteurTexte, LigneAChevalSurLeTampon) {
    // A CR LF split across the 64 KiB buffer boundary still ends the line.
    std::string contenu;
    while (contenu.size() < 64 * 1024 - 3) {
        contenu += "ab\r\n";
    }
    contenu.resize(64 * 1024 - 1);
    contenu += "\r\nq\r\n";
    const Lignes lignes = LireTout(contenu);
    ASSERT_FALSE(lignes.empty());
    EXPECT_EQ(lignes.back(), "q");
    for (std::size_t i = 0; i + 2 < lignes.size(); ++i) {
        EXPECT_EQ(lignes[i], "ab") << i;
    }
}

TEST(LecteurTexte, ReinitialiserRevientALaPremiereLigne) {
    RepertoireTemporaire rep;
    EcrireOctets(rep.Fichier("f"), "un\r\ndeux\r\n");
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    lecteur.Associer(rep.Fichier("f"));
    lecteur.Reinitialiser();
    std::string ligne;
    lecteur.LireLigne(ligne);
    lecteur.LireLigne(ligne);
    EXPECT_EQ(ligne, "deux");
    lecteur.LireLigne(ligne); // past the end: the empty text, no failure
    EXPECT_EQ(ligne, "");
    EXPECT_TRUE(lecteur.FinDeFichier());
    lecteur.Reinitialiser();
    lecteur.LireLigne(ligne);
    EXPECT_EQ(ligne, "un");
    EXPECT_EQ(couche.LireStatut(), ES_OK);
}

TEST(LecteurTexte, FichierAbsentLaisseLeCodeEnAttente) {
    RepertoireTemporaire rep;
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    lecteur.Associer(rep.Fichier("absent"));
    lecteur.Reinitialiser();
    EXPECT_EQ(couche.LireStatut(), ES_FICHIER_INTROUVABLE);
    EXPECT_EQ(couche.LireStatut(), ES_OK); // read and cleared
    std::string ligne = "x";
    lecteur.LireLigne(ligne);
    EXPECT_EQ(ligne, "");
    EXPECT_EQ(couche.LireStatut(), ES_FICHIER_NON_OUVERT_LECTURE);
    EXPECT_TRUE(lecteur.FinDeFichier());
    EXPECT_EQ(couche.LireStatut(), ES_FICHIER_NON_OUVERT);

    lecteur.Associer(rep.Fichier("absent/sous"));
    lecteur.Reinitialiser();
    EXPECT_EQ(couche.LireStatut(), ES_CHEMIN_INTROUVABLE);
    lecteur.Associer(rep.Chemin()); // a directory is no file
    lecteur.Reinitialiser();
    EXPECT_EQ(couche.LireStatut(), ES_ACCES_REFUSE);
}

TEST(LecteurTexte, EchecDeLectureSignaleEtFinit) {
    RepertoireTemporaire rep;
    EcrireOctets(rep.Fichier("f"), "un\r\ndeux\r\n");
    test::SystemeDefaillant systeme;
    CoucheFichiers couche(systeme);
    LecteurTexte lecteur(couche);
    lecteur.Associer(rep.Fichier("f"));
    systeme.Programmer(test::Operation::Lire, 1, ES_LECTURE);
    lecteur.Reinitialiser();
    EXPECT_TRUE(lecteur.FinDeFichier());
    EXPECT_EQ(couche.LireStatut(), ES_LECTURE);
}

TEST(StatutEnAttente, LePremierEchecResteJusquALaLecture) {
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    couche.Signaler(ES_FICHIER_INTROUVABLE);
    couche.Signaler(ES_LECTURE);
    EXPECT_EQ(couche.LireStatut(), ES_FICHIER_INTROUVABLE);
    EXPECT_EQ(couche.LireStatut(), ES_OK);
}

TEST(EcrivainTexte, EcritDesLignesCrLf) {
    RepertoireTemporaire rep;
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    EcrivainTexte ecrivain(couche);
    EcrireOctets(rep.Fichier("f"), "ancien contenu plus long");
    ecrivain.Creer(rep.Fichier("f"));
    ecrivain.EcrireLigne("a\xA6");
    ecrivain.Vider();
    ecrivain.EcrireLigne("");
    ecrivain.Fermer();
    EXPECT_EQ(couche.LireStatut(), ES_OK);
    EXPECT_EQ(LireOctets(rep.Fichier("f")), "a\xA6\r\n\r\n");
}

TEST(EcrivainTexte, CreationImpossibleOuExclusiveSignalee) {
    RepertoireTemporaire rep;
    SystemePosix systeme;
    CoucheFichiers couche(systeme);
    EcrivainTexte ecrivain(couche);
    ecrivain.Creer(rep.Fichier("absent/f"));
    EXPECT_EQ(couche.LireStatut(), ES_CHEMIN_INTROUVABLE);
    ecrivain.EcrireLigne("x");
    EXPECT_EQ(couche.LireStatut(), ES_FICHIER_NON_OUVERT_ECRITURE);

    EcrireOctets(rep.Fichier("existe"), "garde");
    ecrivain.Creer(rep.Fichier("existe"), true);
    EXPECT_EQ(couche.LireStatut(), ES_FICHIER_EXISTE);
    EXPECT_EQ(LireOctets(rep.Fichier("existe")), "garde");
}

TEST(EcrivainTexte, EchecDEcritureSignale) {
    RepertoireTemporaire rep;
    test::SystemeDefaillant systeme;
    CoucheFichiers couche(systeme);
    EcrivainTexte ecrivain(couche);
    systeme.Programmer(test::Operation::Ecrire, 2, ES_ECRITURE);
    ecrivain.Creer(rep.Fichier("f"));
    ecrivain.EcrireLigne("un");
    ecrivain.Vider();
    EXPECT_EQ(couche.LireStatut(), ES_OK);
    ecrivain.EcrireLigne("deux");
    ecrivain.Vider();
    EXPECT_EQ(couche.LireStatut(), ES_ECRITURE);
    ecrivain.Fermer();
    EXPECT_EQ(LireOctets(rep.Fichier("f")), "un\r\n");
}

} // namespace
} // namespace talix
