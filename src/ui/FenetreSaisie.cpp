#include "ui/FenetreSaisie.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ui/Application.h"
#include "ui/Commun.h"
#include "ui/FenetreAide.h"

namespace talix {

namespace {

QFrame* Panneau(QWidget* parent, QFrame::Shadow relief, const QColor& fond) {
    auto* panneau = new QFrame(parent);
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(relief);
    panneau->setLineWidth(2);
    panneau->setAutoFillBackground(true);
    QPalette palette = panneau->palette();
    palette.setColor(QPalette::Window, fond);
    panneau->setPalette(palette);
    return panneau;
}

// The banner: the product's picture, its name in large yellow letters, its title in grey
// and the distributor line.
QFrame* Banniere(QWidget* parent) {
    QFrame* banniere = Panneau(parent, QFrame::Raised, QColor(0, 0, 128));
    auto* image = new QLabel(banniere);
    image->setPixmap(Logo(80));
    auto* nom = Etiquette(QStringLiteral("TALIX"), banniere, Police("Arial", 40, true), Jaune());
    auto* titre =
        Etiquette(TitreProduit(), banniere, Police("Arial", 16, true), QColor(192, 192, 192));
    auto* distributeur = Etiquette(QStringLiteral("distributed by Oskvel"), banniere,
                                   Police("Arial", 12, false, true), Qt::white);
    auto* contact = Etiquette(QStringLiteral("see the README of the project's repository"),
                              banniere, Police("Arial", 12, true), Qt::white);
    auto* textes = new QVBoxLayout;
    textes->setSpacing(0);
    textes->addWidget(nom);
    textes->addWidget(titre);
    auto* droite = new QVBoxLayout;
    droite->addStretch(1);
    droite->addWidget(distributeur);
    droite->addWidget(contact);
    auto* rangee = new QHBoxLayout(banniere);
    rangee->setContentsMargins(10, 6, 16, 6);
    rangee->addWidget(image);
    rangee->addSpacing(16);
    rangee->addLayout(textes);
    rangee->addStretch(1);
    rangee->addLayout(droite);
    return banniere;
}

} // namespace

FenetreSaisie::FenetreSaisie(Talix& talix, const ModeleSaisie& modele)
    : talix_(talix), type_(modele.typeRecherche), aideSiCachee_(modele.aideSiCachee) {
    setObjectName(modele.nomClasse);
    setWindowTitle(modele.titre);
    setWindowIcon(IconeProgramme());
    resize(1024, 740);
    const QFont gras = Police("Arial", 15, true);

    QMenu* fichier = menuBar()->addMenu(QStringLiteral("File"));
    Quitter1 = fichier->addAction(QStringLiteral("Quit"));
    connect(Quitter1, &QAction::triggered, this, [this] { talix_.LaSession().Quitter(); });
    QMenu* recherche = menuBar()->addMenu(QStringLiteral("Search"));
    NouvelleRecherche1 = recherche->addAction(QStringLiteral("New search"));
    connect(NouvelleRecherche1, &QAction::triggered, this, [this] { talix_.RetourMenu(); });
    if (modele.producteurs) {
        Fournisseurs1 = menuBar()->addAction(QStringLiteral("Producers, references"));
        Fournisseurs1->setShortcut(Qt::Key_F9);
        connect(Fournisseurs1, &QAction::triggered, this, [this] { talix_.MontrerListeFour(); });
    }
    Aide1 = menuBar()->addAction(QStringLiteral("Help"));
    Aide1->setShortcut(Qt::Key_F1);
    connect(Aide1, &QAction::triggered, this, &FenetreSaisie::MontrerAide);

    auto* centre = CentreArgent(this);

    SousEnsemble = Etiquette(QString(), centre, Police("Arial", 15, true, true));
    SousEnsemble->setObjectName(QStringLiteral("SousEnsemble"));

    QFrame* panel1 = Panneau(centre, QFrame::Raised, Argent());
    panel1->setObjectName(QStringLiteral("Panel1"));
    Label1 = Etiquette(QStringLiteral("ENTRY"), panel1, Police("Arial", 20, true));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    auto* titre = new QHBoxLayout(panel1);
    titre->setContentsMargins(40, 4, 40, 4);
    titre->addWidget(Label1);

    // Central panel: the instructions, then the framed prompt and box(es).
    QFrame* central = Panneau(centre, QFrame::Raised, QColor(128, 128, 128));
    auto* colonneCentrale = new QVBoxLayout(central);
    colonneCentrale->setContentsMargins(20, 14, 20, 14);
    for (const QString& consigne : modele.consignes) {
        colonneCentrale->addWidget(Etiquette(consigne, central, gras, modele.couleurConsignes), 0,
                                   Qt::AlignHCenter);
    }
    colonneCentrale->addSpacing(12);

    QFrame* cadre = Panneau(central, QFrame::Sunken, Argent());
    auto* grille = new QGridLayout(cadre);
    grille->setContentsMargins(16, 12, 16, 12);
    grille->addWidget(Etiquette(modele.invite, cadre, gras), 0, 0);
    Edit1 = new QLineEdit(cadre);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(gras);
    Edit1->setMinimumWidth(260);
    grille->addWidget(Edit1, 0, 1);
    if (modele.tolerance) {
        // The plus-or-minus sign: a "+" placed over a "_".
        auto* signe = new QWidget(cadre);
        signe->setFixedSize(18, 26);
        QLabel* plus = Etiquette(QStringLiteral("+"), signe, gras);
        QLabel* souligne = Etiquette(QStringLiteral("_"), signe, gras);
        plus->setGeometry(3, 0, 14, 20);
        souligne->setGeometry(3, 5, 14, 20);
        grille->addWidget(signe, 0, 2);
        Edit2 = new QLineEdit(QStringLiteral("50"), cadre);
        Edit2->setObjectName(QStringLiteral("Edit2"));
        Edit2->setFont(gras);
        Edit2->setFrame(false);
        Edit2->setFixedWidth(60);
        grille->addWidget(Edit2, 0, 3);
    } else {
        auto* indication = Etiquette(QStringLiteral("press Enter to validate"), cadre,
                                     Police("Arial", 13, true, true));
        grille->addWidget(indication, 1, 1);
    }
    colonneCentrale->addWidget(cadre, 0, Qt::AlignHCenter);

    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(16, 10, 16, 10);
    colonne->setSpacing(12);
    colonne->addWidget(Banniere(centre));
    colonne->addWidget(SousEnsemble, 0, Qt::AlignHCenter);
    colonne->addWidget(panel1, 0, Qt::AlignHCenter);
    colonne->addWidget(central, 0, Qt::AlignHCenter);
    colonne->addStretch(1);

    new ApercuClavier(this, [this](QKeyEvent* touche) { return TraiterTouche(touche); });
}

void FenetreSaisie::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    talix_.AfficherFamille(SousEnsemble);
    Edit1->setFocus();
}

