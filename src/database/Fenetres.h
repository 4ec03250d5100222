#pragma once
// What the engine asks of the desktop: the modal windows it shows, the plain message box
// and the request to end the application. The Qt windows implement it with real dialogs;
// tests and the headless driver implement it with a recorder that answers at once.

#include <string>

namespace talix {

// The modal windows the engine shows.
enum class Fenetre {
    TErreurBase1,        // database error: its dismissal ends the application
    TFicheErreur,        // general error: its dismissal ends the application
    TErreurNonTrouve,    // "Value not found." notice
    TFicheSousRecherche, // "Kind of alloy not found." notice
    TFicheFinDesDonnees, // "End of data" notice
    TFicheDebutDonnees,  // "Beginning of data" notice
};

// The window's class name, as the windows and the headless driver call it.
const char* NomFenetre(Fenetre fenetre);

class Fenetres {
public:
    virtual ~Fenetres() = default;

    // Shows `fenetre` modally and returns once the user has closed it. `detail` is the
    // detail line of TErreurBase1 at that moment (ignored by the other windows). What
    // closing the window does to the engine's state is the engine's business, not this.
    virtual void MontrerModale(Fenetre fenetre, const std::string& detail) = 0;

    // Shows a plain message box with `texte` (Windows-1252) and returns once acknowledged.
    virtual void Message(const std::string& texte) = 0;

    // Asks the application to end once the current event has been handled.
    virtual void DemanderFin() = 0;
};

// Thrown by a routine that must end the program at once (the base file cannot be opened
// for a read). Only the engine's entry points catch it; it never reaches the windows.
struct ArretImmediat {};

} // namespace talix
