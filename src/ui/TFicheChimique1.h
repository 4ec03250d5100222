#pragma once
// The chemical composition window: the composition grid (7 columns by 12 rows, row 0 the
// header written at each showing), the density and the comment, painted from the engine's
// values. It sees keys first: Escape hides it. Its close box only hides it.

#include <QAction>
#include <QLabel>
#include <QMainWindow>

#include "sheets/Feuilles.h"
#include "ui/GrilleFeuille.h"

namespace talix {

class Talix;

class TFicheChimique1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TFicheChimique1(Talix& talix);

    void Peindre(const FeuilleChimie& feuille);

    GrilleFeuille* StringGrid1;
    QLabel* DensiteTrouvee;
    QLabel* Observation;
    QAction* Aide1;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Talix& talix_;
};

} // namespace talix
