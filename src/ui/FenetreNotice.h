#pragma once
// The make shared by the notices and the two error windows: a small modal dialog with a
// bevelled panel holding the program's picture at its left and text labels, and one OK
// button with the check-mark glyph that closes the window.

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace talix {

class FenetreNotice : public QDialog {
    Q_OBJECT
public:
    // `lignes`: the panel's labels, top to bottom.
    FenetreNotice(const QString& nomClasse, const QString& titre, const QStringList& lignes,
                  QWidget* parent = nullptr);

    QFrame* Panneau;
    QLabel* ProgramIcon;
    QList<QLabel*> Lignes;
    QPushButton* OKButton;

protected:
    // Paints the panel with `fond` and its texts with `texte`.
    void Colorer(const QColor& fond, const QColor& texte);
};

} // namespace talix
