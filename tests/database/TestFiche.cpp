// The alloy record: blank values, the stored code page table, decoding and publishing.
#include <gtest/gtest.h>

#include <set>

#include "database/Base.h"
#include "session/Enregistreurs.h"

namespace talix {
namespace {

TEST(InitFiche, ChaqueChampALaLongueurDeSaCapacite) {
    Fiche f;
    f.Afnor = "x";
    InitFiche(f);
    EXPECT_EQ(f.Afnor, std::string(28, ' '));
    EXPECT_EQ(f.Reserve, std::string(28, ' '));
    EXPECT_EQ(f.Des5, std::string(28, ' '));
    EXPECT_EQ(f.Famille, "   ");
    EXPECT_EQ(f.Chimie[Zn].Min, "      ");
    EXPECT_EQ(f.Commentaire, std::string(20, ' '));
    EXPECT_EQ(f.Densite, "     ");
    const EtatMeca& e = f.Meca[1];
    EXPECT_EQ(e.Etat.size() + e.Chauffe.size() + e.RmMin.size() + e.RmMax.size() +
                  e.Rp02Min.size() + e.AMin.size() + e.DureteMax.size(),
              3u + 9 + 4 + 4 + 4 + 2 + 6);
    EXPECT_EQ(f.Etat3, "   ");
    EXPECT_EQ(f.Chauffe3, "    ");
    std::size_t total = 0;
    for (ChampFiche c : ChampsDe(f)) {
        EXPECT_EQ(c.texte->size(), c.capacite);
        total += c.capacite;
    }
    // Everything a raw record holds but its 10 unread bytes.
    EXPECT_EQ(total, TailleFicheBrute - 10);
}

TEST(ConvertirOem, TableDesDixNeufOctets) {
    const std::pair<unsigned char, unsigned char> table[] = {
        {0x81, 0xFC}, {0x82, 0xE9}, {0x84, 0xE4}, {0x85, 0xE0}, {0x87, 0xE7},
        {0x88, 0xEA}, {0x89, 0xEB}, {0x8A, 0xE8}, {0x8B, 0xEF}, {0x8C, 0xEE},
        {0x93, 0xF4}, {0x94, 0xF6}, {0x96, 0xFB}, {0x97, 0xF9}, {0x99, 0xD6},
        {0x9A, 0xDC}, {0x9C, 0xA3}, {0xBA, 0x7C}, {0xF8, 0xB0}};
    std::set<unsigned char> sources;
    for (auto [source, cible] : table) {
        sources.insert(source);
        EXPECT_EQ(OctetConverti(source), cible);
        EXPECT_EQ(OctetStocke(cible), source);
    }
    for (int b = 0; b < 256; ++b) {
        const auto octet = static_cast<unsigned char>(b);
        if (!sources.count(octet)) {
            EXPECT_EQ(OctetConverti(octet), octet) << b; // 0x83, 0x86, 0xA0..0xA5 pass
        }
        // Converting twice gives the result of converting once.
        EXPECT_EQ(OctetConverti(OctetConverti(octet)), OctetConverti(octet)) << b;
    }
}

TEST(ConvertirOem, NeToucheQueLaLongueurCourante) {
    std::string vide;
    ConvertirOem(vide);
    EXPECT_TRUE(vide.empty());
    std::string texte = "\x82t\x83\xF8";
    ConvertirOem(texte);
    EXPECT_EQ(texte, "\xE9t\x83\xB0");
}

TEST(DecalerOctet, AjouteUnModulo255) {
    EXPECT_EQ(DecalerOctet(0x00), 0x01);
    EXPECT_EQ(DecalerOctet(0x1F), 0x20);
    EXPECT_EQ(DecalerOctet(0x20), '!');
    EXPECT_EQ(DecalerOctet(0xFD), 0xFE);
    EXPECT_EQ(DecalerOctet(0xFE), 0x00);
    EXPECT_EQ(DecalerOctet(0xFF), 0x01);
    for (int b = 0; b < 256; ++b) {
        EXPECT_NE(DecalerOctet(static_cast<unsigned char>(b)), 0xFF);
    }
}

class AvecBase : public testing::Test {
protected:
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    Base base{systeme, fenetres};
};

TEST_F(AvecBase, DecoderLaFicheBlancheDonneDesPointsDExclamation) {
    base.FicheCourante.Afnor = "pas blanc";
    const Fiche decodee = base.DecoderFiche(FicheBlanche());
    for (ChampFiche c : ChampsDe(const_cast<Fiche&>(decodee))) {
        EXPECT_EQ(*c.texte, std::string(c.capacite, '!'));
    }
    EXPECT_EQ(base.FicheCourante, FicheBlanche());
}

TEST_F(AvecBase, DecoderDeuxFoisDecaleDeuxFois) {
    Fiche f = FicheBlanche();
    f.Afnor = std::string(28, '\x1F');
    f.Des1 = std::string(27, '\x1F') + '\xFE';
    f.Chauffe3 = "\xFF\xFF\xFF\xFF";
    const Fiche une = base.DecoderFiche(f);
    EXPECT_EQ(une.Afnor, std::string(28, ' '));
    EXPECT_EQ(une.Des1.back(), '\0');
    EXPECT_EQ(une.Chauffe3, std::string(4, '\x01'));
    const Fiche deux = base.DecoderFiche(une);
    EXPECT_EQ(deux.Afnor, std::string(28, '!'));
}

TEST_F(AvecBase, PublierNeConvertitQueLesTextesAffiches) {
    Fiche f = FicheBlanche();
    f.Afnor = "Z\x82" + std::string(26, ' ');
    f.Reserve = "\x81" + std::string(27, ' ');
    f.Commentaire = "\xF8" + std::string(19, ' ');
    f.Densite = "\x82    ";
    f.Famille = "\x82  ";
    f.Chimie[C].Min = "\x82     ";
    f.Meca[0].Chauffe = "850\xF8     ";
    f.Chauffe3 = "\x82   ";
    Fiche copie;
    base.PublierFiche(f, copie);
    EXPECT_EQ(f.Afnor.substr(0, 2), "Z\xE9");
    EXPECT_EQ(f.Reserve[0], '\xFC');
    EXPECT_EQ(f.Commentaire[0], '\xB0');
    EXPECT_EQ(f.Densite[0], '\x82');
    EXPECT_EQ(f.Famille[0], '\x82');
    EXPECT_EQ(f.Chimie[C].Min[0], '\x82');
    EXPECT_EQ(f.Meca[0].Chauffe[3], '\xF8');
    EXPECT_EQ(f.Chauffe3[0], '\x82');
    EXPECT_EQ(copie, f);
    EXPECT_EQ(base.FicheCourante, f);
}

} // namespace
} // namespace talix
