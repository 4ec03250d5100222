#pragma once
// Tiny bases for tests: a temporary directory, records and index lines built from values.

#include <cstdint>
#include <string>
#include <vector>

#include "database/Fiche.h"

namespace talix::test {

// A fresh directory under the system's temporary directory, removed with its content.
class RepertoireTemporaire {
public:
    RepertoireTemporaire();
    ~RepertoireTemporaire();
    RepertoireTemporaire(const RepertoireTemporaire&) = delete;
    RepertoireTemporaire& operator=(const RepertoireTemporaire&) = delete;

    const std::string& Chemin() const { return chemin_; }
    std::string Fichier(const std::string& nom) const { return chemin_ + "/" + nom; }

private:
    std::string chemin_;
};

// `texte` padded with blanks (or cut) to `largeur`.
std::string Cadre(const std::string& texte, std::size_t largeur);
// `texte` right-aligned in `largeur` (cut on the left when longer).
std::string ADroite(const std::string& texte, std::size_t largeur);

// A decoded record whose designation fields hold the given texts (padded), family code,
// and blanks elsewhere; the composition bounds hold the empty amount "  .000".
Fiche FicheDe(const std::vector<std::string>& designations, const std::string& famille = "100");

// Writes `donnees` as the whole content of `chemin`.
void EcrireOctets(const std::string& chemin, const std::string& donnees);
std::string LireOctets(const std::string& chemin);

// Writes "Talix" in `repertoire`: one raw record per decoded record, encoded.
void EcrireBase(const std::string& repertoire, const std::vector<Fiche>& fiches);

// Writes "Talixind" in `repertoire`: the lines, each followed by `fin` (CR LF by default).
void EcrireIndex(const std::string& repertoire, const std::vector<std::string>& lignes,
                 const std::string& fin = "\r\n");

// Index lines in the compiler's format.
std::string LigneDesignationIndex(const std::string& cle, std::int32_t famille,
                                  std::int32_t fiche, std::int32_t colonne);
std::string LigneDureteIndex(std::int32_t valeur, std::int32_t famille, std::int32_t fiche,
                             std::int32_t colonne = 0);
std::string LigneElasticiteIndex(std::int32_t valeur, std::int32_t famille, std::int32_t fiche,
                                 std::int32_t colonne = 0);
std::string LigneResistanceIndex(std::int32_t min, std::int32_t max, std::int32_t famille,
                                 std::int32_t fiche, std::int32_t colonne = 0);

} // namespace talix::test
