#pragma once
// Entry window of the search by tensile strength, with its tolerance box ("50" when
// built; the search never rewrites it).

#include "ui/FenetreSaisie.h"

namespace talix {

class TSaisieResistance1 final : public FenetreSaisie {
    Q_OBJECT
public:
    explicit TSaisieResistance1(Talix& talix);

protected:
    FenetreAide* Aide() const override;
};

} // namespace talix
