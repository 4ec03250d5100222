#pragma once
// The general error window. It sees every key before its controls: any key at all closes
// it, as does its close box; the engine then ends the application.

#include "ui/FenetreNotice.h"

namespace talix {

class TFicheErreur final : public FenetreNotice {
    Q_OBJECT
public:
    explicit TFicheErreur(QWidget* parent = nullptr);

protected:
    bool TraiterTouche(QKeyEvent* touche);
};

} // namespace talix
