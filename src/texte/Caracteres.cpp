#include "texte/Caracteres.h"

#include "texte/Nombres.h"

namespace talix {

bool EstMinuscule(char c) { return c >= 'a' && c <= 'z'; }
bool EstLettre(char c) { return (c >= 'A' && c <= 'Z') || EstMinuscule(c); }
bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
bool EstTilde(char c) { return c == '~'; }
bool NonEspace(char c) { return c != ' '; }

void ChiffresSeuls(std::string_view source, std::string& destination, std::size_t capacite) {
    std::string chiffres;
    chiffres.reserve(source.size());
    for (char c : source) {
        if (EstChiffre(c)) {
            chiffres.push_back(c);
        }
    }
    destination = Tronquer(chiffres, capacite);
}

void GarderChiffres(std::string& texte, std::size_t capacite, std::string& copie,
                    std::size_t capaciteCopie) {
    std::string chiffres;
    ChiffresSeuls(texte, chiffres, CapaciteTexteCourt);
    texte = Tronquer(chiffres, capacite);
    copie = Tronquer(chiffres, capaciteCopie);
}

std::int32_t EntierOuZero(std::string_view texte) { return EntierDefaut(texte, 0); }

} // namespace talix
