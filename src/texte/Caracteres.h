#pragma once
// Character classes and the digit and integer routines shared by the searches, the sheets
// and the report. Texts are Windows-1252 byte strings; the classes know only the ASCII
// ranges, so an accented letter is neither a letter nor lower case.

#include <cstdint>
#include <string>
#include <string_view>

namespace talix {

// The capacity of every short text of the system.
inline constexpr std::size_t CapaciteTexteCourt = 255;

bool EstMinuscule(char c); // 'a'..'z'
bool EstLettre(char c);    // 'A'..'Z', 'a'..'z'
bool EstChiffre(char c);   // '0'..'9'
bool EstTilde(char c);     // '~'
bool NonEspace(char c);    // everything but the space (0x20)

// Keeps, in order, only the digits of `texte`: `texte` becomes that string cut to
// `capacite`, and `copie` receives the same digits cut to `capaciteCopie`.
void GarderChiffres(std::string& texte, std::size_t capacite, std::string& copie,
                    std::size_t capaciteCopie);

// The same filtering, leaving `source` unchanged; `destination` receives the digits.
void ChiffresSeuls(std::string_view source, std::string& destination, std::size_t capacite);

// Lenient integer: the empty text gives 0; otherwise leading spaces are skipped, an
// optional sign follows, then digits up to the end of the text. Anything else after the
// leading spaces (a trailing space included), no digit at all, or a value outside the
// signed 32-bit range gives 0. Never fails.
std::int32_t EntierOuZero(std::string_view texte);

// A text of `n` spaces.
inline std::string Blancs(std::size_t n) { return std::string(n, ' '); }

// `texte` cut to at most `capacite` characters.
inline std::string Tronquer(std::string_view texte, std::size_t capacite) {
    return std::string(texte.substr(0, capacite));
}

} // namespace talix
