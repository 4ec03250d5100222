#pragma once
// Help of the hardness entry window.

#include "ui/FenetreAide.h"

namespace talix {

class TAideDurete1 final : public FenetreAide {
    Q_OBJECT
public:
    TAideDurete1();
};

} // namespace talix
