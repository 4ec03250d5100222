#pragma once
// A small base for the talix-query tests: two plain grades, one grade full of garbage
// bytes with text in every numeric field, and an index entry pointing past the end.

#include <string>
#include <vector>

#include "database/Base.h"
#include "search/CleDesignation.h"
#include "session/Enregistreurs.h"
#include "support/Fixtures.h"

namespace talix::test {

inline Fiche GradeA() {
    Fiche f = FicheDe({"AAA-1", "1.1111", "", "", "", "", "Test steel"}, "100");
    f.Meca[0] = {"NOR", "  850    ", " 400", " 550", " 235", "22", "   180"};
    f.Chimie[C] = {" 0.100", " 0.200"};
    f.Densite = " 7.85";
    f.Commentaire = Cadre("plain", CapCommentaire);
    return f;
}

inline Fiche GradeB() {
    Fiche f = FicheDe({"BBB-2", "2.2222"}, "200");
    f.Meca[0] = {"HYP", "1050     ", " 600", " 750", " 300", "40", "   220"};
    f.Chimie[Cr] = {"17.000", "19.000"};
    return f;
}

inline Fiche GradeGarbage() {
    Fiche f = FicheDe(
        {"GARBAGE\"\\\x01\x82\x81~&", "\x9D\x8D\x8F\x90\x7F\t\n\r", "\x80\x9F\xA0\xFE"}, "200");
    for (EtatMeca& e : f.Meca) {
        e = {"\x01\x02\x03", "\x81\x8D\"\\\t\n\x90\x9D ", "abcd", "~~~~", "n/a ", "--", "HB????"};
    }
    for (Teneur& t : f.Chimie) {
        t = {"abcdef", "\x80\x80\x80\x80\x80\x80"};
    }
    f.Densite = "heavy";
    f.Commentaire = Cadre("\x93\x94 garbage \"q\" \\", CapCommentaire);
    f.Etat3 = "\x7F\x7F\x7F";
    f.Chauffe3 = std::string("z\0z\x01", 4);
    return f;
}

inline std::string Cle(const std::string& designation) {
    std::string cle;
    CleDesignation(designation, cle, 255);
    return cle;
}

// Writes Talix and Talixind into `repertoire`.
inline void EcrireBaseQuery(const std::string& repertoire) {
    EcrireBase(repertoire, {GradeA(), GradeB(), GradeGarbage()});
    EcrireIndex(repertoire, {
                                LigneDesignationIndex(Cle("1.1111"), 100, 1, 2),
                                LigneDesignationIndex(Cle("2.2222"), 200, 2, 2),
                                LigneDesignationIndex(Cle("AAA-1"), 100, 1, 1),
                                LigneDesignationIndex(Cle("BBB-2"), 200, 2, 1),
                                LigneDesignationIndex(Cle("GARBAGE~"), 200, 3, 1),
                                LigneDesignationIndex("ZZZ", 200, 9, 1),
                                LigneDureteIndex(180, 100, 1),
                                LigneDureteIndex(220, 200, 2),
                                LigneElasticiteIndex(235, 100, 1),
                                LigneElasticiteIndex(300, 200, 2),
                                LigneResistanceIndex(400, 550, 100, 1),
                                LigneResistanceIndex(600, 750, 200, 2),
                            });
}

// The record as the engine shows it: display texts converted from the stored code page.
inline Fiche Publiee(Fiche f) {
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    Base base(systeme, fenetres);
    Fiche copie;
    base.PublierFiche(f, copie);
    return copie;
}

} // namespace talix::test
