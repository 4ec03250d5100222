#include "ui/TAboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/Commun.h"

namespace talix {

TAboutBox::TAboutBox() {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(IconeProgramme());
    setModal(true);

    auto* panneau = new QFrame(this);
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Sunken);
    panneau->setLineWidth(2);

    auto* image = new QLabel(panneau);
    image->setObjectName(QStringLiteral("ProgramIcon"));
    image->setPixmap(Logo(64));
    auto* textes = new QVBoxLayout;
    textes->addWidget(Etiquette(QStringLiteral("T.A.L.I.X"), panneau, Police("Arial", 20, true),
                                QColor(0, 0, 128)));
    textes->addWidget(Etiquette(TitreProduit(), panneau, Police("Arial", 14, true)));
    textes->addWidget(
        Etiquette(QStringLiteral("TALIX 32-64, version ") + QStringLiteral(TALIX_VERSION), panneau,
                  Police("Arial", 13, false)));
    textes->addSpacing(12);
    textes->addWidget(
        Etiquette(QStringLiteral("Distributed by TALIX"), panneau, Police("Arial", 14, true)));
    textes->addWidget(Etiquette(QStringLiteral("see the README of the project's repository"),
                                panneau, Police("Arial", 13, false, true)));
    auto* rangee = new QHBoxLayout(panneau);
    rangee->setContentsMargins(12, 12, 20, 12);
    rangee->setSpacing(16);
    rangee->addWidget(image, 0, Qt::AlignTop);
    rangee->addLayout(textes, 1);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setIcon(IconeValider());
    OKButton->setDefault(true);
    OKButton->setMinimumWidth(90);
    // OK hides the window and ends its modal state.
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(8, 8, 8, 8);
    colonne->addWidget(panneau, 1);
    colonne->addWidget(OKButton, 0, Qt::AlignHCenter);
}

} // namespace talix
