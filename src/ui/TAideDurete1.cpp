#include "ui/TAideDurete1.h"

namespace talix {

TAideDurete1::TAideDurete1()
    : FenetreAide(QStringLiteral("TAideDurete1"),
                  QStringLiteral("TALIX 32-64 : Information for hardness "),
                  TexteRessource(QStringLiteral(":/help/TAideDurete1.txt")), false, QString()) {}

} // namespace talix
