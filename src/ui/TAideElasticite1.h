#pragma once
// Help of the yield-strength entry window; its memo accepts typing.

#include "ui/FenetreAide.h"

namespace talix {

class TAideElasticite1 final : public FenetreAide {
    Q_OBJECT
public:
    TAideElasticite1();
};

} // namespace talix
