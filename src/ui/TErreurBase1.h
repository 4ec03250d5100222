#pragma once
// The database error window, with its detail line `erreur`. Closing it by any means ends
// the application (the engine does that once it has closed).

#include "ui/FenetreNotice.h"

namespace talix {

class TErreurBase1 final : public FenetreNotice {
    Q_OBJECT
public:
    explicit TErreurBase1(QWidget* parent = nullptr);

    // The detail line, as the engine's caller set it.
    void DefinirDetail(const QString& detail);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* erreur;
};

} // namespace talix
