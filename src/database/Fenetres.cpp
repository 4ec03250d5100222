#include "database/Fenetres.h"

namespace talix {

const char* NomFenetre(Fenetre fenetre) {
    switch (fenetre) {
    case Fenetre::TErreurBase1: return "TErreurBase1";
    case Fenetre::TFicheErreur: return "TFicheErreur";
    case Fenetre::TErreurNonTrouve: return "TErreurNonTrouve";
    case Fenetre::TFicheSousRecherche: return "TFicheSousRecherche";
    case Fenetre::TFicheFinDesDonnees: return "TFicheFinDesDonnees";
    case Fenetre::TFicheDebutDonnees: return "TFicheDebutDonnees";
    }
    return "";
}

} // namespace talix
