#pragma once
// Help of the designation entry window: the head text, then every kind of material that
// can be typed, one a line.

#include "ui/FenetreAide.h"

namespace talix {

class TAideDesignation1 final : public FenetreAide {
    Q_OBJECT
public:
    TAideDesignation1();

private:
    static QString TexteAide();
};

} // namespace talix
