#include "ui/TSaisieElasticite1.h"

#include "ui/Application.h"
#include "ui/TAideElasticite1.h"

namespace talix {

TSaisieElasticite1::TSaisieElasticite1(Talix& talix)
    : FenetreSaisie(talix, {QStringLiteral("TSaisieElasticite1"),
                            QStringLiteral("TALIX 32-64 : Search by yield strength."),
                            3,
                            {QStringLiteral("1 Mpa = 1 N/mm\u00b2 = 0,1019 Kgf/mm\u00b2 = 0,1 hbar "
                                            "= 145,038 psi = 0,065 tonf/in\u00b2")},
                            QColor(0, 0, 255),
                            QStringLiteral("Minimum yield strength searched for (Mpa)"),
                            false,
                            true,
                            false}) {}

FenetreAide* TSaisieElasticite1::Aide() const {
    return talix_.AideElasticite1.get();
}

} // namespace talix
