#include "ui/TAidePropChim.h"

namespace talix {

TAidePropChim::TAidePropChim()
    : FenetreAide(QStringLiteral("TAidePropChim"),
                  QStringLiteral("TALIX 32-64 : Information for chemical composition."),
                  TexteRessource(QStringLiteral(":/help/TAidePropChim.txt")), false, QString()) {}

} // namespace talix
