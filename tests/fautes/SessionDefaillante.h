#pragma once
// A session over a small base on the fault-injecting file layer.

#include <string>
#include <vector>

#include "session/Enregistreurs.h"
#include "session/Session.h"
#include "support/Fixtures.h"
#include "support/SystemeDefaillant.h"

namespace talix::test {

class SessionDefaillante {
public:
    // Three grades; designation, hardness, yield and tensile lines for each. With
    // `lignesDeRemplissage`, that many designation lines of another family come first, so
    // that the index spans several reads of the reader's buffer.
    explicit SessionDefaillante(int lignesDeRemplissage = 0) {
        EcrireBase(rep.Chemin(), {FicheDe({"ALPHA", "1.0001"}, "100"),
                                  FicheDe({"BETA", "1.0002"}, "100"),
                                  FicheDe({"GAMMA", "1.0003"}, "100")});
        std::vector<std::string> lignes;
        for (int i = 0; i < lignesDeRemplissage; ++i) {
            char cle[16];
            std::snprintf(cle, sizeof cle, "A%07d", i);
            lignes.push_back(LigneDesignationIndex(cle, 600, 1, 1));
        }
        for (const auto& l : {LigneDesignationIndex("ALPHA", 100, 1, 1),
                              LigneDesignationIndex("BETA", 100, 2, 1),
                              LigneDesignationIndex("GAMMA", 100, 3, 1),
                              LigneDureteIndex(150, 100, 1), LigneDureteIndex(200, 100, 2),
                              LigneDureteIndex(250, 100, 3), LigneElasticiteIndex(300, 100, 1),
                              LigneElasticiteIndex(400, 100, 2),
                              LigneElasticiteIndex(500, 100, 3),
                              LigneResistanceIndex(400, 500, 100, 1),
                              LigneResistanceIndex(600, 700, 100, 2),
                              LigneResistanceIndex(800, 900, 100, 3)}) {
            lignes.push_back(l);
        }
        EcrireIndex(rep.Chemin(), lignes);
        session.rapport.RepertoireProgramme = rep.Chemin();
        session.rapport.RepertoireUtilisateur = rep.Fichier("utilisateur");
        session.Demarrer();
        session.MontrerMenu();
    }

    void Chercher(int type, const std::string& texte) {
        session.Choisir(type);
        session.LancerRecherche(type, texte, "50");
    }

    RepertoireTemporaire rep;
    SystemeDefaillant systeme;
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Session session{systeme, fenetres, documents, rep.Chemin()};
};

} // namespace talix::test
