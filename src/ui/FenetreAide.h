#pragma once
// The make shared by the eight help windows: an independent top-level window whose memo
// shows one fixed text in bold Courier New 12 pixels on the button-face colour, with an
// optional blue footer. The window sees keys first: Escape hides it, every other key goes
// to the memo (arrows, PgUp and PgDn scroll). The text is loaded once, at start-up.

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

namespace talix {

class FenetreAide : public QWidget {
    Q_OBJECT
public:
    // `texte`: the memo's text; `pied`: the footer, none when empty.
    FenetreAide(const QString& nomClasse, const QString& titre, const QString& texte,
                bool modifiable, const QString& pied);

    // Shows the window maximised (the default) and brings it to the front.
    virtual void Montrer();

    QPlainTextEdit* Memo1;
    QLabel* Pied = nullptr;

protected:
    void showEvent(QShowEvent* evenement) override;
};

// The text of a resource file (UTF-8), empty when it is missing.
QString TexteRessource(const QString& chemin);

} // namespace talix
