#pragma once
// Notice: the current search has no preceding grade. An ordinary sizeable window at a
// fixed place of the screen, not a centred dialog.

#include "ui/FenetreNotice.h"

namespace talix {

class TFicheDebutDonnees final : public FenetreNotice {
    Q_OBJECT
public:
    explicit TFicheDebutDonnees(QWidget* parent = nullptr);
};

} // namespace talix
