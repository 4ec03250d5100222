#include "ui/TAlliageDesignation1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ui/Application.h"
#include "ui/Commun.h"
#include "ui/TAideAlliageDesignation1.h"
#include "ui/TFicheChimique1.h"
#include "ui/TFicheMeca1.h"

namespace talix {

namespace {

// Object names of the rows' panels, captions and values.
struct NomsLigne {
    const char* panneau;
    const char* legende;
    const char* valeur;
};

constexpr NomsLigne Noms[NombreLignesDesignation] = {
    {"PanelAfnor", "Afnor", "AfnorRep"},
    {"PanelWerkstoff", "Werkstoff", "WerkstoffRep"},
    {"PanelDin", "DIN", "DINRep"},
    {"PanelBS", "BS", "BSRep"},
    {"PanelAISI", "AISI", "AisiRep"},
    {"PanelUNS", "UNS", "UNSrep"},
    {"PanelNature", "Nature", "NatureRep"},
    {"PanelDes1", "Designation1", "Des1Rep"},
    {"PanelDes2", "Designation2", "Des2Rep"},
    {"PanelDes3", "Designation3", "Des3Rep"},
    {"PanelDes4", "Designation4", "Des4Rep"},
    {"PanelDes5", "Designation5", "Des5Rep"},
    {"PanelARemplir", "ARemplir", "ARemplirRep"},
};

QColor CouleurDe(CouleurLigne couleur) {
    switch (couleur) {
    case CouleurLigne::Argent:
        return Argent();
    case CouleurLigne::FaceBouton:
        return FaceBouton();
    case CouleurLigne::Jaune:
        return Jaune();
    }
    return Argent();
}

QPushButton* BoutonEtape(const QString& texte, bool versDroite, QWidget* parent) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setFixedSize(160, 33);
    bouton->setFont(Police("Arial", 11, true));
    bouton->setIcon(IconeFleche(versDroite));
    bouton->setFocusPolicy(Qt::NoFocus);
    if (versDroite) {
        // The glyph on the right side.
        bouton->setLayoutDirection(Qt::RightToLeft);
    }
    return bouton;
}

} // namespace

