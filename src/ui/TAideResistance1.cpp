#include "ui/TAideResistance1.h"

namespace talix {

TAideResistance1::TAideResistance1()
    : FenetreAide(QStringLiteral("TAideResistance1"),
                  QStringLiteral("TALIX 32-64 : Information for search by tensile strength."),
                  TexteRessource(QStringLiteral(":/help/TAideResistance1.txt")), false, QString()) {
}

} // namespace talix
