#include <array>

#include "database/Familles.h"
#include "report/Rapport.h"
#include "sheets/Feuilles.h"
#include "texte/Caracteres.h"

namespace talix {

namespace {

const std::string Barre = " \xA6 ";
const std::string Retrait = "   ";
const std::string RegleA = "    " + std::string(59, '=');
const std::string RegleB = " " + std::string(58, '=');

// Labels of the composition lines, in the order of Fiche::Chimie.
constexpr std::array<const char*, NombreElements> LibellesElements = {
    "Aluminium (Al)",  "Nitrogene (N)", "Carbon (C)",      "Cobalt (Co)",     "Chromium (Cr)",
    "Copper (Cu)",     "Iron (Fe)",     "Magnesium  (Mg)", "Manganese  (Mn)", "Molybdenum (Mo)",
    "Niobium (Nb/Cb)", "Nickel  (Ni)",  "Lead (Pb)",       "Phosphorus (P)",  "Silicon (Si)",
    "Tin (Sn)",        "Sulfur (S)",    "Titanium (Ti)",   "Vanadium  (V)",   "Tungsten (W)",
    "Zinc  (Zn)",
};

constexpr std::array<const char*, 17> LegendeEtats = {
    "ADO = Softened",
    "AUA = Air austenitized",
    "AUS = Water austenitized",
    "CEM = Case hardening",
    "DUR = Precipitation hardening",
    "ETA = State of delivery",
    "HYP = Solution treated",
    "NOR = Normalized",
    "QT  = Quenched,tempered",
    "REC = Annealed",
    "REV = Tempering",
    "T   = Quenched",
    "TA  = Air hardening",
    "TE  = Water hardening",
    "TH  = Oil hardening",
    "TG  = Gas hardening",
    "VIE = Aged",
};

// One line of the mechanical table: six cells, each followed by the bar.
std::string LigneMeca(const std::string& etat, const std::string& chauffe, const std::string& rm,
                      const std::string& rp, const std::string& a, const std::string& durete) {
    return Retrait + Barre + etat + Barre + chauffe + Barre + rm + Barre + rp + Barre + a + Barre +
           durete + Barre;
}

} // namespace

std::string Cadrer(const std::string& texte, std::size_t largeur) {
    std::string resultat = texte.substr(0, std::min(largeur, CapaciteTexteCourt));
    if (resultat.size() < largeur) {
        resultat.append(std::min(largeur, CapaciteTexteCourt) - resultat.size(), ' ');
    }
    return resultat;
}

std::string TexteTeneur(const std::string& min, const std::string& max) {
    return "   " + min + "  - " + max + Blancs(18);
}

std::string TexteRm(const std::string& min, const std::string& max) {
    return min + "  " + max;
}

std::string TexteFamille(const std::string& famille) {
    const std::int32_t code = EntierOuZero(famille);
    switch (code) {
    case 0:
    case 100:
    case 200:
    case 400:
    case 500:
    case 600:
    case 700:
    case 800:
        return LibelleFamille(code);
    default:
        return Blancs(7);
    }
}

std::string NomFichierNote(std::int32_t numero) {
    return Tronquer("A" + std::to_string(numero) + ".txt", CapaciteTexteCourt);
}

std::vector<std::string> LignesRapport(const Fiche& fiche) {
    // Every field goes out at its width, so that the boxes stay closed even for a record
    // that does not come from the reader.
    const auto champ = [](const std::string& texte, std::size_t largeur) {
        return Cadrer(texte, largeur);
    };
    std::vector<std::string> l;
    l.reserve(84);
    l.emplace_back();
    l.push_back("      T.A.L.I.X  TALIX    ");
    l.push_back("     does not replace organisms of normalization, nor producers");
    l.push_back(RegleA);
    l.push_back(Retrait + Barre + "                DESIGNATIONS OF THE ALLOY              " +
                Barre);
    l.push_back(RegleA);
    const std::array<std::pair<const char*, const std::string*>, 12> designations = {{
        {"AFNOR         (F) ou EN", &fiche.Afnor},
        {"Werkstoff n\xB0  (D ou EN)", &fiche.Werkstoff},
        {"DIN (D)", &fiche.Din},
        {"BS (UK)", &fiche.Bs},
        {"AISI (USA)", &fiche.Aisi},
        {"UNS (USA)", &fiche.Uns},
        {"Type of material", &fiche.Nature},
        {"Designation", &fiche.Des1},
        {"Designation", &fiche.Des2},
        {"Designation", &fiche.Des3},
        {"Designation", &fiche.Des4},
        {"Designation", &fiche.Des5},
    }};
    for (const auto& [libelle, texte] : designations) {
        l.push_back("    \xA6 " + Cadrer(libelle, 25) + "\xA6 " + champ(*texte, CapDesignation) +
                    Barre);
    }
    l.push_back(RegleA);
    l.push_back("        This symbol ~ indicates an approached designation.");
    l.emplace_back();
    l.push_back("Family :      " + TexteFamille(fiche.Famille));
    l.emplace_back();
    l.push_back(RegleA);
    l.push_back(Retrait + Barre + "   INDICATIVE CHEMICAL COMPOSITION MIN.-MAX. PER CENT  " +
                Barre);
    l.push_back(RegleA);
    for (std::size_t e = 0; e < NombreElements; ++e) {
        const Teneur& teneur = fiche.Chimie[e];
        if (!TeneurPresente(teneur.Min) && !TeneurPresente(teneur.Max)) {
            continue;
        }
        l.push_back(Retrait + Barre + Cadrer(LibellesElements[e], 18) +
                    TexteTeneur(champ(teneur.Min, CapTeneur), champ(teneur.Max, CapTeneur)) +
                    Barre);
    }
    l.push_back(RegleA);
    l.emplace_back();
    l.push_back("Comments : " + champ(fiche.Commentaire, CapCommentaire) +
                "    Density : " + champ(fiche.Densite, CapDensite) + "g/cm3");
    l.emplace_back();
    l.push_back(Retrait + RegleB);
    l.push_back(Retrait + Barre + "        INDICATIVE MECHANICAL CHARACTERISTICS         " + Barre);
    l.push_back(Retrait + RegleB);
    l.push_back(LigneMeca(Blancs(4),
                          "HEATING \xB0"
                          "C ",
                          "    Rm    ", "Rp0,2", "A%", " HARD. "));
    l.push_back(LigneMeca("ETAT", Blancs(11), "   MPa    ", " MPa ", Blancs(2), Blancs(7)));
    l.push_back(LigneMeca(Blancs(4), "or comments", "Min    Max", " Min ", ">=", "  Max  "));
    l.push_back(Retrait + RegleB);
    for (const EtatMeca& etat : fiche.Meca) {
        l.push_back(LigneMeca(Cadrer(etat.Etat, 4), Cadrer(etat.Chauffe, 11),
                              TexteRm(champ(etat.RmMin, CapRm), champ(etat.RmMax, CapRm)),
                              Cadrer(etat.Rp02Min, 5), champ(etat.AMin, CapA),
                              " " + champ(etat.DureteMax, CapDurete)));
    }
    l.push_back(LigneMeca(Cadrer(fiche.Etat3, 4), Cadrer(fiche.Chauffe3, 11), Blancs(10), Blancs(5),
                          Blancs(2), Blancs(7)));
    l.push_back(Retrait + RegleB);
    l.emplace_back();
    l.push_back("ETAT codes");
    for (const char* ligne : LegendeEtats) {
        l.push_back(ligne);
    }
    l.push_back(RegleB);
    l.emplace_back();
    l.push_back("Personal annotations: ");
    return l;
}

} // namespace talix
