#pragma once
// The main menu: the choice of the alloy family (menu "Search options", with a check mark
// on the selected family and its label beside "Search option selected:") and of one of the
// four searches (radio group, button, Enter, Space, F4 to F7). It sees every key first.
// Each showing puts the family back to all alloys. Quit, Escape, a close request and its
// destruction end the application.

#include <array>
#include <cstdint>

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

namespace talix {

class Talix;

class TMenuPrinc final : public QMainWindow {
    Q_OBJECT
public:
    explicit TMenuPrinc(Talix& talix);
    ~TMenuPrinc() override;

    // Checks the item of `code` and unchecks the others; a code without item shows the
    // general error window (ending the application) and changes no mark.
    void CocherFamille(std::int32_t code);
    // ChoisirDesignation ... ChoisirElasticite: the search kind, then its entry window in
    // place of the menu.
    void Choisir(int typeRecherche);
    // The radio group's selected item, -1 when none.
    int ItemChoisi() const;
    void SelectionnerItem(int item);

    QLabel* Label3;
    QGroupBox* RadioGroup1;
    QButtonGroup* Boutons;
    QPushButton* Button1;
    QAction* Quitter1;
    QAction* Fournisseurs1;
    QAction* Aide1;
    QAction* APropos2;
    // Aciers1, Aluminium1, Cuivre1, Inox1, Nickel1, Titane1, Spciaux1, Tous1.
    std::array<QAction*, 8> Familles{};

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    bool TraiterTouche(QKeyEvent* touche);
    void ChoisirFamille(std::int32_t code);
    void Continuer();

    Talix& talix_;
};

} // namespace talix
