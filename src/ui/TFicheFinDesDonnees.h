#pragma once
// Notice: the current search has no following grade.

#include "ui/FenetreNotice.h"

namespace talix {

class TFicheFinDesDonnees final : public FenetreNotice {
    Q_OBJECT
public:
    explicit TFicheFinDesDonnees(QWidget* parent = nullptr);
};

} // namespace talix
