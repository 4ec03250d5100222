#pragma once
// Entry window of the search by maximum hardness.

#include "ui/FenetreSaisie.h"

namespace talix {

class TSaisieDurete1 final : public FenetreSaisie {
    Q_OBJECT
public:
    explicit TSaisieDurete1(Talix& talix);

protected:
    FenetreAide* Aide() const override;
};

} // namespace talix
