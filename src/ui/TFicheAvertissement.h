#pragma once
// The warning window, the application's main window, shown once at start-up. Its first
// showing opens the data files. It sees every key first: Escape ends the application, any
// other key (modifier keys included) or a click leads to the main menu.

#include <QPushButton>
#include <QWidget>

namespace talix {

class Talix;

class TFicheAvertissement final : public QWidget {
    Q_OBJECT
public:
    explicit TFicheAvertissement(Talix& talix);

    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    bool TraiterTouche(QKeyEvent* touche);
    void Continuer();

    Talix& talix_;
    bool demarree_ = false;
};

} // namespace talix
