// Cutting raw records into alloy records, and reading records of the base file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

#include "database/Base.h"
#include "session/Enregistreurs.h"
#include "support/Fixtures.h"
#include "support/SystemeDefaillant.h"

namespace talix {
namespace {

using test::EcrireOctets;
using test::RepertoireTemporaire;

struct Zone {
    std::size_t debut;
    std::size_t longueur;
    std::function<const std::string&(const Fiche&)> champ;
    const char* nom;
};

// The raw layout, field by field.
const std::vector<Zone>& Disposition() {
    static const std::vector<Zone> zones = [] {
        std::vector<Zone> z = {
            {0, 28, [](const Fiche& f) -> const std::string& { return f.Afnor; }, "Afnor"},
            {28, 28, [](const Fiche& f) -> const std::string& { return f.Werkstoff; }, "Werkstoff"},
            {56, 28, [](const Fiche& f) -> const std::string& { return f.Din; }, "Din"},
            {84, 28, [](const Fiche& f) -> const std::string& { return f.Bs; }, "Bs"},
            {112, 28, [](const Fiche& f) -> const std::string& { return f.Aisi; }, "Aisi"},
            {140, 28, [](const Fiche& f) -> const std::string& { return f.Uns; }, "Uns"},
            {168, 28, [](const Fiche& f) -> const std::string& { return f.Nature; }, "Nature"},
            {196, 28, [](const Fiche& f) -> const std::string& { return f.Des1; }, "Des1"},
            {224, 28, [](const Fiche& f) -> const std::string& { return f.Des2; }, "Des2"},
            {252, 28, [](const Fiche& f) -> const std::string& { return f.Des3; }, "Des3"},
            {280, 28, [](const Fiche& f) -> const std::string& { return f.Des4; }, "Des4"},
            {308, 28, [](const Fiche& f) -> const std::string& { return f.Des5; }, "Des5"},
            {336, 28, [](const Fiche& f) -> const std::string& { return f.Reserve; }, "Reserve"},
            {364, 3, [](const Fiche& f) -> const std::string& { return f.Famille; }, "Famille"},
            {619, 20, [](const Fiche& f) -> const std::string& { return f.Commentaire; }, "Commentaire"},
            {639, 5, [](const Fiche& f) -> const std::string& { return f.Densite; }, "Densite"},
            {708, 3, [](const Fiche& f) -> const std::string& { return f.Etat3; }, "Etat3"},
            {711, 4, [](const Fiche& f) -> const std::string& { return f.Chauffe3; }, "Chauffe3"},
        };
        const std::size_t largeurs[] = {3, 9, 4, 4, 4, 2, 6};
        for (std::size_t rangee = 0; rangee < 2; ++rangee) {
            std::size_t pos = 644 + 32 * rangee;
            for (std::size_t k = 0; k < 7; ++k) {
                z.push_back({pos, largeurs[k],
                             [rangee, k](const Fiche& f) -> const std::string& {
                                 const EtatMeca& e = f.Meca[rangee];
                                 const std::string* c[] = {&e.Etat,  &e.Chauffe, &e.RmMin,
                                                           &e.RmMax, &e.Rp02Min, &e.AMin,
                                                           &e.DureteMax};
                                 return *c[k];
                             },
                             "Meca"});
                pos += largeurs[k];
            }
        }
        // Composition pairs in the raw order C Si Mn P S Cr Mo Ni V Al Cu Ti Co W Nb N Fe Mg
        // Pb Sn Zn.
        const Element ordre[] = {C,  Si, Mn, P,  S,  Cr, Mo, Ni, V,  Al, Cu,
                                 Ti, Co, W,  Nb, N,  Fe, Mg, Pb, Sn, Zn};
        for (std::size_t k = 0; k < 21; ++k) {
            const Element e = ordre[k];
            z.push_back({367 + 12 * k, 6,
                         [e](const Fiche& f) -> const std::string& { return f.Chimie[e].Min; },
                         "Min"});
            z.push_back({373 + 12 * k, 6,
                         [e](const Fiche& f) -> const std::string& { return f.Chimie[e].Max; },
                         "Max"});
        }
        return z;
    }();
    return zones;
}

// A raw record in which every byte tells its own offset.
std::string BrutNumerote() {
    std::string brut(TailleFicheBrute, ' ');
    for (std::size_t i = 0; i < brut.size(); ++i) {
        brut[i] = static_cast<char>(i * 7 % 251);
    }
    return brut;
}

TEST(AnalyserFiche, ChaqueChampVientDeSaZone) {
    const std::string brut = BrutNumerote();
    const Fiche f = AnalyserFiche(brut.data());
    std::size_t couverts = 0;
    for (const Zone& z : Disposition()) {
        EXPECT_EQ(z.champ(f), brut.substr(z.debut, z.longueur)) << z.nom << " at " << z.debut;
        couverts += z.longueur;
    }
    EXPECT_EQ(couverts, TailleFicheBrute - 10);
}

TEST(AnalyserFiche, PairesDeCompositionDansLOrdreBrut) {
    std::string brut(TailleFicheBrute, ' ');
    brut.replace(367, 6, "CCCCCC");        // pair 0
    brut.replace(367 + 12 * 9, 6, "AAAAAA"); // pair 9
    brut.replace(367 + 12 * 15 + 6, 6, "NNNNNN"); // pair 15, maximum
    const Fiche f = AnalyserFiche(brut.data());
    EXPECT_EQ(f.Chimie[2].Min, "CCCCCC");
    EXPECT_EQ(f.Chimie[0].Min, "AAAAAA");
    EXPECT_EQ(f.Chimie[1].Max, "NNNNNN");
    EXPECT_EQ(f.Chimie[1].Min, "      ");
}

TEST(AnalyserFiche, LesDixDerniersOctetsSontIgnores) {
    std::string brut = BrutNumerote();
    const Fiche a = AnalyserFiche(brut.data());
    brut.replace(715, 10, "XXXXXXXXXX");
    EXPECT_EQ(AnalyserFiche(brut.data()), a);
    const std::string blancs(TailleFicheBrute, ' ');
    EXPECT_EQ(AnalyserFiche(blancs.data()), FicheBlanche());
}

TEST(EncoderFiche, AllerRetourParLeLecteurEtLeDecodage) {
    Fiche f = test::FicheDe({"X5CrNi18-10", "1.4301", "", "304S31~"}, "200");
    f.Chimie[Cr] = {"17.500", "19.500"};
    f.Meca[1].DureteMax = "   215";
    f.Commentaire = test::Cadre("Fe=rem \xB0", CapCommentaire);
    f.Reserve = std::string(27, ' ') + '\0';
    const std::string brut = EncoderFiche(f);
    ASSERT_EQ(brut.size(), TailleFicheBrute);
    EXPECT_EQ(brut[0], 'X' - 1);
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    Base base(systeme, fenetres);
    EXPECT_EQ(base.DecoderFiche(AnalyserFiche(brut.data())), f);
}

// A base of `n` records whose Afnor field says their number.
class LectureBase : public testing::Test {
protected:
    void Ecrire(int n, const std::string& queue = {}) {
        std::string donnees;
        for (int i = 1; i <= n; ++i) {
            donnees += EncoderFiche(test::FicheDe({"R" + std::to_string(i)}));
        }
        EcrireOctets(rep.Fichier(NomBase), donnees + queue);
    }
    std::string AfnorLu(std::int32_t numero) {
        return base.DecoderFiche(base.LireFiche(numero)).Afnor;
    }

