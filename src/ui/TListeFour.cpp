#include "ui/TListeFour.h"

#include <QVBoxLayout>

#include "ui/Commun.h"
#include "ui/FenetreAide.h"
#include "ui/Textes.h"

namespace talix {

TListeFour::TListeFour() {
    setObjectName(QStringLiteral("TListeFour"));
    setWindowTitle(QStringLiteral("TALIX 32-64 : Producers, references."));
    setWindowIcon(IconeProgramme());
    resize(1024, 740);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(Police("Courier New", 13, true));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    const QString tsv = TexteRessource(QStringLiteral(":/data/producers.tsv"));
    Memo1->setPlainText(QString::fromStdString(TexteFournisseurs(tsv.toStdString())));

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(Memo1);
}

} // namespace talix
