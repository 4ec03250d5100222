#include "database/Fiche.h"

namespace talix {

std::array<ChampFiche, 13 + 1 + 2 * NombreElements + 2 + 2 * 7 + 2> ChampsDe(Fiche& f) {
    std::array<ChampFiche, 13 + 1 + 2 * NombreElements + 2 + 2 * 7 + 2> champs{};
    std::size_t i = 0;
    for (std::string* d : {&f.Afnor, &f.Werkstoff, &f.Din, &f.Bs, &f.Aisi, &f.Uns, &f.Nature,
                           &f.Des1, &f.Des2, &f.Des3, &f.Des4, &f.Des5}) {
        champs[i++] = {d, CapDesignation};
    }
    champs[i++] = {&f.Famille, CapFamille};
    champs[i++] = {&f.Reserve, CapDesignation};
    for (Teneur& t : f.Chimie) {
        champs[i++] = {&t.Min, CapTeneur};
        champs[i++] = {&t.Max, CapTeneur};
    }
    champs[i++] = {&f.Commentaire, CapCommentaire};
    champs[i++] = {&f.Densite, CapDensite};
    for (EtatMeca& e : f.Meca) {
        champs[i++] = {&e.Etat, CapEtat};
        champs[i++] = {&e.Chauffe, CapChauffe};
        champs[i++] = {&e.RmMin, CapRm};
        champs[i++] = {&e.RmMax, CapRm};
        champs[i++] = {&e.Rp02Min, CapRp02};
        champs[i++] = {&e.AMin, CapA};
        champs[i++] = {&e.DureteMax, CapDurete};
    }
    champs[i++] = {&f.Etat3, CapEtat};
    champs[i++] = {&f.Chauffe3, CapChauffe3};
    return champs;
}

const std::string* DesignationNumero(const Fiche& f, int numero) {
    switch (numero) {
    case 1: return &f.Afnor;
    case 2: return &f.Werkstoff;
    case 3: return &f.Din;
    case 4: return &f.Bs;
    case 5: return &f.Aisi;
    case 6: return &f.Uns;
    case 7: return &f.Nature;
    case 8: return &f.Des1;
    case 9: return &f.Des2;
    case 10: return &f.Des3;
    case 11: return &f.Des4;
    case 12: return &f.Des5;
    default: return nullptr;
    }
}

void InitFiche(Fiche& fiche) {
    for (ChampFiche champ : ChampsDe(fiche)) {
        champ.texte->assign(champ.capacite, ' ');
    }
}

Fiche FicheBlanche() {
    Fiche fiche;
    InitFiche(fiche);
    return fiche;
}

unsigned char OctetConverti(unsigned char octet) {
    switch (octet) {
    case 0x81: return 0xFC; // ü
    case 0x82: return 0xE9; // é
    case 0x84: return 0xE4; // ä
    case 0x85: return 0xE0; // à
    case 0x87: return 0xE7; // ç
    case 0x88: return 0xEA; // ê
    case 0x89: return 0xEB; // ë
    case 0x8A: return 0xE8; // è
    case 0x8B: return 0xEF; // ï
    case 0x8C: return 0xEE; // î
    case 0x93: return 0xF4; // ô
    case 0x94: return 0xF6; // ö
    case 0x96: return 0xFB; // û
    case 0x97: return 0xF9; // ù
    case 0x99: return 0xD6; // Ö
    case 0x9A: return 0xDC; // Ü
    case 0x9C: return 0xA3; // £
    case 0xBA: return 0x7C; // |
    case 0xF8: return 0xB0; // °
    default: return octet;
    }
}

unsigned char OctetStocke(unsigned char affiche) {
    for (unsigned source = 0x80; source <= 0xFF; ++source) {
        const auto octet = static_cast<unsigned char>(source);
        if (OctetConverti(octet) == affiche && octet != affiche) {
            return octet;
        }
    }
    return affiche;
}

void ConvertirOem(std::string& texte) {
    for (char& c : texte) {
        c = static_cast<char>(OctetConverti(static_cast<unsigned char>(c)));
    }
}

} // namespace talix
