#pragma once
// Entry window of the search by designation.

#include "ui/FenetreSaisie.h"

namespace talix {

class TSaisieDesignation1 final : public FenetreSaisie {
    Q_OBJECT
public:
    explicit TSaisieDesignation1(Talix& talix);

protected:
    FenetreAide* Aide() const override;
};

} // namespace talix
