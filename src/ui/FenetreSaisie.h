#pragma once
// The make shared by the four search entry windows: the banner, the family label
// `SousEnsemble`, the "ENTRY" panel, the window's instruction texts, the box(es), and the
// menu (Quit, New search, Producers for the property searches, Help). The window sees
// every key first: Enter starts its search, Escape ends the application. Every showing
// writes the selected family; closing the window by any means ends the application.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStringList>

namespace talix {

class Talix;
class FenetreAide;

struct ModeleSaisie {
    QString nomClasse;
    QString titre;
    int typeRecherche;
    QStringList consignes;   // the central panel's texts
    QColor couleurConsignes; // yellow or blue
    QString invite;          // the prompt before the box
    bool tolerance;          // the tensile-strength window's second box
    bool producteurs;        // the "Producers, references" item
    bool aideSiCachee;       // Help does nothing while the help window is visible
};

class FenetreSaisie : public QMainWindow {
    Q_OBJECT
public:
    FenetreSaisie(Talix& talix, const ModeleSaisie& modele);

    // Enter: runs the window's search on the boxes, then shows the designations window
    // in its place.
    void Valider();
    // "Help": the window's help window.
    void MontrerAide();

    QLabel* SousEnsemble;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLineEdit* Edit2 = nullptr;
    QAction* Quitter1;
    QAction* NouvelleRecherche1;
    QAction* Fournisseurs1 = nullptr;
    QAction* Aide1;

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    // The help window of this entry window.
    virtual FenetreAide* Aide() const = 0;

    Talix& talix_;

private:
    bool TraiterTouche(QKeyEvent* touche);

    int type_;
    bool aideSiCachee_;
};

} // namespace talix
