#include "ui/TFicheFinDesDonnees.h"

namespace talix {

TFicheFinDesDonnees::TFicheFinDesDonnees(QWidget* parent)
    : FenetreNotice(QStringLiteral("TFicheFinDesDonnees"),
                    QStringLiteral("TALIX 32-64 : Information."), {QStringLiteral("End of data")},
                    parent) {}

} // namespace talix
