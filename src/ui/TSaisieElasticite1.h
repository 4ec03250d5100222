#pragma once
// Entry window of the search by minimum yield strength.

#include "ui/FenetreSaisie.h"

namespace talix {

class TSaisieElasticite1 final : public FenetreSaisie {
    Q_OBJECT
public:
    explicit TSaisieElasticite1(Talix& talix);

protected:
    FenetreAide* Aide() const override;
};

} // namespace talix
