#include "ui/TAidePropMeca.h"

#include <QScreen>

namespace talix {

TAidePropMeca::TAidePropMeca()
    : FenetreAide(QStringLiteral("TAidePropMeca"),
                  QStringLiteral("TALIX 32-64 : Information for mechanical characteristics."),
                  TexteRessource(QStringLiteral(":/help/TAidePropMeca.txt")), true,
                  QStringLiteral("Use keys  <PgUp> <PgDn>")) {}

void TAidePropMeca::Montrer() {
    if (QScreen* ecran = screen()) {
        setGeometry(ecran->availableGeometry());
    }
    show();
    raise();
    activateWindow();
}

} // namespace talix
