#include "ui/TFicheChimique1.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ui/Application.h"
#include "ui/Commun.h"
#include "ui/TAidePropChim.h"

namespace talix {

TFicheChimique1::TFicheChimique1(Talix& talix) : talix_(talix) {
    setObjectName(QStringLiteral("TFicheChimique1"));
    setWindowTitle(QStringLiteral("TALIX 32-64 : Chemical composition"));
    setWindowIcon(IconeProgramme());
    setFont(Police("Times New Roman", 15, true));
    resize(1024, 740);
    menuBar()->setFont(QApplication::font()); // the window font is not the menus'

    Aide1 = menuBar()->addAction(QStringLiteral("Help"));
    Aide1->setShortcut(Qt::Key_F1);
    connect(Aide1, &QAction::triggered, this, [this] {
        if (!talix_.AidePropChim->isVisible()) {
            talix_.AidePropChim->Montrer();
        }
    });

    auto* centre = CentreArgent(this);
    const QFont gras = Police("Arial", 15, true);

    auto* entete = new EnteteProduit(centre);
    auto* panel1 = new QFrame(centre);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Raised);
    panel1->setLineWidth(2);
    auto* titre = Etiquette(QStringLiteral("INDICATIVE CHEMICAL COMPOSITION PER CENT"), panel1,
                            Police("Arial", 18, true), QColor(0, 0, 128));
    auto* rangeeTitre = new QHBoxLayout(panel1);
    rangeeTitre->setContentsMargins(30, 4, 30, 4);
    rangeeTitre->addWidget(titre);

    StringGrid1 = new GrilleFeuille(7, 12, centre);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    for (int ligne = 0; ligne < 12; ++ligne) {
        StringGrid1->setRowHeight(ligne, ligne <= 9 ? 24 : (ligne == 10 ? 25 : 31));
    }

    // Density, its unit and the notes under the table.
    auto* densite = new QFrame(centre);
    densite->setObjectName(QStringLiteral("Densite"));
    densite->setFrameShape(QFrame::Panel);
    densite->setFrameShadow(QFrame::Sunken);
    auto* densiteStr = Etiquette(QStringLiteral("Density : "), densite, gras);
    densiteStr->setObjectName(QStringLiteral("densiteStr"));
    DensiteTrouvee = Etiquette(QString(), densite, gras);
    DensiteTrouvee->setObjectName(QStringLiteral("DensiteTrouvee"));
    DensiteTrouvee->setFixedWidth(60);
    auto* unite = Etiquette(QStringLiteral("g/cm3"), densite, gras);
    unite->setObjectName(QStringLiteral("UniteDensite"));
    auto* rangeeDensite = new QHBoxLayout(densite);
    rangeeDensite->setContentsMargins(8, 2, 8, 2);
    rangeeDensite->addWidget(densiteStr);
    rangeeDensite->addWidget(DensiteTrouvee);
    rangeeDensite->addWidget(unite);
    auto* conversion =
        Etiquette(QStringLiteral("lbs/in3 * 27.68 = g/cm3"), centre, Police("Arial", 13, true));
    auto* nominales =
        Etiquette(QStringLiteral("When the values min.-max. are equal, they are nominal values."),
                  centre, Police("Arial", 13, true, true));
    auto* gaucheDensite = new QVBoxLayout;
    gaucheDensite->addWidget(densite);
    gaucheDensite->addWidget(conversion);
    auto* rangeeNotes = new QHBoxLayout;
    rangeeNotes->addLayout(gaucheDensite);
    rangeeNotes->addStretch(1);
    rangeeNotes->addWidget(nominales, 0, Qt::AlignBottom);

    // The comment: right-justified in its panel, "Comments :" at the left edge.
    auto* observation = new QFrame(centre);
    observation->setFrameShape(QFrame::Panel);
    observation->setFrameShadow(QFrame::Sunken);
    auto* obsStr = Etiquette(QStringLiteral("Comments :"), observation, gras);
    obsStr->setObjectName(QStringLiteral("ObsStr"));
    Observation = Etiquette(QString(), observation, gras);
    Observation->setObjectName(QStringLiteral("Observation"));
    Observation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* rangeeObs = new QHBoxLayout(observation);
    rangeeObs->setContentsMargins(8, 2, 8, 2);
    rangeeObs->addWidget(obsStr);
    rangeeObs->addWidget(Observation, 1);

    auto* bloc = new QVBoxLayout;
    bloc->setSpacing(6);
    bloc->addWidget(StringGrid1);
    bloc->addLayout(rangeeNotes);
    bloc->addWidget(observation);
    auto* blocCentre = new QHBoxLayout;
    blocCentre->addStretch(1);
    blocCentre->addLayout(bloc);
    blocCentre->addStretch(1);

    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(16, 8, 16, 8);
    colonne->setSpacing(8);
    colonne->addWidget(entete, 0, Qt::AlignHCenter);
    colonne->addWidget(panel1, 0, Qt::AlignHCenter);
    colonne->addLayout(blocCentre);
    colonne->addStretch(1);

    new ApercuClavier(this, [this](QKeyEvent* touche) {
        if (touche->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
        return false;
    });
}

void TFicheChimique1::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    // Column widths and header row, at every showing.
    for (int colonne = 0; colonne < 7; ++colonne) {
        StringGrid1->setColumnWidth(colonne, 90);
    }
    StringGrid1->setColumnWidth(0, 150);
    StringGrid1->setColumnWidth(3, 150);
    StringGrid1->AjusterTaille(6);
    talix_.LaSession().feuilles.EnteteChimie();
    Peindre(talix_.LaSession().feuilles.Chimie);
}

void TFicheChimique1::Peindre(const FeuilleChimie& feuille) {
    for (int ligne = 0; ligne < 12; ++ligne) {
        for (int colonne = 0; colonne < 7; ++colonne) {
            StringGrid1->Ecrire(colonne, ligne,
                                VersQt(feuille.cellules[static_cast<std::size_t>(ligne)]
                                                       [static_cast<std::size_t>(colonne)]));
        }
    }
    DensiteTrouvee->setText(VersQt(feuille.densite));
    Observation->setText(VersQt(feuille.commentaire));
}

} // namespace talix
