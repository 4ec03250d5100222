#include "ui/TAideElasticite1.h"

namespace talix {

TAideElasticite1::TAideElasticite1()
    : FenetreAide(QStringLiteral("TAideElasticite1"),
                  QStringLiteral("TALIX 32-64 : Information for search by yield strength"),
                  TexteRessource(QStringLiteral(":/help/TAideElasticite1.txt")), true, QString()) {}

} // namespace talix
