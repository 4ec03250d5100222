#include "ui/FenetreNotice.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/Commun.h"

namespace talix {

FenetreNotice::FenetreNotice(const QString& nomClasse, const QString& titre,
                             const QStringList& lignes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(nomClasse);
    setWindowTitle(titre);
    setWindowIcon(IconeProgramme());
    setModal(true);

    Panneau = new QFrame(this);
    Panneau->setFrameShape(QFrame::Panel);
    Panneau->setFrameShadow(QFrame::Sunken);
    Panneau->setLineWidth(2);
    Panneau->setAutoFillBackground(true);

    ProgramIcon = new QLabel(Panneau);
    ProgramIcon->setPixmap(Logo(48));
    ProgramIcon->setFixedSize(56, 56);
    ProgramIcon->setAlignment(Qt::AlignCenter);

    auto* textes = new QVBoxLayout;
    for (const QString& ligne : lignes) {
        QLabel* etiquette = Etiquette(ligne, Panneau, Police("Arial", 14, true));
        Lignes.append(etiquette);
        textes->addWidget(etiquette);
    }
    textes->addStretch(1);

    auto* contenu = new QHBoxLayout(Panneau);
    contenu->setContentsMargins(10, 10, 16, 10);
    contenu->setSpacing(14);
    contenu->addWidget(ProgramIcon, 0, Qt::AlignTop);
    contenu->addLayout(textes, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setIcon(IconeValider());
    OKButton->setDefault(true);
    OKButton->setMinimumWidth(90);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(8, 8, 8, 8);
    colonne->addWidget(Panneau, 1);
    colonne->addWidget(OKButton, 0, Qt::AlignHCenter);
    setMinimumWidth(320);
}

void FenetreNotice::Colorer(const QColor& fond, const QColor& texte) {
    QPalette palette = Panneau->palette();
    palette.setColor(QPalette::Window, fond);
    Panneau->setPalette(palette);
    for (QLabel* etiquette : Lignes) {
        QPalette p = etiquette->palette();
        p.setColor(QPalette::WindowText, texte);
        etiquette->setPalette(p);
    }
}

} // namespace talix
