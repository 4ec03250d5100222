#pragma once
// What the windows share: the conversions at the edge between the engine's Windows-1252
// texts and Qt's Unicode, the named fonts, the pictures drawn by the program, the product
// header of the result windows and the key preview of the windows that see keys first.

#include <functional>
#include <string>

#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QObject>
#include <QPixmap>

class QKeyEvent;

class QMainWindow;

namespace talix {

// A Windows-1252 text of the engine as Qt text.
QString VersQt(const std::string& cp1252);
// Typed text for the engine: Windows-1252, every character the set cannot hold as '?'.
std::string VersMoteur(const QString& texte);

// A font by name and pixel size ("Arial", "Times New Roman", "Courier New").
QFont Police(const QString& famille, int pixels, bool gras, bool italique = false);

// Colours of the designed panels.
QColor Argent();     // silver
QColor FaceBouton(); // the system's button face
QColor Jaune();      // the highlight: red 255, green 255, blue 0
QColor Orange();     // red 255, green 128, blue 0

// Pictures of the program, drawn once.
QPixmap Logo(int taille);                     // the product's picture
QIcon IconeProgramme();                       // the window icon and the notices' picture
QPixmap Fleche(bool versDroite, bool active); // one state of a step button's glyph
QIcon IconeFleche(bool versDroite);           // both states
QIcon IconeValider();                         // the check-mark glyph of OK buttons

// A label with plain text (no rich text, no accelerator): "&" shows as itself.
// A silver central widget for `fenetre`, which takes it.
QWidget* CentreArgent(QMainWindow* fenetre);

QLabel* Etiquette(const QString& texte, QWidget* parent, const QFont& police,
                  const QColor& couleur = Qt::black);

// Key preview: `traiter` sees every key press of `fenetre` and of each of its descendants
// before the control that has the focus; it returns true when it has handled the key
// (the control then never sees it). Call after the window's controls exist.
class ApercuClavier final : public QObject {
    Q_OBJECT
public:
    ApercuClavier(QWidget* fenetre, std::function<bool(QKeyEvent*)> traiter);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::function<bool(QKeyEvent*)> traiter_;
};

// Enter or Return (main keyboard or keypad).
bool EstEntree(const QKeyEvent* touche);

// The product header of the result windows: a silver panel 616 by 113 pixels with the
// logo, the product name, its title and the distributor lines. No behaviour.
class EnteteProduit final : public QFrame {
    Q_OBJECT
public:
    explicit EnteteProduit(QWidget* parent = nullptr);
};

// The product's title as the banners show it.
QString TitreProduit();

} // namespace talix
