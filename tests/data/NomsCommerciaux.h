#pragma once
// The checks that tie the catalogue's designations to data/trade-names.tsv and that file to
// data/producers.tsv. Each check takes plain values and returns its findings as texts (empty:
// nothing wrong), so that the tests can run it on the repository's files and on small
// damaged inputs alike.

#include <string>
#include <vector>

namespace talix::test {

// One row of a tab-separated file: its fields and its line number (1 = first line).
struct LigneTsv {
    std::vector<std::string> champs;
    int numero = 0;
};

// The rows of `texte` after its first line (the column titles); empty lines are skipped.
// A final "\r" of a line is dropped.
std::vector<LigneTsv> LignesTsv(const std::string& texte);

// One row of data/trade-names.tsv.
struct NomCommercial {
    std::string motif;      // the trade name, or the beginning of the designations it names
    std::string producteur; // the `name` of a row of data/producers.tsv
    std::string source;     // where the ownership is stated
};

// The rows of trade-names.tsv. A row without exactly three fields, with an empty field, or
// with blanks around a field goes to `problemes` (naming its line) and is left out.
std::vector<NomCommercial> LireNomsCommerciaux(const std::string& texte,
                                               std::vector<std::string>& problemes);

// `texte` with the ASCII letters upper-cased; other bytes unchanged.
std::string MajusculesAscii(const std::string& texte);

// Whether `designation` is named by `motif`: it begins with the motif (compared without
// case for ASCII letters) and the character that follows, if any, does not continue the
// motif's last word (no letter after a final letter, no digit after a final digit).
// "INCONEL" names "Inconel 625" and "INCONEL"; "SAF" does not name "Safurex"; "MA 754"
// names "MA 754" but not "MA 7541".
bool MotifNomme(const std::string& motif, const std::string& designation);

// The words of `designation`: its runs of ASCII letters and digits, upper-cased.
std::vector<std::string> Mots(const std::string& designation);

// Rows whose producer is not one of `producteurs`, and motifs given twice (without case).
std::vector<std::string> ProducteursInconnus(const std::vector<NomCommercial>& noms,
                                             const std::vector<std::string>& producteurs);

// Designations named by a motif whose producer is not one of `producteurs`.
std::vector<std::string> DesignationsSansProducteur(const std::vector<std::string>& designations,
                                                    const std::vector<NomCommercial>& noms,
                                                    const std::vector<std::string>& producteurs);

// Designations that hold one of the trade-name words `marques` (compared with Mots) and that
// no motif names.
std::vector<std::string> MarquesSansMotif(const std::vector<std::string>& designations,
                                          const std::vector<NomCommercial>& noms,
                                          const std::vector<std::string>& marques);

// Motifs that name none of `designations`.
std::vector<std::string> MotifsInutilises(const std::vector<std::string>& designations,
                                          const std::vector<NomCommercial>& noms);

// Number of characters of a UTF-8 text (bytes that do not continue a sequence).
std::size_t NombreCaracteresUtf8(const std::string& texte);

} // namespace talix::test
