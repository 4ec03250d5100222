#pragma once
// Records of the report tests: a full one, a blank one and one with odd values. Every
// value here is made up for the tests.

#include "database/Fiche.h"
#include "support/Fixtures.h"

namespace talix::test {

inline Fiche FicheComplete() {
    Fiche f = FicheDe({"X-TEST-01", "9.9901", "TESTSTAHL 1", "TEST 101", "T-101", "T10101",
                       "Austenitic test grade", "Trade name A", "Trade name B", "Usual C",
                       "Standard D", "Other E"},
                      "200");
    f.Chimie[C].Max = " 0.030";
    f.Chimie[Si].Max = " 1.000";
    f.Chimie[Mn].Max = " 2.000";
    f.Chimie[Cr] = {"16.500", "18.500"};
    f.Chimie[Ni] = {"10.000", "13.000"};
    f.Chimie[Mo] = {" 2.000", " 2.500"};
    f.Chimie[N].Max = " 0.100";
    f.Commentaire = Cadre("Test comment", CapCommentaire);
    f.Densite = " 8.00";
    f.Meca[0] = {"HYP", "1050/1100", " 500", " 700", " 200", "40", "   215"};
    f.Meca[1] = {"ETA", "  -      ", " 600", " 800", " 300", "30", "   250"};
    f.Etat3 = "REV";
    f.Chauffe3 = " 650";
    return f;
}

inline Fiche FicheBizarre() {
    Fiche f = FicheDe({"A&B ~", "~1.0000", "\xC4\xD6\xDC\xDF\xE9\xFC", "|pipe|", "",
                       "                        long", "x", "", "", "", "", "\x01\x02\x7F\xFF"},
                      "300");
    f.Chimie[Al].Max = " 0.050";
    f.Chimie[Fe].Min = "rest  ";
    f.Chimie[Pb].Min = "0.000 ";
    f.Chimie[Zn] = {"      ", "      "};
    f.Commentaire = Cadre("1000\xB0"
                          "C max ~",
                          CapCommentaire);
    f.Densite = "~7.9 ";
    f.Meca[0] = {"T  ", "~850/900 ", "~500", "1100", "~240", "8 ", "HRC 55"};
    f.Meca[1] = {"\xFE\x01\x7F", std::string(9, '\xA6'), "abcd", "efgh", "ijkl", "mn", "opqrst"};
    f.Etat3 = "   ";
    f.Chauffe3 = "????";
    return f;
}

} // namespace talix::test
