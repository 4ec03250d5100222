#include "ui/GrilleFeuille.h"

#include <QHeaderView>

#include "ui/Commun.h"

namespace talix {

GrilleFeuille::GrilleFeuille(int colonnes, int lignes, QWidget* parent)
    : QTableWidget(lignes, colonnes, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setFont(Police("Arial", 15, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Argent());
    palette.setColor(QPalette::Text, Qt::black);
    setPalette(palette);
    for (int ligne = 0; ligne < lignes; ++ligne) {
        for (int colonne = 0; colonne < colonnes; ++colonne) {
            auto* cellule = new QTableWidgetItem;
            cellule->setFlags(Qt::ItemIsEnabled); // fixed: not selectable, not editable
            cellule->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            setItem(ligne, colonne, cellule);
        }
    }
}

void GrilleFeuille::Ecrire(int colonne, int ligne, const QString& texte) {
    item(ligne, colonne)->setText(texte);
}

QString GrilleFeuille::Cellule(int colonne, int ligne) const {
    return item(ligne, colonne)->text();
}

void GrilleFeuille::AjusterTaille(int colonnesVisibles) {
    int largeur = 2 * frameWidth();
    for (int colonne = 0; colonne < colonnesVisibles; ++colonne) {
        largeur += columnWidth(colonne);
    }
    int hauteur = 2 * frameWidth();
    for (int ligne = 0; ligne < rowCount(); ++ligne) {
        hauteur += rowHeight(ligne);
    }
    setFixedSize(largeur, hauteur);
}

} // namespace talix
