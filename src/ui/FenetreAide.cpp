#include "ui/FenetreAide.h"

#include <QFile>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "ui/Commun.h"

namespace talix {

QString TexteRessource(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(fichier.readAll());
}

FenetreAide::FenetreAide(const QString& nomClasse, const QString& titre, const QString& texte,
                         bool modifiable, const QString& pied) {
    setObjectName(nomClasse);
    setWindowTitle(titre);
    setWindowIcon(IconeProgramme());
    resize(1024, 740);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    const QFont police = Police("Courier New", 12, true);
    Memo1->setFont(police);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabStopDistance(QFontMetricsF(police).horizontalAdvance(QLatin1Char(' ')) * 8);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, FaceBouton());
    palette.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(palette);
    Memo1->setPlainText(texte);
    Memo1->setReadOnly(!modifiable);
    if (!modifiable) {
        // Read-only, but the keyboard still moves through the text.
        Memo1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    }

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(2);
    colonne->addWidget(Memo1, 1);
    if (!pied.isEmpty()) {
        Pied = Etiquette(pied, this, Police("Arial", 13, true), Qt::blue);
        Pied->setObjectName(QStringLiteral("Pied"));
        colonne->addWidget(Pied);
    }

    new ApercuClavier(this, [this](QKeyEvent* touche) {
        if (touche->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
        return false;
    });
}

void FenetreAide::Montrer() {
    showMaximized();
    raise();
    activateWindow();
}

void FenetreAide::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    Memo1->setFocus();
}

} // namespace talix
