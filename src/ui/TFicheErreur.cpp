#include "ui/TFicheErreur.h"

#include <QKeyEvent>

#include "ui/Commun.h"

namespace talix {

TFicheErreur::TFicheErreur(QWidget* parent)
    : FenetreNotice(QStringLiteral("TFicheErreur"), QStringLiteral("Erreur Application T.A.L.I.X."),
                    {QStringLiteral("Error of execution."), QStringLiteral("Please contact us."),
                     QStringLiteral("Commentaires")},
                    parent) {
    Lignes[0]->setObjectName(QStringLiteral("ProductName"));
    Lignes[1]->setObjectName(QStringLiteral("Version"));
    Lignes[2]->setObjectName(QStringLiteral("Comments"));
    new ApercuClavier(this, [this](QKeyEvent* touche) { return TraiterTouche(touche); });
}

bool TFicheErreur::TraiterTouche(QKeyEvent*) {
    // Any key, modifier keys included, hides the window and ends its modal state.
    hide();
    done(QDialog::Rejected);
    return true;
}

} // namespace talix
