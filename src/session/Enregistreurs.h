#pragma once
// Recording implementations of the engine's two interfaces to the desktop: every modal
// window "closes" at once and is recorded. The tests and the headless driver use them.

#include <string>
#include <vector>

#include "database/Fenetres.h"
#include "report/ServiceDocuments.h"

namespace talix {

class FenetresEnregistreuses final : public Fenetres {
public:
    struct Montree {
        Fenetre fenetre;
        std::string detail; // the detail line of TErreurBase1, empty for the others
    };

    void MontrerModale(Fenetre fenetre, const std::string& detail) override {
        montrees.push_back({fenetre, fenetre == Fenetre::TErreurBase1 ? detail : std::string()});
    }
    void Message(const std::string& texte) override { messages.push_back(texte); }
    void DemanderFin() override { ++finsDemandees; }

    // The class names of the windows shown, in order.
    std::vector<std::string> Noms() const {
        std::vector<std::string> noms;
        for (const Montree& m : montrees) {
            noms.emplace_back(NomFenetre(m.fenetre));
        }
        return noms;
    }
    void Effacer() {
        montrees.clear();
        messages.clear();
        finsDemandees = 0;
    }

    std::vector<Montree> montrees;
    std::vector<std::string> messages;
    int finsDemandees = 0;
};

class ServiceDocumentsEnregistreur final : public ServiceDocuments {
public:
    bool Ouvrir(const std::string& chemin) override {
        ouverts.push_back(chemin);
        return reussir;
    }
    bool Imprimer(const std::string& chemin) override {
        imprimes.push_back(chemin);
        return reussir;
    }

    std::vector<std::string> ouverts;
    std::vector<std::string> imprimes;
    bool reussir = true; // what the service answers
};

} // namespace talix
