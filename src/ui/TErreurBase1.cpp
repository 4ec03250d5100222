#include "ui/TErreurBase1.h"

namespace talix {

TErreurBase1::TErreurBase1(QWidget* parent)
    : FenetreNotice(QStringLiteral("TErreurBase1"), QStringLiteral("Erreur"),
                    {QStringLiteral("Reading error of data"), QStringLiteral("Please contact us."),
                     QString()},
                    parent) {
    ProductName = Lignes[0];
    Version = Lignes[1];
    erreur = Lignes[2];
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version->setObjectName(QStringLiteral("Version"));
    erreur->setObjectName(QStringLiteral("erreur"));
}

void TErreurBase1::DefinirDetail(const QString& detail) {
    erreur->setText(detail);
}

} // namespace talix
