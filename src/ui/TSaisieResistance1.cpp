#include "ui/TSaisieResistance1.h"

#include "ui/Application.h"
#include "ui/TAideResistance1.h"

namespace talix {

TSaisieResistance1::TSaisieResistance1(Talix& talix)
    : FenetreSaisie(talix, {QStringLiteral("TSaisieResistance1"),
                            QStringLiteral("TALIX 32-64 : Search by tensile strength."),
                            2,
                            {QStringLiteral("1 Mpa = 1 N/mm\u00b2 = 0,1019 Kgf/mm\u00b2 = 0,1 hbar "
                                            "= 145,038 psi = 0,065 tonf/in\u00b2")},
                            QColor(0, 0, 255),
                            QStringLiteral("Tensile strength searched for (Mpa)"),
                            true,
                            true,
                            false}) {}

FenetreAide* TSaisieResistance1::Aide() const {
    return talix_.AideResistance1.get();
}

} // namespace talix
