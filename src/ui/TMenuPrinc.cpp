#include "ui/TMenuPrinc.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Application.h"
#include "ui/Commun.h"
#include "ui/TAboutBox.h"
#include "ui/TAideMenu.h"
#include "ui/TSaisieDesignation1.h"
#include "ui/TSaisieDurete1.h"
#include "ui/TSaisieElasticite1.h"
#include "ui/TSaisieResistance1.h"

namespace talix {

namespace {

struct ArticleFamille {
    const char* nom;
    const char* texte;
    std::int32_t code;
};

constexpr ArticleFamille ArticlesFamilles[] = {
    {"Aciers1", "Carbon steels, Alloyed steels, Tool steels", 100},
    {"Aluminium1", "Aluminium alloys, magnesium alloys", 500},
    {"Cuivre1", "Copperous alloys", 600},
    {"Inox1", "Stainless steels", 200},
    {"Nickel1", "Nickel-based, Cobalt-based alloys", 400},
    {"Titane1", "Titanium and its alloys", 700},
    {"Spciaux1", "Special alloys (Zn,Mo,W,Nb...)", 800},
    {"Tous1", "All alloys", -1},
};

constexpr const char* TextesRecherche[] = {"by designation", "by hardness", "by tensile strength",
                                           "by yield strength"};

} // namespace

TMenuPrinc::TMenuPrinc(Talix& talix) : talix_(talix) {
    setObjectName(QStringLiteral("TMenuPrinc"));
    setWindowTitle(QStringLiteral("TALIX 32-64 : Main menu."));
    setWindowIcon(IconeProgramme());
    resize(1024, 740);

    // Menu bar. No accelerator characters: the captions have none.
    QMenu* fichier = menuBar()->addMenu(QStringLiteral("File"));
    Quitter1 = fichier->addAction(QStringLiteral("Quit"));
    connect(Quitter1, &QAction::triggered, this, [this] { talix_.LaSession().Quitter(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("Search options"));
    for (std::size_t i = 0; i < Familles.size(); ++i) {
        const ArticleFamille& article = ArticlesFamilles[i];
        if (article.code == -1) {
            options->addSeparator();
        }
        QAction* action = options->addAction(QString::fromUtf8(article.texte));
        action->setObjectName(QString::fromUtf8(article.nom));
        action->setCheckable(true);
        const std::int32_t code = article.code;
        connect(action, &QAction::triggered, this, [this, code] { ChoisirFamille(code); });
        Familles[i] = action;
    }

    Fournisseurs1 = menuBar()->addAction(QStringLiteral("Producers and references"));
    Fournisseurs1->setShortcut(Qt::Key_F9);
    connect(Fournisseurs1, &QAction::triggered, this, [this] { talix_.MontrerListeFour(); });
    Aide1 = menuBar()->addAction(QStringLiteral("Help"));
    Aide1->setShortcut(Qt::Key_F1);
    connect(Aide1, &QAction::triggered, this, [this] {
        if (!talix_.AideMenu->isVisible()) {
            talix_.AideMenu->Montrer();
        }
    });
    APropos2 = menuBar()->addAction(QStringLiteral("About"));
    connect(APropos2, &QAction::triggered, this, [this] {
        if (!talix_.AboutBox->isVisible()) {
            talix_.AboutBox->exec();
        }
    });

    // Client area.
    auto* centre = CentreArgent(this);

    auto* entete = new EnteteProduit(centre);

    auto* panneau = new QFrame(centre);
    panneau->setObjectName(QStringLiteral("Panel1"));
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    panneau->setLineWidth(2);
    auto* titrePanneau = Etiquette(QStringLiteral("SEARCH ALLOYS"), panneau,
                                   Police("Arial", 22, true), QColor(0, 0, 128));
    titrePanneau->setAlignment(Qt::AlignCenter);

    auto* legende =
        Etiquette(QStringLiteral("Search option selected:"), panneau, Police("Arial", 15, true));
    Label3 = Etiquette(QString(), panneau, Police("Arial", 15, true, true), QColor(0, 0, 160));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setMinimumWidth(260);
    auto* famille = new QHBoxLayout;
    famille->addWidget(legende);
    famille->addWidget(Label3, 1);

    RadioGroup1 = new QGroupBox(panneau);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setFont(Police("Arial", 15, true));
    Boutons = new QButtonGroup(this);
    auto* radios = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(TextesRecherche[i]), RadioGroup1);
        Boutons->addButton(radio, i);
        radios->addWidget(radio);
    }
    SelectionnerItem(0);

    Button1 = new QPushButton(QStringLiteral("To continue"), panneau);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(Police("Arial", 15, true));
    Button1->setMinimumSize(160, 36);
    connect(Button1, &QPushButton::clicked, this, &TMenuPrinc::Continuer);

    auto* contenu = new QVBoxLayout(panneau);
    contenu->setContentsMargins(30, 16, 30, 20);
    contenu->setSpacing(14);
    contenu->addWidget(titrePanneau);
    contenu->addLayout(famille);
    contenu->addWidget(RadioGroup1);
    contenu->addWidget(Button1, 0, Qt::AlignHCenter);

    auto* colonne = new QVBoxLayout(centre);
    colonne->setContentsMargins(16, 10, 16, 10);
    colonne->addWidget(entete, 0, Qt::AlignHCenter);
    colonne->addSpacing(20);
    colonne->addWidget(panneau, 0, Qt::AlignHCenter);
    colonne->addStretch(1);

    new ApercuClavier(this, [this](QKeyEvent* touche) { return TraiterTouche(touche); });
}

TMenuPrinc::~TMenuPrinc() {
    talix_.LaSession().Quitter();
}

int TMenuPrinc::ItemChoisi() const {
    return Boutons->checkedId();
}

void TMenuPrinc::SelectionnerItem(int item) {
    if (QAbstractButton* bouton = Boutons->button(item)) {
        bouton->setChecked(true);
    }
}

void TMenuPrinc::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    Session& session = talix_.LaSession();
    session.MontrerMenu();
    CocherFamille(session.recherche.FamilleChoisie);
    if (session.Terminee()) {
        return;
    }
    talix_.AfficherFamille(Label3);
}

