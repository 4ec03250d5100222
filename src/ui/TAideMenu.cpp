#include "ui/TAideMenu.h"

namespace talix {

TAideMenu::TAideMenu()
    : FenetreAide(QStringLiteral("TAideMenu"), QStringLiteral("TALIX 32-64 : General information."),
                  TexteRessource(QStringLiteral(":/help/TAideMenu.txt")), false, QString()) {}

} // namespace talix
