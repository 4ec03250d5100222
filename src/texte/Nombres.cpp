#include "texte/Nombres.h"

#include <charconv>
#include <system_error>
#include <limits>

namespace talix {

std::optional<std::int32_t> EntierStrict(std::string_view texte) {
    // The usual case first: one to nine digits and nothing else, which cannot overflow.
    if (texte.size() - 1 < 9) {
        std::int32_t valeur = 0;
        std::size_t k = 0;
        for (; k < texte.size(); ++k) {
            const unsigned chiffre = static_cast<unsigned char>(texte[k]) - unsigned{'0'};
            if (chiffre > 9) {
                break;
            }
            valeur = valeur * 10 + static_cast<std::int32_t>(chiffre);
        }
        if (k == texte.size()) {
            return valeur;
        }
    }
    std::size_t i = 0;
    while (i < texte.size() && texte[i] == ' ') {
        ++i;
    }
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
        negatif = texte[i] == '-';
        ++i;
    }
    if (i == texte.size()) {
        return std::nullopt;
    }
    std::int64_t valeur = 0;
    for (; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        valeur = valeur * 10 + (c - '0');
        if (valeur > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    if (negatif) {
        valeur = -valeur;
    }
    if (valeur > std::numeric_limits<std::int32_t>::max() ||
        valeur < std::numeric_limits<std::int32_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(valeur);
}

std::int32_t EntierDefaut(std::string_view texte, std::int32_t defaut) {
    return EntierStrict(texte).value_or(defaut);
}

std::optional<double> ReelStrict(std::string_view texte) {
    std::size_t debut = 0;
    std::size_t fin = texte.size();
    while (debut < fin && texte[debut] == ' ') {
        ++debut;
    }
    while (fin > debut && texte[fin - 1] == ' ') {
        --fin;
    }
    const std::string_view corps = texte.substr(debut, fin - debut);
    if (corps.empty()) {
        return std::nullopt;
    }
    // Check the shape ourselves: strtod would accept hexadecimal, "inf", "nan" and the
    // locale's separator, none of which is a number here.
    std::size_t i = 0;
    if (corps[i] == '+' || corps[i] == '-') {
        ++i;
    }
    std::size_t chiffres = 0;
    bool point = false;
    for (; i < corps.size(); ++i) {
        const char c = corps[i];
        if (c >= '0' && c <= '9') {
            ++chiffres;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (chiffres == 0) {
        return std::nullopt;
    }
    if (i < corps.size() && (corps[i] == 'e' || corps[i] == 'E')) {
        ++i;
        if (i < corps.size() && (corps[i] == '+' || corps[i] == '-')) {
            ++i;
        }
        std::size_t exposant = 0;
        while (i < corps.size() && corps[i] >= '0' && corps[i] <= '9') {
            ++i;
            ++exposant;
        }
        if (exposant == 0) {
            return std::nullopt;
        }
    }
    if (i != corps.size()) {
        return std::nullopt;
    }
    // from_chars ignores the locale (the desktop may run with a "," separator) and takes
    // no leading "+".
    const std::size_t signe = corps[0] == '+' ? 1 : 0;
    double valeur = 0;
    const auto [fin_lue, erreur] =
        std::from_chars(corps.data() + signe, corps.data() + corps.size(), valeur);
    if (erreur != std::errc{} || fin_lue != corps.data() + corps.size()) {
        return std::nullopt;
    }
    return valeur;
}

} // namespace talix
