#include "ui/TAideAlliageDesignation1.h"

namespace talix {

TAideAlliageDesignation1::TAideAlliageDesignation1()
    : FenetreAide(QStringLiteral("TAideAlliageDesignation1"),
                  QStringLiteral("TALIX 32-64 : Information for designations of alloys"),
                  TexteRessource(QStringLiteral(":/help/TAideAlliageDesignation1.txt")), false,
                  QStringLiteral("Uses keys  <PgUp> <PgDn>")) {}

} // namespace talix
