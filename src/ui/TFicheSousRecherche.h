#pragma once
// Notice: the index offered no line at all to stand in for the typed value. The family
// filter goes back to all alloys when it closes (the engine does that).

#include "ui/FenetreNotice.h"

namespace talix {

class TFicheSousRecherche final : public FenetreNotice {
    Q_OBJECT
public:
    explicit TFicheSousRecherche(QWidget* parent = nullptr);
};

} // namespace talix
