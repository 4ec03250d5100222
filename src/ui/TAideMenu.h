#pragma once
// Help of the main menu.

#include "ui/FenetreAide.h"

namespace talix {

class TAideMenu final : public FenetreAide {
    Q_OBJECT
public:
    TAideMenu();
};

} // namespace talix
