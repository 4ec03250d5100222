#include "ui/TFicheMeca1.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ui/Application.h"
#include "ui/Commun.h"
#include "ui/TAidePropMeca.h"

namespace talix {

namespace {

struct Tete {
    const char* nom;
    QStringList textes;
    int largeur;
};

const char* const Legende[][2] = {
    {"ADO", "ADO = Softened"},
    {"AUA", "AUA  = Air austenitized"},
    {"AUS", "AUS  = Water austenitized"},
    {"CEM", "CEM = Case hardened"},
    {"DUR", "DUR = Precipitation hardened"},
    {"ETA", "ETA  = State of delivery"},
    {"IHP", "HYP  = Solution treated"},
    {"NOR", "NOR = Normalized ( +N )"},
    {"Label16", "+QT  = Quenched, tempered"},
    {"REC", "REC  = Annealed ( +A )"},
    {"REV", "REV  = Tempering"},
    {"T", "T       = Quenched"},
    {"TA", "TA     = Air quenching"},
    {"TE", "TE     = Water quenching"},
    {"TH", "TH    = Oil quenching"},
    {"TG", "TG    = Gas quenching"},
    {"VIE", "VIE    = Aged"},
};

QFrame* PanneauColore(QWidget* parent, const QColor& fond) {
    auto* panneau = new QFrame(parent);
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    panneau->setAutoFillBackground(true);
    QPalette palette = panneau->palette();
    palette.setColor(QPalette::Window, fond);
    panneau->setPalette(palette);
    return panneau;
}

} // namespace

TFicheMeca1::TFicheMeca1(Talix& talix) : talix_(talix) {
    setObjectName(QStringLiteral("TFicheMeca1"));
    setWindowTitle(QStringLiteral("TALIX 32-64 : Mechanical characteristics"));
    setWindowIcon(IconeProgramme());
    setFont(Police("Times New Roman", 15, true));
    resize(1024, 740);
    menuBar()->setFont(QApplication::font()); // the window font is not the menus'

    Aide1 = menuBar()->addAction(QStringLiteral("Help"));
    Aide1->setShortcut(Qt::Key_F1);
    connect(Aide1, &QAction::triggered, this, [this] { talix_.AidePropMeca->Montrer(); });

    auto* centre = CentreArgent(this);
    const QFont gras = Police("Arial", 15, true);
    const QFont petit = Police("Arial", 13, true);

    auto* entete = new EnteteProduit(centre);
    auto* panel1 = new QFrame(centre);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Raised);
    panel1->setLineWidth(2);
    auto* titre = Etiquette(QStringLiteral("INDICATIVE MECHANICAL CHARASTERISTICS"), panel1,
                            Police("Arial", 18, true), QColor(0, 0, 128));
    auto* rangeeTitre = new QHBoxLayout(panel1);
    rangeeTitre->setContentsMargins(30, 4, 30, 4);
    rangeeTitre->addWidget(titre);

    // Resultats: the six column heads over the grid.
    const Tete tetes[] = {
        {"ETAT", {QStringLiteral("ETAT")}, 71},
        {"chauffe", {QString::fromUtf8("HEATING \u00b0C"), QStringLiteral("or comments")}, 119},
        {"RM",
         {QStringLiteral("R m"), QStringLiteral("MPa"), QStringLiteral("min.       max.")},
         118},
        {"Panel4", {QStringLiteral("Rp0.2"), QStringLiteral("Mpa"), QStringLiteral("min.")}, 81},
        {"Panel5", {QStringLiteral("A%"), QStringLiteral(">=")}, 47},
        {"Panel6", {QStringLiteral("Hardness"), QStringLiteral("max. *")}, 88},
    };
    auto* resultats = new QWidget(centre);
    resultats->setObjectName(QStringLiteral("Resultats"));
    auto* rangeeTetes = new QHBoxLayout;
    rangeeTetes->setSpacing(0);
    StringGrid1 = new GrilleFeuille(7, 3, resultats);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    int colonne = 0;
    for (const Tete& tete : tetes) {
        QFrame* panneau = PanneauColore(resultats, colonne == 0 ? Orange() : QColor(192, 192, 192));
        panneau->setObjectName(QString::fromUtf8(tete.nom));
        panneau->setFixedSize(tete.largeur, 62);
        auto* textes = new QVBoxLayout(panneau);
        textes->setContentsMargins(2, 2, 2, 2);
        textes->setSpacing(0);
        for (const QString& texte : tete.textes) {
            QLabel* etiquette = Etiquette(texte, panneau, petit);
            etiquette->setAlignment(Qt::AlignCenter);
            textes->addWidget(etiquette);
        }
        rangeeTetes->addWidget(panneau);
        StringGrid1->setColumnWidth(colonne++, tete.largeur);
    }
    StringGrid1->setColumnWidth(6, 71);
    for (int ligne = 0; ligne < 3; ++ligne) {
        StringGrid1->setRowHeight(ligne, 40);
    }
    StringGrid1->AjusterTaille(6);
    rangeeTetes->addStretch(1);
    auto* colonneResultats = new QVBoxLayout(resultats);
    colonneResultats->setContentsMargins(0, 0, 0, 0);
    colonneResultats->setSpacing(0);
    colonneResultats->addLayout(rangeeTetes);
    colonneResultats->addWidget(StringGrid1);

