#pragma once
// Help of the designations window.

#include "ui/FenetreAide.h"

namespace talix {

class TAideAlliageDesignation1 final : public FenetreAide {
    Q_OBJECT
public:
    TAideAlliageDesignation1();
};

} // namespace talix
