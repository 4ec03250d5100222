#include "ui/TFicheDebutDonnees.h"

namespace talix {

TFicheDebutDonnees::TFicheDebutDonnees(QWidget* parent)
    : FenetreNotice(QStringLiteral("TFicheDebutDonnees"),
                    QStringLiteral("TALIX 32-64 : Information"),
                    {QStringLiteral("Beginning of data")}, parent) {
    setWindowFlags(Qt::Window);
    setSizeGripEnabled(true);
    // Its designed place; a window that has been placed is not centred when shown.
    move(312, 264);
}

} // namespace talix
