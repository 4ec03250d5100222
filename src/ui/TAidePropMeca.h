#pragma once
// Help of the mechanical characteristics window; its memo accepts typing. It opens at
// the screen's full size without being maximised.

#include "ui/FenetreAide.h"

namespace talix {

class TAidePropMeca final : public FenetreAide {
    Q_OBJECT
public:
    TAidePropMeca();

    void Montrer() override;
};

} // namespace talix