    RepertoireTemporaire rep;
    test::SystemeDefaillant systeme;
    FenetresEnregistreuses fenetres;
    Base base{systeme, fenetres, rep.Chemin()};
};

TEST_F(LectureBase, PremiereEtDerniereFiche) {
    Ecrire(3);
    EXPECT_EQ(AfnorLu(1), test::Cadre("R1", 28));
    EXPECT_EQ(base.NumFicheCourante, 1);
    EXPECT_EQ(AfnorLu(3), test::Cadre("R3", 28));
    EXPECT_EQ(AfnorLu(2), test::Cadre("R2", 28));
    EXPECT_TRUE(fenetres.montrees.empty());
    EXPECT_FALSE(base.FinDemandee());
}

TEST_F(LectureBase, NumeroNulOuNegatifDonneLaFicheBlanche) {
    Ecrire(2);
    for (std::int32_t n : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(base.LireFiche(n), FicheBlanche()) << n;
        EXPECT_EQ(base.NumFicheCourante, n);
    }
    EXPECT_TRUE(fenetres.montrees.empty());
}

TEST_F(LectureBase, UnAuDelaDeLaFinMontreLErreurDeBase) {
    Ecrire(3);
    EXPECT_EQ(base.LireFiche(4), FicheBlanche());
    EXPECT_EQ(base.NumFicheCourante, 4);
    ASSERT_EQ(fenetres.montrees.size(), 1u);
    EXPECT_EQ(fenetres.montrees[0].fenetre, Fenetre::TErreurBase1);
    EXPECT_EQ(fenetres.montrees[0].detail, "Erreur de lecture de la base : lecture Fiche");
    EXPECT_TRUE(base.FinDemandee()); // dismissing it ends the application
    EXPECT_EQ(fenetres.finsDemandees, 1);
}

TEST_F(LectureBase, NumeroMaximalNeLitRienHorsDuFichier) {
    Ecrire(1);
    EXPECT_EQ(base.LireFiche(std::numeric_limits<std::int32_t>::max()), FicheBlanche());
    ASSERT_EQ(fenetres.montrees.size(), 1u);
    EXPECT_EQ(fenetres.montrees[0].detail, "Erreur de lecture de la base : lecture Fiche");
}

TEST_F(LectureBase, FicheFinalePartielleCompteCommeAbsente) {
    Ecrire(2, std::string(724, 'x'));
    EXPECT_EQ(AfnorLu(2), test::Cadre("R2", 28));
    EXPECT_TRUE(fenetres.montrees.empty());
    EXPECT_EQ(base.LireFiche(3), FicheBlanche());
    ASSERT_EQ(fenetres.montrees.size(), 1u);
    EXPECT_EQ(fenetres.montrees[0].fenetre, Fenetre::TErreurBase1);
}

TEST_F(LectureBase, FichierVideNAAucuneFiche) {
    Ecrire(0);
    EXPECT_EQ(base.LireFiche(1), FicheBlanche());
    ASSERT_EQ(fenetres.montrees.size(), 1u);
    EXPECT_EQ(fenetres.montrees[0].detail, "Erreur de lecture de la base : lecture Fiche");
}

TEST_F(LectureBase, EchecDeLectureGardeLeDetail) {
    Ecrire(2);
    base.DetailErreurBase = "avant";
    systeme.Programmer(test::Operation::Lire, 1, ES_LECTURE);
    EXPECT_EQ(base.LireFiche(1), FicheBlanche());
    ASSERT_EQ(fenetres.montrees.size(), 1u);
    EXPECT_EQ(fenetres.montrees[0].detail, "avant");
    EXPECT_EQ(base.NumFicheCourante, 1);
}

TEST_F(LectureBase, LectureCourteEstUneFicheManquante) {
    Ecrire(2);
    systeme.LecturesTronqueesA(700);
    EXPECT_EQ(base.LireFiche(1), FicheBlanche());
    ASSERT_EQ(fenetres.montrees.size(), 1u);
    EXPECT_EQ(fenetres.montrees[0].detail, "Erreur de lecture de la base : lecture Fiche");
}

TEST_F(LectureBase, BaseAbsenteMontreLeCodeEtArreteTout) {
    EXPECT_THROW(base.LireFiche(1), ArretImmediat);
    ASSERT_EQ(fenetres.messages.size(), 1u);
    EXPECT_EQ(fenetres.messages[0], "Code du Reset = 2");
    EXPECT_TRUE(fenetres.montrees.empty());
    EXPECT_TRUE(base.FinDemandee());
}

TEST_F(LectureBase, BaseIlliseableMontreAccesRefuse) {
    std::filesystem::create_directory(rep.Fichier(NomBase)); // a directory in its place
    EXPECT_THROW(base.LireFiche(1), ArretImmediat);
    ASSERT_EQ(fenetres.messages.size(), 1u);
    EXPECT_EQ(fenetres.messages[0], "Code du Reset = 5");
}

TEST_F(LectureBase, LaPremiereLectureLibereLaPoignee) {
    Ecrire(1);
    base.OuvrirFichiers();
    EXPECT_TRUE(base.HandleBaseOuvert());
    base.LireFiche(1);
    EXPECT_FALSE(base.HandleBaseOuvert());
}

} // namespace
} // namespace talix
