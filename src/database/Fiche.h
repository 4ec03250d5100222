#pragma once
// The alloy record: everything the system knows about one grade. Every field is a
// Windows-1252 text, numbers included, kept at its full capacity once read: values keep
// their blanks, nothing is trimmed.

#include <array>
#include <cstddef>
#include <string>

namespace talix {

inline constexpr std::size_t CapDesignation = 28; // Afnor ... Des5, Nature, Reserve
inline constexpr std::size_t CapFamille = 3;
inline constexpr std::size_t CapTeneur = 6;        // Min and Max of an element
inline constexpr std::size_t CapCommentaire = 20;
inline constexpr std::size_t CapDensite = 5;
inline constexpr std::size_t CapEtat = 3;
inline constexpr std::size_t CapChauffe = 9;
inline constexpr std::size_t CapChauffe3 = 4;
inline constexpr std::size_t CapRm = 4;            // RmMin, RmMax
inline constexpr std::size_t CapRp02 = 4;
inline constexpr std::size_t CapA = 2;
inline constexpr std::size_t CapDurete = 6;

inline constexpr std::size_t NombreElements = 21;

// Index of an element in `Fiche::Chimie`.
enum Element : std::size_t {
    Al = 0, N, C, Co, Cr, Cu, Fe, Mg, Mn, Mo, Nb, Ni, Pb, P, Si, Sn, S, Ti, V, W, Zn
};

// The six-character text of an absent element content.
inline constexpr const char* TeneurVide = "  .000";

struct Teneur {
    std::string Min;
    std::string Max;
    bool operator==(const Teneur&) const = default;
};

struct EtatMeca {
    std::string Etat;      // condition code
    std::string Chauffe;   // heating temperature or comment
    std::string RmMin;
    std::string RmMax;
    std::string Rp02Min;
    std::string AMin;
    std::string DureteMax;
    bool operator==(const EtatMeca&) const = default;
};

struct Fiche {
    std::string Afnor, Werkstoff, Din, Bs, Aisi, Uns, Nature;
    std::string Des1, Des2, Des3, Des4, Des5;
    std::string Famille;
    std::string Reserve;
    std::array<Teneur, NombreElements> Chimie;
    std::string Commentaire;
    std::string Densite;
    std::array<EtatMeca, 2> Meca;
    std::string Etat3;
    std::string Chauffe3;
    bool operator==(const Fiche&) const = default;
};

// One text field of a record with its capacity, for routines that visit every field.
struct ChampFiche {
    std::string* texte;
    std::size_t capacite;
};

// Every field of `fiche`, in record order (Afnor ... Des5, Famille, Reserve, the 42
// composition bounds, Commentaire, Densite, both condition rows, Etat3, Chauffe3).
std::array<ChampFiche, 13 + 1 + 2 * NombreElements + 2 + 2 * 7 + 2> ChampsDe(Fiche& fiche);

// The designation field numbered 1 (Afnor) to 12 (Des5); nullptr for any other number.
const std::string* DesignationNumero(const Fiche& fiche, int numero);

// Sets every field to as many spaces as its capacity.
void InitFiche(Fiche& fiche);
Fiche FicheBlanche();

// Converts characters 1 to the text's length by the stored code page table; every other
// byte is left unchanged. Converting twice gives the result of converting once.
void ConvertirOem(std::string& texte);

// The byte a stored byte becomes (itself when the table does not hold it).
unsigned char OctetConverti(unsigned char octet);

// The inverse, for writers of the base file: the stored byte of a displayed character
// that the table produces (0xFC gives 0x81, "|" gives 0xBA); any other byte is itself.
unsigned char OctetStocke(unsigned char affiche);

} // namespace talix
