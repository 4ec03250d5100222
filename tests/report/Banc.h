#pragma once
// A report writer on a temporary directory, with injectable file failures and recording
// windows and document service.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "report/Rapport.h"
#include "report/SystemeDefaillant.h"
#include "session/Enregistreurs.h"
#include "support/Fixtures.h"

namespace talix::test {

struct Banc {
    RepertoireTemporaire dir;
    SystemeDefaillant systeme;
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Base base{systeme, fenetres, dir.Chemin()};
    Rapport rapport{base, documents};

    // Names of the entries of `repertoire`, sorted.
    static std::vector<std::string> Noms(const std::string& repertoire) {
        std::vector<std::string> noms;
        std::error_code erreur;
        for (const auto& e : std::filesystem::directory_iterator(repertoire, erreur)) {
            noms.push_back(e.path().filename().string());
        }
        std::sort(noms.begin(), noms.end());
        return noms;
    }
    bool ErreurGeneraleEtFin() const {
        return fenetres.Noms() == std::vector<std::string>{"TFicheErreur"} &&
               fenetres.finsDemandees > 0 && base.FinDemandee();
    }
};

} // namespace talix::test