    auto* notes = new QVBoxLayout;
    for (const char* note : {"* unless indicated otherwise ", "*** see the help", "~ approximately",
                             "When the values min.-max. are equal, they are nominal values."}) {
        notes->addWidget(Etiquette(QString::fromUtf8(note), centre, petit));
    }
    QFrame* remarques = PanneauColore(centre, Argent());
    remarques->setObjectName(QStringLiteral("Remarques"));
    auto* rangeeRemarques = new QHBoxLayout(remarques);
    rangeeRemarques->addWidget(
        Etiquette(QStringLiteral("For more information, refer to the producers. "), remarques, gras,
                  QColor(0, 0, 128)));

    // Codes: the heading over the legend of the condition codes.
    auto* codes = new QWidget(centre);
    codes->setObjectName(QStringLiteral("Codes"));
    QFrame* titreCodes = PanneauColore(codes, Orange());
    auto* rangeeCodes = new QHBoxLayout(titreCodes);
    rangeeCodes->setContentsMargins(4, 2, 4, 2);
    QLabel* codesEtat = Etiquette(QStringLiteral("Codes ETAT"), titreCodes, gras);
    codesEtat->setAlignment(Qt::AlignCenter);
    rangeeCodes->addWidget(codesEtat);
    QFrame* explication = PanneauColore(codes, Argent());
    explication->setObjectName(QStringLiteral("Explication"));
    explication->setFrameShadow(QFrame::Sunken);
    auto* legende = new QVBoxLayout(explication);
    legende->setContentsMargins(8, 4, 8, 4);
    legende->setSpacing(0);
    for (const auto& code : Legende) {
        QLabel* etiquette = Etiquette(QString::fromUtf8(code[1]), explication, petit);
        etiquette->setObjectName(QString::fromUtf8(code[0]));
        legende->addWidget(etiquette);
    }
    auto* colonneCodes = new QVBoxLayout(codes);
    colonneCodes->setContentsMargins(0, 0, 0, 0);
    colonneCodes->setSpacing(0);
    colonneCodes->addWidget(titreCodes);
    colonneCodes->addWidget(explication);

    auto* gauche = new QVBoxLayout;
    gauche->setSpacing(10);
    gauche->addWidget(resultats);
    gauche->addLayout(notes);
    gauche->addWidget(remarques, 0, Qt::AlignLeft);
    gauche->addStretch(1);
    auto* milieu = new QHBoxLayout;
    milieu->addStretch(1);
    milieu->addLayout(gauche);
    milieu->addSpacing(24);
    milieu->addWidget(codes, 0, Qt::AlignTop);
    milieu->addStretch(1);

    auto* colonnePrincipale = new QVBoxLayout(centre);
    colonnePrincipale->setContentsMargins(16, 8, 16, 8);
    colonnePrincipale->setSpacing(8);
    colonnePrincipale->addWidget(entete, 0, Qt::AlignHCenter);
    colonnePrincipale->addWidget(panel1, 0, Qt::AlignHCenter);
    colonnePrincipale->addLayout(milieu);
    colonnePrincipale->addStretch(1);

    new ApercuClavier(this, [this](QKeyEvent* touche) {
        if (touche->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
        return false;
    });
}

void TFicheMeca1::Peindre(const FeuilleMeca& feuille) {
    for (int ligne = 0; ligne < 3; ++ligne) {
        for (int colonne = 0; colonne < 7; ++colonne) {
            StringGrid1->Ecrire(colonne, ligne,
                                VersQt(feuille.cellules[static_cast<std::size_t>(ligne)]
                                                       [static_cast<std::size_t>(colonne)]));
        }
    }
}

} // namespace talix
