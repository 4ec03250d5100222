#include "ui/TAideDesignation1.h"

#include "ui/Textes.h"

namespace talix {

TAideDesignation1::TAideDesignation1()
    : FenetreAide(QStringLiteral("TAideDesignation1"),
                  QStringLiteral("TALIX 32-64 : Information on search by designation."),
                  TexteAide(), false, QStringLiteral("Use keys  <PgUp> <PgDn>")) {}

QString TAideDesignation1::TexteAide() {
    const QString tete = TexteRessource(QStringLiteral(":/help/TAideDesignation1-head.txt"));
    const QString especes = TexteRessource(QStringLiteral(":/data/kinds-of-material.txt"));
    return QString::fromStdString(TexteAideDesignation(tete.toStdString(), especes.toStdString()));
}

} // namespace talix
