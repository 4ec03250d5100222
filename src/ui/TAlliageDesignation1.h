#pragma once
// The designations window: the product header, the selected family, the two step buttons
// and the thirteen rows of the designations sheet, painted from the engine's values. It
// does not see keys before its controls; its commands are menu items with shortcuts
// (F4, F5, F7, F8, F9, F1). Closing it ends the application.

#include <array>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "sheets/Feuilles.h"

namespace talix {

class Talix;

class TAlliageDesignation1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TAlliageDesignation1(Talix& talix);

    // Captions, values, colours and visibility of the thirteen rows.
    void Peindre(const FeuilleDesignations& feuille);
    // Step back / step forward (F7, F8 and the two buttons).
    void Precedente();
    void Suivante();

    struct Ligne {
        QFrame* panneau;
        QLabel* legende;
        QLabel* suivi;
        QLabel* valeur;
    };
    std::array<Ligne, NombreLignesDesignation> Lignes{};

    QLabel* SousEnsemble;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QAction* Imprimer1;
    QAction* Annoter1;
    QAction* Quitter1;
    QAction* Chimiques1;
    QAction* Mcaniques1;
    QAction* NouvelleRecherche1;
    QAction* Nuanceprcdente1;
    QAction* Nuancesuivante1;
    QAction* Fournisseurs1;
    QAction* Aide1;

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    Talix& talix_;
};

} // namespace talix
