#include "ui/TSaisieDurete1.h"

#include "ui/Application.h"
#include "ui/TAideDurete1.h"

namespace talix {

TSaisieDurete1::TSaisieDurete1(Talix& talix)
    : FenetreSaisie(talix,
                    {QStringLiteral("TSaisieDurete1"),
                     QStringLiteral("TALIX 32-64 : Search by  hardness."),
                     1,
                     {QStringLiteral(
                         "HRC Rockwell <= 70                      HB Brinell, HV Vickers > 70  ")},
                     QColor(0, 0, 255),
                     QStringLiteral("Maximum hardness searched for"),
                     false,
                     true,
                     false}) {}

FenetreAide* TSaisieDurete1::Aide() const {
    return talix_.AideDurete1.get();
}

} // namespace talix