void FenetreSaisie::closeEvent(QCloseEvent* evenement) {
    talix_.LaSession().Quitter();
    evenement->accept();
}

bool FenetreSaisie::TraiterTouche(QKeyEvent* touche) {
    if (EstEntree(touche)) {
        Valider();
        return true;
    }
    if (touche->key() == Qt::Key_Escape) {
        talix_.LaSession().Quitter();
        return true;
    }
    return false;
}

void FenetreSaisie::Valider() {
    Session& session = talix_.LaSession();
    if (session.Terminee()) {
        return;
    }
    const std::string texte = VersMoteur(Edit1->text());
    const std::string tolerance = Edit2 ? VersMoteur(Edit2->text()) : std::string();
    if (type_ == 0) {
        // The designation search shows its window before it reads the index.
        talix_.MontrerDesignations();
        hide();
        session.LancerRecherche(type_, texte);
        if (session.Terminee()) {
            return;
        }
        Edit1->clear();
    } else {
        session.LancerRecherche(type_, texte, tolerance);
        if (session.Terminee()) {
            return;
        }
        Edit1->clear();
        talix_.MontrerDesignations();
        hide();
    }
    talix_.Repeindre();
}

void FenetreSaisie::MontrerAide() {
    FenetreAide* aide = Aide();
    if (aideSiCachee_ && aide->isVisible()) {
        return;
    }
    aide->Montrer();
}

} // namespace talix
