#include "ui/TSaisieDesignation1.h"

#include "ui/Application.h"
#include "ui/TAideDesignation1.h"

namespace talix {

TSaisieDesignation1::TSaisieDesignation1(Talix& talix)
    : FenetreSaisie(
          talix,
          {QStringLiteral("TSaisieDesignation1"),
           QStringLiteral("TALIX 32-64 : Search by designation "),
           0,
           {QStringLiteral("Comparisons of designation are suggested by concerned producers,"),
            QStringLiteral("and   MUST BE CONSIDERED AS INDICATIVE for guidance only."),
            QStringLiteral("Each alloy named by trademark, has his specificity.")},
           QColor(255, 255, 0),
           QStringLiteral("Designation searched for"),
           false,
           false,
           true}) {}

FenetreAide* TSaisieDesignation1::Aide() const {
    return talix_.AideDesignation1.get();
}

} // namespace talix
