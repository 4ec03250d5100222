#pragma once
// The string grid of the two sheet windows: fixed cells, no selection, no focus, no scroll
// bars, silver, Arial bold 15 pixels, grid lines, no headers. Cells are addressed by
// column and row and show the engine's texts as they are, blanks included.

#include <QTableWidget>

namespace talix {

class GrilleFeuille final : public QTableWidget {
    Q_OBJECT
public:
    GrilleFeuille(int colonnes, int lignes, QWidget* parent);

    void Ecrire(int colonne, int ligne, const QString& texte);
    QString Cellule(int colonne, int ligne) const;
    // Width of the grid that shows the first `colonnes` columns and every row.
    void AjusterTaille(int colonnesVisibles);
};

} // namespace talix
