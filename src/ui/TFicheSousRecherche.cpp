#include "ui/TFicheSousRecherche.h"

namespace talix {

TFicheSousRecherche::TFicheSousRecherche(QWidget* parent)
    : FenetreNotice(QStringLiteral("TFicheSousRecherche"),
                    QStringLiteral("Sous Recherche non Trouv\u00e9e."),
                    {QStringLiteral("Kind of alloy not found.")}, parent) {}

} // namespace talix
