// Steps to the preceding and the following grade.
#include "BancRecherche.h"

#include <cstdio>

namespace talix::test {
namespace {

class Nuances : public BancRecherche {
protected:
    // One step; returns the windows it showed and checks that the flag was cleared.
    Liste Suivante() {
        fenetres.Effacer();
        recherche.NuanceSuivante(recherche.TypeRecherche);
        EXPECT_FALSE(recherche.DeplacementEnCours);
        return Noms();
    }
    Liste Precedente() {
        fenetres.Effacer();
        recherche.NuancePrecedente(recherche.TypeRecherche);
        EXPECT_FALSE(recherche.DeplacementEnCours);
        return Noms();
    }
    void Designation(const std::string& texte) {
        recherche.TypeRecherche = 0;
        recherche.RechercheDesignation(texte);
    }
};

const std::vector<std::string> IndexPas = {
    LigneDesignationIndex("A1", 100, 1, 1), // 1
    LigneDesignationIndex("B2", 200, 2, 3), // 2
    LigneDesignationIndex("C3", 100, 3, 4), // 3
    LigneDesignationIndex("D4", 100, 4, 5), // 4
    LigneDureteIndex(150, 100, 5),          // 5
};

TEST_F(Nuances, ForwardThroughTheSectionThenEndOfData) {
    Installer(IndexPas);
    Designation("B2");
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R3");
    EXPECT_EQ(base.NumFicheCourante, 3);
    EXPECT_EQ(LignesJaunes(), (std::vector<int>{4})); // the step's own column
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(Affichee(), "R4");
    // The next selected line is a hardness line: the grade stays.
    EXPECT_EQ(Suivante(), (Liste{FinDonnees}));
    EXPECT_EQ(recherche.LigneCourante, 4);
    EXPECT_EQ(Affichee(), "R4");
    EXPECT_EQ(base.NumFicheCourante, 4);
    // The reader is at the end now: every forward step ends the same way.
    EXPECT_EQ(Suivante(), (Liste{FinDonnees}));
    EXPECT_EQ(Suivante(), (Liste{FinDonnees}));
    // A backward step rewinds.
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R3");
}

TEST_F(Nuances, BackwardFromLineOne) {
    Installer(IndexPas);
    Designation("A1");
    EXPECT_EQ(Precedente(), (Liste{DebutDonnees}));
    EXPECT_EQ(recherche.LigneCourante, 1);
    EXPECT_EQ(Affichee(), "R1");
    // One line was read: forward goes on from line 2.
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Affichee(), "R2");
}

TEST_F(Nuances, BackwardWithoutEarlierLineOfTheFamily) {
    Installer(IndexPas);
    recherche.FamilleChoisie = 200;
    Designation("B2");
    EXPECT_EQ(Precedente(), (Liste{DebutDonnees}));
    EXPECT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Affichee(), "R2");
    // As if no backward step had been made: nothing of family 200 follows.
    EXPECT_EQ(Suivante(), (Liste{FinDonnees}));
    EXPECT_EQ(recherche.LigneCourante, 2);
}

TEST_F(Nuances, OnlyLinesOfTheSelectedFamily) {
    Installer(IndexPas);
    recherche.FamilleChoisie = 100;
    Designation("A1");
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 3); // line 2 is of family 200
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 1);
}

// The regression case of the forward count: family 200 on lines 20, 30 and 35 only.
TEST_F(Nuances, ForwardCountsFromWhereTheReaderStands) {
    std::vector<std::string> lignes;
    for (int n = 1; n <= 40; ++n) {
        const std::string cle = "K" + std::string(n < 10 ? "0" : "") + std::to_string(n);
        const bool choisie = n == 20 || n == 30 || n == 35;
        lignes.push_back(LigneDesignationIndex(cle, choisie ? 200 : 100, n, 1));
    }
    lignes.push_back(LigneDureteIndex(150, 200, 41));
    Installer(lignes, 41);
    recherche.FamilleChoisie = 200;
    Designation("K30");
    ASSERT_EQ(Noms(), Liste{});
    ASSERT_EQ(recherche.LigneCourante, 30);
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 20);
    EXPECT_EQ(Affichee(), "R20");
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 30);
    EXPECT_EQ(Affichee(), "R30");
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 35);
    EXPECT_EQ(Affichee(), "R35");
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 30);
    EXPECT_EQ(Affichee(), "R30");
}

