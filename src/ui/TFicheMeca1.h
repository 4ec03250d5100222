#pragma once
// The mechanical characteristics window: the column heads, the grid of three condition
// rows painted from the engine's values, the notes and the legend of the condition codes.
// It sees keys first: Escape hides it. Its close box only hides it.

#include <QAction>
#include <QMainWindow>

#include "sheets/Feuilles.h"
#include "ui/GrilleFeuille.h"

namespace talix {

class Talix;

class TFicheMeca1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TFicheMeca1(Talix& talix);

    void Peindre(const FeuilleMeca& feuille);

    GrilleFeuille* StringGrid1;
    QAction* Aide1;

private:
    Talix& talix_;
};

} // namespace talix
