#pragma once
// Help of the chemical composition window.

#include "ui/FenetreAide.h"

namespace talix {

class TAidePropChim final : public FenetreAide {
    Q_OBJECT
public:
    TAidePropChim();
};

} // namespace talix