TEST_F(Nuances, ForwardAfterAReplacementNumbersTheLineItShows) {
    // The search shows line 3 in place of "D4" but its reader stands after line 4.
    Installer({LigneDesignationIndex("A1", 100, 1, 1), LigneDesignationIndex("B2", 200, 2, 1),
               LigneDesignationIndex("C3", 100, 3, 1), LigneDesignationIndex("D4", 200, 4, 1),
               LigneDesignationIndex("E5", 100, 5, 1), LigneDureteIndex(150, 800, 6)});
    recherche.FamilleChoisie = 100;
    Designation("D4");
    ASSERT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 5);
    EXPECT_EQ(Affichee(), "R5");
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R3");
}

TEST_F(Nuances, HardnessStepsWalkTheSectionInFileOrder) {
    Installer({LigneDesignationIndex("A1", 200, 1, 1), LigneDureteIndex(150, 200, 2),
               LigneDureteIndex(170, 100, 3), LigneDureteIndex(200, 200, 4),
               LigneDureteIndex(250, 200, 5), LigneElasticiteIndex(100, 200, 6)});
    recherche.FamilleChoisie = 200;
    recherche.TypeRecherche = 1;
    recherche.RechercheDurete("180"); // 200 stands in
    ASSERT_EQ(recherche.LigneCourante, 4);
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(Affichee(), "R5");
    EXPECT_EQ(LignesJaunes(), (std::vector<int>{13}));
    EXPECT_EQ(Suivante(), (Liste{FinDonnees})); // the yield line is of another section
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(Affichee(), "R4");
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(Affichee(), "R2");
    EXPECT_EQ(recherche.LigneCourante, 2);
    // No earlier hardness line: one more line is read, the grade stays.
    EXPECT_EQ(Precedente(), (Liste{DebutDonnees}));
    EXPECT_EQ(Affichee(), "R2");
}

