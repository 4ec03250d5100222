// The text routines on arbitrary texts: CleDesignation, GarderChiffres, EntierOuZero and
// ValeurPresente, each checked against what it promises.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "search/CleDesignation.h"
#include "sheets/Feuilles.h"
#include "texte/Caracteres.h"

using namespace talix;

namespace {

// A plain second reading of the lenient integer, to compare with.
std::int32_t EntierAttendu(const std::string& t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    bool negatif = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negatif = t[i++] == '-';
    if (i == t.size()) return 0;
    long long valeur = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return 0;
        valeur = valeur * 10 + (t[i] - '0');
        if (valeur > 2147483648LL) return 0;
    }
    valeur = negatif ? -valeur : valeur;
    if (valeur > 2147483647LL || valeur < -2147483648LL) return 0;
    return static_cast<std::int32_t>(valeur);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), std::min<std::size_t>(taille, 255));

    std::string cle;
    CleDesignation(texte, cle, 255);
    if (cle.size() > 254) std::abort();
    for (char c : cle) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '~')) std::abort();
    }
    std::string cleDeCle;
    CleDesignation(cle, cleDeCle, 255);
    if (cleDeCle != cle) std::abort(); // a key is its own key

    std::string chiffres = texte;
    std::string copie;
    GarderChiffres(chiffres, 255, copie, 255);
    if (chiffres != copie) std::abort();
    for (char c : chiffres) {
        if (c < '0' || c > '9') std::abort();
    }

    if (EntierOuZero(texte) != EntierAttendu(texte)) std::abort();

    // Whatever it holds, a text is either shown or not; never a crash.
    const bool presente = ValeurPresente(texte);
    if (EstBlanc(texte) && presente) std::abort();
    return 0;
}
