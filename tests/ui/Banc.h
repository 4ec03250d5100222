#pragma once
// The test bench of the windows: a tiny base in a temporary directory, the application
// object on it with a recording document service, a recorder in place of the end of the
// application, and an automatic answer to every modal window that shows.

#include <functional>
#include <memory>

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "session/Enregistreurs.h"
#include "support/Fixtures.h"
#include "ui/Application.h"

namespace talix::test {

class Banc {
public:
    // Three grades (records 1 to 3):
    //   1 ALPHA1 / 1.1111 / "A&B" (Des1), family 200, hardness 180 and 250
    //   2 BETA2 / 1.2222, family 100, carbon 0.100 to 0.200, hardness 200, Rp 300, Rm 400-550
    //   3 GAMMA3 / 1.3333, family 500, hardness 250
    // `avecBase` false leaves the directory empty.
    explicit Banc(bool avecBase = true);
    ~Banc();

    // Shows the warning window (which opens the files).
    void Demarrer();
    // From the warning window to the main menu.
    void AllerAuMenu();
    // Main menu, then the entry window of `type`.
    void AllerALaSaisie(int type);
    // A designation search typed into the designation entry window.
    void ChercherDesignation(const QString& texte);

    // Makes `fenetre` the active window, so that its menu shortcuts answer.
    static bool Activer(QWidget* fenetre);

    Talix& App() { return *talix_; }
    Session& S() { return talix_->LaSession(); }

    // Requests to end the application so far.
    int fins = 0;
    // Object names of the modal windows that showed, in order.
    QStringList modales;
    // What is done to a modal window once it shows: close it, by default.
    std::function<void(QWidget*)> surModale;
    ServiceDocumentsEnregistreur* documents = nullptr;

private:
    RepertoireTemporaire repertoire_;
    std::unique_ptr<Talix> talix_;
    QTimer veille_;
};

} // namespace talix::test
