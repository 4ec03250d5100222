#include "ui/TFicheAvertissement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "ui/Application.h"
#include "ui/Commun.h"
#include "ui/TMenuPrinc.h"

namespace talix {

namespace {

const char* const LignesAvertissement[] = {
    "The TALIX software package allows you to consult more than 65000 international  "
    "designations,",
    "trademarks, cross-references, common names.  You will also be able to consult the "
    "chemical and",
    "mechanical properties of about 8000 alloys :",
    "- carbon and alloyed steels, tool steels, special steels",
    "- stainless steels, heat resisting steels - superalloys - titaniums",
    "- aluminium and magnesium alloys - copperous and no ferrous alloys.",
    "All trademarks and trade names are properties of their respective owners.",
    "The competing products listed by the trademarks of their supplier",
    "are for industry reference and comparison purposes only.",
    "TO MAKE SURE AN ALLOY COMPLIES WITH A NORM, IT IS NECESSARY TO ",
    "OBTAIN A WRITTEN CONFIRMATION FROM THE PRODUCER.",
    "We synthesized these data with greatest care.",
    "ALL INFORMATION CONTAINED IN THIS APPLICATION MUST BE CONSIDERED",
    "AS INDICATIVES. THE T.A.L.I.X DOES NOT REPLACE THE ORGANISMS OF ",
    "NORMALIZATION,  NOR THE PRODUCERS.  WE WILL REFUSE LEGAL",
    "RESPONSABILITY OR ANY OTHER TYPE OF RESPONSABILITY.",
};

} // namespace

TFicheAvertissement::TFicheAvertissement(Talix& talix) : talix_(talix) {
    setObjectName(QStringLiteral("TFicheAvertissement"));
    setWindowTitle(QStringLiteral("TALIX 32-64 : Warning."));
    setWindowIcon(IconeProgramme());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Argent());
    setPalette(palette);
    resize(1024, 740);

    // Title block: the picture, the product name and its title.
    auto* image = new QLabel(this);
    image->setPixmap(Logo(105));
    auto* nom = Etiquette(QStringLiteral("TALIX"), this, Police("Arial", 48, true), Jaune());
    auto* titre = Etiquette(TitreProduit(), this, Police("Arial", 20, true), QColor(96, 96, 96));
    auto* titres = new QVBoxLayout;
    titres->addWidget(nom);
    titres->addWidget(titre);
    auto* bloc = new QHBoxLayout;
    bloc->addStretch(1);
    bloc->addWidget(image);
    bloc->addSpacing(20);
    bloc->addLayout(titres);
    bloc->addStretch(1);

    // The text panel: one label per line.
    auto* panneau = new QFrame(this);
    panneau->setObjectName(QStringLiteral("Panel1"));
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    panneau->setLineWidth(2);
    auto* lignes = new QVBoxLayout(panneau);
    lignes->setContentsMargins(24, 14, 24, 14);
    lignes->setSpacing(2);
    int numero = 0;
    for (const char* ligne : LignesAvertissement) {
        const bool majuscules = numero >= 9 && numero != 11;
        QLabel* etiquette = Etiquette(QString::fromUtf8(ligne), panneau, Police("Arial", 15, true),
                                      majuscules ? QColor(128, 0, 0) : Qt::black);
        etiquette->setObjectName(QStringLiteral("Ligne%1").arg(++numero));
        lignes->addWidget(etiquette);
        if (numero == 6 || numero == 9 || numero == 11 || numero == 12) {
            lignes->addSpacing(10);
        }
    }

    Button1 = new QPushButton(QStringLiteral("To continue"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(Police("Arial", 15, true));
    Button1->setMinimumSize(160, 36);
    connect(Button1, &QPushButton::clicked, this, &TFicheAvertissement::Continuer);

    auto* bas = Etiquette(QStringLiteral("Optimized for screen 1024x768 pixels and more."), this,
                          Police("Arial", 12, false, true));

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(20, 16, 20, 8);
    colonne->addLayout(bloc);
    colonne->addSpacing(10);
    colonne->addWidget(panneau, 0, Qt::AlignHCenter);
    colonne->addSpacing(10);
    colonne->addWidget(Button1, 0, Qt::AlignHCenter);
    colonne->addStretch(1);
    colonne->addWidget(bas, 0, Qt::AlignHCenter);

    new ApercuClavier(this, [this](QKeyEvent* touche) { return TraiterTouche(touche); });
}

void TFicheAvertissement::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (!demarree_) {
        demarree_ = true;
        talix_.LaSession().Demarrer();
    }
}

bool TFicheAvertissement::TraiterTouche(QKeyEvent* touche) {
    if (touche->key() == Qt::Key_Escape) {
        talix_.LaSession().Quitter();
    } else {
        Continuer();
    }
    return true;
}

void TFicheAvertissement::mousePressEvent(QMouseEvent* evenement) {
    QWidget::mousePressEvent(evenement);
    Continuer();
}

void TFicheAvertissement::closeEvent(QCloseEvent* evenement) {
    // The main window: closing it ends the application.
    talix_.LaSession().Quitter();
    evenement->accept();
}

void TFicheAvertissement::Continuer() {
    if (talix_.LaSession().Terminee() || !isVisible()) {
        return;
    }
    hide();
    Talix::Montrer(talix_.MenuPrinc.get());
}

} // namespace talix