TEST_F(Nuances, TensileStepsOnlyOverMatchingRanges) {
    Installer({LigneDesignationIndex("A1", 200, 1, 1), LigneResistanceIndex(540, 700, 200, 2),
               LigneResistanceIndex(100, 200, 200, 3), LigneResistanceIndex(450, 520, 200, 4),
               LigneResistanceIndex(800, 900, 200, 5)});
    recherche.TypeRecherche = 2;
    recherche.RechercheResistance("500", "50");
    ASSERT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Suivante(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 4);
    EXPECT_EQ(Affichee(), "R4");
    EXPECT_EQ(Suivante(), (Liste{FinDonnees}));
    EXPECT_EQ(Affichee(), "R4");
    EXPECT_EQ(Precedente(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Affichee(), "R2");
    EXPECT_EQ(recherche.ResistanceCherchee, 500);
    EXPECT_EQ(recherche.ToleranceResistance, 50);
}

// --- Failures ---

TEST_F(Nuances, NegativeLineFailsTheForwardStep) {
    Installer(IndexPas);
    Designation("A1");
    base.DetailErreurBase = "avant";
    recherche.LigneCourante = -3;
    EXPECT_EQ(Suivante(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "avant");
    EXPECT_EQ(Affichee(), "R1");
}

TEST_F(Nuances, EmptyLineBeforeTheCurrentOneFailsTheBackwardStep) {
    Installer({LigneDesignationIndex("A1", 100, 1, 1), "", LigneDesignationIndex("C3", 100, 3, 1)});
    Designation("C3");
    ASSERT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Precedente(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "Base Vide(Index)");
}

TEST_F(Nuances, IndexShorterThanTheCurrentLine) {
    Installer(IndexPas);
    Designation("A1");
    recherche.LigneCourante = 40;
    EXPECT_EQ(Precedente(), (Liste{DebutDonnees}));
    EXPECT_EQ(recherche.LigneCourante, 40);
}

TEST_F(Nuances, IndexRemovedBetweenSearchAndStep) {
    Installer(IndexPas);
    Designation("B2");
    std::remove(repertoire.Fichier(NomIndex).c_str());
    EXPECT_EQ(Precedente(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(),
              "erreur de reinitialisation du fichier d'index : rechercheNuancePrecedente");
    EXPECT_EQ(Suivante(), Liste{}); // the application is ending: nothing more shows
}

TEST_F(Nuances, PendingStatusAtTheStartOfTheForwardStep) {
    Installer(IndexPas);
    Designation("B2");
    base.Couche().Signaler(ES_LECTURE);
    EXPECT_EQ(Suivante().front(), ErreurBase);
    EXPECT_EQ(DetailErreur(), "erreur de reinitialisation du fichier");
}

TEST_F(Nuances, ReadFailureDuringTheBackwardStep) {
    Installer(IndexPas);
    Designation("D4");
    // Reads of one line each (12 bytes): the second read fails between lines 1 and 2.
    systeme.LecturesTronqueesA(12);
    systeme.Programmer(test::Operation::Lire, 2, ES_LECTURE);
    EXPECT_EQ(Precedente().front(), ErreurBase);
    EXPECT_EQ(DetailErreur(), "erreur de lecture du fichier d'index");
}

// A step that opens a modal window is still running: the flag tells the step commands.
class FenetresQuiNotentLeDrapeau final : public Fenetres {
public:
    void MontrerModale(Fenetre, const std::string&) override { vus.push_back(*drapeau); }
    void Message(const std::string&) override {}
    void DemanderFin() override {}
    const bool* drapeau = nullptr;
    std::vector<bool> vus;
};

TEST(DeplacementEnCours, SetOnlyWhileAStepRuns) {
    RepertoireTemporaire repertoire;
    EcrireIndex(repertoire.Chemin(), {LigneDesignationIndex("A1", 100, 1, 1)});
    EcrireBase(repertoire.Chemin(), {FicheDe({"R1"})});
    SystemePosix systeme;
    FenetresQuiNotentLeDrapeau fenetres;
    Base base(systeme, fenetres, repertoire.Chemin());
    Feuilles feuilles;
    Recherche recherche(base, feuilles);
    fenetres.drapeau = &recherche.DeplacementEnCours;
    base.OuvrirFichiers();
    recherche.RechercheDesignation("B");  // not found: a notice outside any step
    recherche.NuancePrecedente(0);       // line 1: "Beginning of data"
    recherche.NuanceSuivante(0);         // nothing follows: "End of data"
    EXPECT_EQ(fenetres.vus, (std::vector<bool>{false, true, true}));
    EXPECT_FALSE(recherche.DeplacementEnCours);
}

TEST_F(Nuances, BaseFileGoneEndsTheStepAtOnce) {
    Installer(IndexPas);
    Designation("A1");
    std::remove(repertoire.Fichier(NomBase).c_str());
    EXPECT_THROW(recherche.NuanceSuivante(0), ArretImmediat);
    EXPECT_FALSE(recherche.DeplacementEnCours);
    EXPECT_EQ(fenetres.messages, (Liste{"Code du Reset = 2"}));
    EXPECT_TRUE(base.FinDemandee());
}

// --- Steps always end ---

TEST_F(Nuances, StepsOnGarbageAlwaysEnd) {
    std::string octets;
    std::uint32_t graine = 12345;
    for (int i = 0; i < 4000; ++i) {
        graine = graine * 1103515245u + 12345u;
        octets.push_back(static_cast<char>((graine >> 16) & 0xFF));
    }
    InstallerOctets(octets);
    for (std::int32_t type = 0; type <= 3; ++type) {
        recherche.TypeRecherche = type;
        recherche.LigneCourante = 7;
        recherche.NuanceSuivante(type);
        recherche.NuancePrecedente(type);
        recherche.NuanceSuivante(type);
        EXPECT_FALSE(recherche.DeplacementEnCours);
    }
}

TEST_F(Nuances, SearchesOnGarbageAlwaysEnd) {
    std::string octets;
    std::uint32_t graine = 777;
    for (int i = 0; i < 4000; ++i) {
        graine = graine * 1103515245u + 12345u;
        const char c = static_cast<char>((graine >> 16) & 0xFF);
        octets.push_back(c == 0x1A ? 'x' : c); // all of it is read
    }
    for (const char* saisi : {"", "A", "zzz", "150", "99999"}) {
        InstallerOctets(octets);
        recherche.FamilleChoisie = 100;
        recherche.RechercheDesignation(saisi);
        recherche.RechercheDurete(saisi);
        recherche.RechercheElasticite(saisi);
        recherche.RechercheResistance(saisi, "50");
        for (const auto& m : fenetres.montrees) {
            EXPECT_NE(m.fenetre, Fenetre::TFicheErreur);
        }
    }
}

} // namespace
} // namespace talix::test
