// One line of the index file: its section, its fields, the family selection, and the
// reading state the scans share.
//
// Lines are parsed in place: words are views into the line, and the only copy made is
// the entry's Mot, whose buffer is reused from line to line.

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "search/Recherche.h"
#include "texte/Nombres.h"

namespace talix {

namespace {

constexpr std::size_t CapMot = 35;
constexpr std::size_t CapMotFamille = 31;

// A failure raised and caught inside one routine. Its text is never displayed.
struct EchecConversion {
    const char* texte;
};

// True when the line begins with the three characters of `tag`.
inline bool ATag(std::string_view ligne, const char (&tag)[4]) {
    return ligne.size() >= 3 && ligne[0] == tag[0] && ligne[1] == tag[1] && ligne[2] == tag[2];
}

// Skips the spaces at `pos`, then returns the run of non-space characters that follows
// and leaves `pos` on the character after it. Only the space separates words.
inline std::string_view MotSuivant(std::string_view texte, std::size_t& pos) {
    const char* const c = texte.data();
    const std::size_t n = texte.size();
    std::size_t debut = std::min(pos, n);
    while (debut < n && c[debut] == ' ') {
        ++debut;
    }
    std::size_t fin = debut;
    while (fin < n && c[fin] != ' ') {
        ++fin;
    }
    pos = fin;
    return texte.substr(debut, fin - debut);
}

// EntierStrict, with its usual case here: one to nine digits and nothing else, which
// cannot overflow. Every other text goes to EntierStrict.
inline std::optional<std::int32_t> Entier(std::string_view texte) {
    if (texte.size() - 1 < 9) {
        std::int32_t valeur = 0;
        for (const char c : texte) {
            const unsigned chiffre = static_cast<unsigned char>(c) - unsigned{'0'};
            if (chiffre > 9) {
                return EntierStrict(texte);
            }
            valeur = valeur * 10 + static_cast<std::int32_t>(chiffre);
        }
        return valeur;
    }
    return EntierStrict(texte);
}

// The fields of the usual entry text, read in one pass: spaces, the word, spaces, a family
// of one to nine digits, spaces, then only digits: a record of one to nine digits and its
// two-digit column. False, with nothing read, for any other text.
struct EntreeRapide {
    std::string_view mot;
    std::int32_t famille = 0;
    std::int32_t numero = 0;
    std::int32_t colonne = 0;
};

inline bool LireEntreeRapide(std::string_view texte, EntreeRapide& e) {
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    while (p < fin && *p == ' ') {
        ++p;
    }
    // The word ends at the first space; without one there is no family, which the
    // general path handles.
    const char* const mot = p;
    const void* espace = std::memchr(p, ' ', static_cast<std::size_t>(fin - p));
    if (espace == nullptr) {
        return false;
    }
    p = static_cast<const char*>(espace);
    e.mot = std::string_view(mot, static_cast<std::size_t>(p - mot));
    while (p < fin && *p == ' ') {
        ++p;
    }
    // The family: digits up to a space (without one, no record follows).
    // Read in 64 bits and stopped after ten digits: a longer run goes to the general path
    // without ever overflowing here.
    const char* const famille = p;
    std::int64_t valeur = 0;
    unsigned chiffre = 0;
    while (p < fin && p - famille < 10 &&
           (chiffre = static_cast<unsigned char>(*p) - unsigned{'0'}) <= 9) {
        valeur = valeur * 10 + chiffre;
        ++p;
    }
    if (p == famille || p - famille > 9 || p == fin || *p != ' ') {
        return false;
    }
    e.famille = static_cast<std::int32_t>(valeur);
    while (p < fin && *p == ' ') {
        ++p;
    }
    const std::ptrdiff_t reste = fin - p;
    if (reste < 3 || reste > 11) {
        return false;
    }
    // Eleven digits at most: the sum cannot overflow 64 bits, nor the record (nine
    // digits at most) 32 bits.
    std::int64_t reference = 0;
    while (p < fin && (chiffre = static_cast<unsigned char>(*p) - unsigned{'0'}) <= 9) {
        reference = reference * 10 + chiffre;
        ++p;
    }
    if (p != fin) {
        return false;
    }
    e.numero = static_cast<std::int32_t>(reference / 100);
    e.colonne = static_cast<std::int32_t>(reference % 100);
    return true;
}

// EntierOuZero through the fast path.
inline std::int32_t EntierOuZeroRapide(std::string_view texte) {
    return Entier(texte).value_or(0);
}

} // namespace

bool EstLigneDesignation(std::string_view ligne) {
    return !ligne.empty() && !ATag(ligne, "dur") && !ATag(ligne, "ela") && !ATag(ligne, "res");
}

bool EstLigneDurete(std::string_view ligne) { return ATag(ligne, "dur"); }
bool EstLigneElasticite(std::string_view ligne) { return ATag(ligne, "ela"); }
bool EstLigneResistance(std::string_view ligne) { return ATag(ligne, "res"); }

bool LigneDuType(std::string_view ligne, std::int32_t typeRecherche) {
    switch (typeRecherche) {
    case 0: return EstLigneDesignation(ligne);
    case 1: return EstLigneDurete(ligne);
    case 2: return EstLigneResistance(ligne);
    case 3: return EstLigneElasticite(ligne);
    default: return false;
    }
}

Recherche::Recherche(Base& base, Feuilles& feuilles) : base_(base), feuilles_(feuilles) {}

bool Recherche::AnalyserLigne(std::string_view ligne, std::int32_t t, std::int32_t v,
                              EntreeIndex& entree) {
    if (EstLigneDesignation(ligne)) {
        AnalyserEntree(ligne, entree);
        return false;
    }
    if (EstLigneDurete(ligne) || EstLigneElasticite(ligne)) {
        AnalyserEntree(ligne.substr(3), entree);
        return false;
    }
    // An empty line ends here too: it is no tensile line and sets nothing.
    return AnalyserLigneResistance(ligne, t, v, entree);
}

void Recherche::AnalyserEntree(std::string_view texte, EntreeIndex& entree) {
    // The usual text in one pass; the same fields, and the same reads of the pending
    // status, as the general path below.
    EntreeRapide rapide;
    if (LireEntreeRapide(texte, rapide)) {
        entree.Mot.assign(rapide.mot.substr(0, CapMot));
        entree.Famille = rapide.famille;
        entree.NumFiche = rapide.numero;
        if (base_.Couche().LireStatut() != ES_OK) {
            base_.MontrerErreurBase();
            return;
        }
        entree.Colonne = rapide.colonne;
        if (base_.Couche().LireStatut() != ES_OK) {
            base_.MontrerErreurBase();
        }
        return;
    }
    std::size_t pos = 0;
    entree.Mot.assign(MotSuivant(texte, pos).substr(0, CapMot));
    entree.Famille = EntierOuZeroRapide(MotSuivant(texte, pos).substr(0, CapMotFamille));
    AnalyserRenvoi(texte.substr(pos), entree);
}

void Recherche::AnalyserRenvoi(std::string_view queue, EntreeIndex& entree) {
    try {
        while (!queue.empty() && queue.front() == ' ') {
            queue.remove_prefix(1);
        }
        // Shorter than two characters: the record part is empty and fails first.
        const std::size_t coupure = queue.size() >= 2 ? queue.size() - 2 : 0;
        const auto numero = Entier(queue.substr(0, coupure));
        if (!numero) {
            throw EchecConversion{"Erreur de conversion"};
        }
        entree.NumFiche = *numero;
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
        const auto colonne = Entier(queue.substr(coupure));
        if (!colonne) {
            throw EchecConversion{"Erreur de conversion"};
        }
        entree.Colonne = *colonne;
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
    } catch (const EchecConversion&) {
        base_.MontrerErreurBase();
    }
}

bool Recherche::AnalyserLigneResistance(std::string_view ligne, std::int32_t t, std::int32_t v,
                                        EntreeIndex& entree) {
    try {
        if (!EstLigneResistance(ligne)) {
            return false;
        }
        std::size_t pos = 3;
        const std::int64_t min = EntierOuZeroRapide(MotSuivant(ligne, pos));
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
        const std::int64_t max = EntierOuZeroRapide(MotSuivant(ligne, pos));
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
        entree.Famille = EntierOuZeroRapide(MotSuivant(ligne, pos).substr(0, CapMotFamille));
        // Widened in 64 bits: no bound of the file can overflow the comparison.
        const bool correspond = v == SansValeur || (min - t <= v && v <= max + t);
        if (correspond) {
            AnalyserRenvoi(ligne.substr(pos), entree);
        }
        return correspond;
    } catch (const EchecConversion&) {
        base_.MontrerErreurBase();
        return false;
    }
}

void Recherche::VerifierES(std::string_view message) {
    if (base_.Couche().LireStatut() != ES_OK) {
        base_.DetailErreurBase.assign(message);
        base_.MontrerErreurBase();
    }
}

void Recherche::Rembobiner() {
    base_.FichierIndex.Reinitialiser();
    lignesLues_ = 0;
}

void Recherche::LireIndex(std::string& ligne) {
    base_.FichierIndex.LireLigne(ligne);
    ++lignesLues_;
}

void Recherche::MontrerSousRecherche() {
    base_.MontrerNotice(Fenetre::TFicheSousRecherche);
    // Closing the notice, by any means, turns the family filter off.
    FamilleChoisie = -1;
}

bool Recherche::TrouverAncre(std::string_view premiere, bool (*section)(std::string_view),
                             std::int32_t t, std::int32_t v, EntreeIndex& entree,
                             std::string& ancre, std::int32_t& numAncre,
                             std::string_view& derniere, bool& correspond) {
    // Lines are read as views; the anchor is copied once, when phase A ends.
    std::string_view vueAncre = premiere;
    bool ancreLue = false;
    while (!(section(vueAncre) && FamilleAcceptee(entree.Famille)) && !FinIndex()) {
        vueAncre = LireIndexVue();
        ancreLue = true;
        if (vueAncre.empty()) {
            base_.DetailErreurBase = "ne peut rien lire";
            return false;
        }
        ++LigneCourante;
        numAncre = LigneCourante;
        correspond = AnalyserLigne(vueAncre, t, v, entree);
    }
    ancre.assign(vueAncre);
    if (ancreLue) {
        derniere = ancre;
    }
    return true;
}

} // namespace talix
