#pragma once
// Help of the tensile-strength entry window.

#include "ui/FenetreAide.h"

namespace talix {

class TAideResistance1 final : public FenetreAide {
    Q_OBJECT
public:
    TAideResistance1();
};

} // namespace talix