void TMenuPrinc::closeEvent(QCloseEvent* evenement) {
    talix_.LaSession().Quitter();
    evenement->accept();
}

void TMenuPrinc::CocherFamille(std::int32_t code) {
    QAction* choisie = nullptr;
    for (std::size_t i = 0; i < Familles.size(); ++i) {
        if (ArticlesFamilles[i].code == code) {
            choisie = Familles[i];
        }
    }
    if (choisie == nullptr) {
        talix_.LaSession().base.MontrerErreurGenerale();
        return;
    }
    for (QAction* action : Familles) {
        action->setChecked(action == choisie);
    }
}

void TMenuPrinc::ChoisirFamille(std::int32_t code) {
    Session& session = talix_.LaSession();
    session.ChoisirFamille(code);
    CocherFamille(code);
    if (session.Terminee()) {
        return;
    }
    talix_.AfficherFamille(Label3);
}

void TMenuPrinc::Choisir(int typeRecherche) {
    talix_.LaSession().Choisir(typeRecherche);
    QWidget* saisie = talix_.Saisie(typeRecherche);
    if (saisie == nullptr) {
        return;
    }
    Talix::Montrer(saisie);
    hide();
}

void TMenuPrinc::Continuer() {
    const int item = ItemChoisi();
    if (item >= 0 && item <= 3) {
        Choisir(item);
    }
}

bool TMenuPrinc::TraiterTouche(QKeyEvent* touche) {
    switch (touche->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Continuer();
        return true;
    case Qt::Key_F4:
        Choisir(0);
        return true;
    case Qt::Key_F5:
        Choisir(1);
        return true;
    case Qt::Key_F6:
        Choisir(2);
        return true;
    case Qt::Key_F7:
        Choisir(3);
        return true;
    case Qt::Key_Escape:
        talix_.LaSession().Quitter();
        return true;
    default:
        return false;
    }
}

} // namespace talix