TAlliageDesignation1::TAlliageDesignation1(Talix& talix) : talix_(talix) {
    setObjectName(QStringLiteral("TAlliageDesignation1"));
    setWindowTitle(QStringLiteral("TALIX 32-64 : Designations"));
    setWindowIcon(IconeProgramme());
    setFont(Police("Times New Roman", 15, true));
    resize(1024, 740);
    menuBar()->setFont(QApplication::font()); // the window font is not the menus'

    QMenu* fichier = menuBar()->addMenu(QStringLiteral("File"));
    Imprimer1 = fichier->addAction(QStringLiteral("Print"));
    Annoter1 = fichier->addAction(QStringLiteral("Annotating"));
    fichier->addSeparator();
    Quitter1 = fichier->addAction(QStringLiteral("Quit"));
    QMenu* proprietes = menuBar()->addMenu(QStringLiteral("Properties of the alloy"));
    Chimiques1 = proprietes->addAction(QStringLiteral("Chemical composition"));
    Chimiques1->setShortcut(Qt::Key_F4);
    Mcaniques1 = proprietes->addAction(QStringLiteral("Mechanical characteristics"));
    Mcaniques1->setShortcut(Qt::Key_F5);
    QMenu* recherche = menuBar()->addMenu(QStringLiteral("Search"));
    NouvelleRecherche1 = recherche->addAction(QStringLiteral("New search"));
    recherche->addSeparator();
    Nuanceprcdente1 = recherche->addAction(QStringLiteral("Preceding designation"));
    Nuanceprcdente1->setShortcut(Qt::Key_F7);
    Nuancesuivante1 = recherche->addAction(QStringLiteral("Following designation"));
    Nuancesuivante1->setShortcut(Qt::Key_F8);
    Fournisseurs1 = menuBar()->addAction(QStringLiteral("Producers, references"));
    Fournisseurs1->setShortcut(Qt::Key_F9);
    Aide1 = menuBar()->addAction(QStringLiteral("Help"));
    Aide1->setShortcut(Qt::Key_F1);

    connect(Imprimer1, &QAction::triggered, this, [this] { talix_.LaSession().Imprimer(); });
    connect(Annoter1, &QAction::triggered, this, [this] { talix_.LaSession().Annoter(); });
    connect(Quitter1, &QAction::triggered, this, [this] { talix_.LaSession().Quitter(); });
    connect(Chimiques1, &QAction::triggered, this,
            [this] { Talix::Montrer(talix_.FicheChimique1.get()); });
    connect(Mcaniques1, &QAction::triggered, this,
            [this] { Talix::Montrer(talix_.FicheMeca1.get()); });
    connect(NouvelleRecherche1, &QAction::triggered, this, [this] { talix_.RetourMenu(); });
    connect(Nuanceprcdente1, &QAction::triggered, this, &TAlliageDesignation1::Precedente);
    connect(Nuancesuivante1, &QAction::triggered, this, &TAlliageDesignation1::Suivante);
    connect(Fournisseurs1, &QAction::triggered, this, [this] { talix_.MontrerListeFour(); });
    connect(Aide1, &QAction::triggered, this,
            [this] { talix_.AideAlliageDesignation1->Montrer(); });

    auto* centre = CentreArgent(this);

    auto* entete = new EnteteProduit(centre);
    SousEnsemble = Etiquette(QString(), centre, Police("Arial", 15, true, true));
    SousEnsemble->setObjectName(QStringLiteral("SousEnsemble"));

    BitBtn1 = BoutonEtape(QStringLiteral("Preceding designation"), false, centre);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = BoutonEtape(QStringLiteral("Following designation"), true, centre);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, &TAlliageDesignation1::Precedente);
    connect(BitBtn2, &QPushButton::clicked, this, &TAlliageDesignation1::Suivante);
    auto* titre = Etiquette(QStringLiteral("DESIGNATIONS OF THE ALLOY"), centre,
                            Police("Arial", 18, true), QColor(0, 0, 128));
    auto* rangeeTitre = new QHBoxLayout;
    rangeeTitre->addWidget(BitBtn1);
    rangeeTitre->addStretch(1);
    rangeeTitre->addWidget(titre);
    rangeeTitre->addStretch(1);
    rangeeTitre->addWidget(BitBtn2);

    // The sheet: thirteen rows of the same make.
    auto* feuille = new QFrame(centre);
    feuille->setObjectName(QStringLiteral("Panel1"));
    feuille->setFrameShape(QFrame::Panel);
    feuille->setFrameShadow(QFrame::Sunken);
    feuille->setLineWidth(2);
    auto* lignes = new QVBoxLayout(feuille);
    lignes->setContentsMargins(6, 6, 6, 6);
    lignes->setSpacing(2);
    const QFont police = Police("Arial", 15, true);
    for (std::size_t i = 0; i < Lignes.size(); ++i) {
        Ligne& ligne = Lignes[i];
        ligne.panneau = new QFrame(feuille);
        ligne.panneau->setObjectName(QString::fromUtf8(Noms[i].panneau));
        ligne.panneau->setAutoFillBackground(true);
        ligne.panneau->setFixedHeight(26);
        ligne.legende = Etiquette(QString(), ligne.panneau, police, Qt::blue);
        ligne.legende->setObjectName(QString::fromUtf8(Noms[i].legende));
        ligne.legende->setFixedWidth(250);
        ligne.suivi = Etiquette(QStringLiteral(" "), ligne.panneau, police);
        ligne.suivi->setObjectName(QStringLiteral("Suivi%1").arg(i + 1));
        ligne.suivi->setFixedWidth(12);
        ligne.valeur = Etiquette(QString(), ligne.panneau, police);
        ligne.valeur->setObjectName(QString::fromUtf8(Noms[i].valeur));
        ligne.valeur->setFixedWidth(349);
        ligne.valeur->setAttribute(Qt::WA_TranslucentBackground);
        auto* rangee = new QHBoxLayout(ligne.panneau);
        rangee->setContentsMargins(8, 0, 8, 0);
        rangee->setSpacing(0);
        rangee->addWidget(ligne.legende);
        rangee->addWidget(ligne.suivi);
        rangee->addWidget(ligne.valeur);
        lignes->addWidget(ligne.panneau);
    }
    auto* note = Etiquette(QStringLiteral("This symbole ~ indicates an approached material"),
                           centre, Police("Arial", 13, true, true));

    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(16, 8, 16, 8);
    colonne->setSpacing(8);
    colonne->addWidget(entete, 0, Qt::AlignHCenter);
    colonne->addWidget(SousEnsemble, 0, Qt::AlignHCenter);
    colonne->addLayout(rangeeTitre);
    colonne->addWidget(feuille, 0, Qt::AlignHCenter);
    colonne->addWidget(note, 0, Qt::AlignHCenter);
    colonne->addStretch(1);
}

void TAlliageDesignation1::Peindre(const FeuilleDesignations& feuille) {
    for (std::size_t i = 0; i < Lignes.size(); ++i) {
        const LigneDesignation& source = feuille.lignes[i];
        Ligne& ligne = Lignes[i];
        ligne.legende->setText(VersQt(source.caption));
        ligne.valeur->setText(VersQt(source.value));
        QPalette palette = ligne.panneau->palette();
        palette.setColor(QPalette::Window, CouleurDe(source.couleur));
        ligne.panneau->setPalette(palette);
        ligne.panneau->setVisible(source.visible);
    }
}

void TAlliageDesignation1::Precedente() {
    Session& session = talix_.LaSession();
    if (session.Terminee()) {
        return;
    }
    session.EtapePrecedente();
    if (session.Terminee()) {
        return;
    }
    talix_.Repeindre();
}

void TAlliageDesignation1::Suivante() {
    Session& session = talix_.LaSession();
    if (session.Terminee()) {
        return;
    }
    session.EtapeSuivante();
    if (session.Terminee()) {
        return;
    }
    talix_.Repeindre();
}

void TAlliageDesignation1::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    talix_.AfficherFamille(SousEnsemble);
}

void TAlliageDesignation1::closeEvent(QCloseEvent* evenement) {
    talix_.LaSession().Quitter();
    evenement->accept();
}

} // namespace talix
