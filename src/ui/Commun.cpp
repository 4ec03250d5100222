#include "ui/Commun.h"

#include <QApplication>
#include <QMainWindow>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRadialGradient>
#include <QStyle>
#include <QVBoxLayout>

#include "texte/Cp1252.h"

namespace talix {

QString VersQt(const std::string& cp1252) {
    return QString::fromStdString(Cp1252VersUtf8(cp1252));
}

std::string VersMoteur(const QString& texte) {
    std::string resultat;
    resultat.reserve(static_cast<std::size_t>(texte.size()));
    for (char32_t point : texte.toUcs4()) {
        const auto octet = OctetCp1252(point);
        resultat.push_back(octet ? static_cast<char>(*octet) : '?');
    }
    return resultat;
}

QFont Police(const QString& famille, int pixels, bool gras, bool italique) {
    QFont police(famille);
    police.setPixelSize(pixels);
    police.setBold(gras);
    police.setItalic(italique);
    return police;
}

QColor Argent() {
    return QColor(192, 192, 192);
}
QColor FaceBouton() {
    return QApplication::palette().color(QPalette::Button);
}
QColor Jaune() {
    return QColor(255, 255, 0);
}
QColor Orange() {
    return QColor(255, 128, 0);
}

QPixmap Logo(int taille) {
    // A polished steel disc carrying the unit cell of a body-centred cubic crystal.
    QPixmap image(taille, taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal t = taille;
    QRadialGradient acier(QPointF(t * 0.35, t * 0.3), t * 0.75);
    acier.setColorAt(0.0, QColor(250, 250, 255));
    acier.setColorAt(0.5, QColor(150, 160, 180));
    acier.setColorAt(1.0, QColor(60, 70, 90));
    p.setPen(QPen(QColor(40, 40, 60), t / 40.0));
    p.setBrush(acier);
    p.drawEllipse(QRectF(t * 0.03, t * 0.03, t * 0.94, t * 0.94));

    // The cube: front face, back face shifted up and right, and the edges between.
    const qreal c = t * 0.36, dx = t * 0.16, dy = t * 0.13;
    const QPointF a(t * 0.24, t * 0.34 + dy);
    const QPointF av[4] = {a, a + QPointF(c, 0), a + QPointF(c, c), a + QPointF(0, c)};
    QPointF ar[4];
    for (int i = 0; i < 4; ++i) {
        ar[i] = av[i] + QPointF(dx, -dy);
    }
    p.setPen(QPen(QColor(20, 30, 80), t / 45.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(ar, 4);
    p.drawPolygon(av, 4);
    for (int i = 0; i < 4; ++i) {
        p.drawLine(av[i], ar[i]);
    }
    const qreal r = t * 0.045;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(ar[i], r, r);
        p.drawEllipse(av[i], r, r);
    }
    p.setBrush(QColor(240, 200, 0));
    p.drawEllipse(a + QPointF(c / 2 + dx / 2, c / 2 - dy / 2), r * 1.3, r * 1.3);
    return image;
}

QIcon IconeProgramme() {
    QIcon icone;
    for (int taille : {16, 32, 48, 64}) {
        icone.addPixmap(Logo(taille));
    }
    return icone;
}

QPixmap Fleche(bool versDroite, bool active) {
    const int taille = 24;
    QPixmap image(taille, taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF pointe;
    if (versDroite) {
        pointe << QPointF(3, 8) << QPointF(12, 8) << QPointF(12, 2) << QPointF(22, 12)
               << QPointF(12, 22) << QPointF(12, 16) << QPointF(3, 16);
    } else {
        pointe << QPointF(21, 8) << QPointF(12, 8) << QPointF(12, 2) << QPointF(2, 12)
               << QPointF(12, 22) << QPointF(12, 16) << QPointF(21, 16);
    }
    p.setPen(QPen(active ? QColor(0, 64, 0) : QColor(128, 128, 128), 1.2));
    p.setBrush(active ? QColor(0, 160, 0) : QColor(200, 200, 200));
    p.drawPolygon(pointe);
    return image;
}

QIcon IconeFleche(bool versDroite) {
    QIcon icone;
    icone.addPixmap(Fleche(versDroite, true), QIcon::Normal);
    icone.addPixmap(Fleche(versDroite, false), QIcon::Disabled);
    return icone;
}

QIcon IconeValider() {
    return QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton);
}

QLabel* Etiquette(const QString& texte, QWidget* parent, const QFont& police,
                  const QColor& couleur) {
    auto* etiquette = new QLabel(parent);
    etiquette->setTextFormat(Qt::PlainText);
    etiquette->setText(texte);
    etiquette->setFont(police);
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::WindowText, couleur);
    etiquette->setPalette(palette);
    return etiquette;
}

ApercuClavier::ApercuClavier(QWidget* fenetre, std::function<bool(QKeyEvent*)> traiter)
    : QObject(fenetre), traiter_(std::move(traiter)) {
    fenetre->installEventFilter(this);
    for (QWidget* enfant : fenetre->findChildren<QWidget*>()) {
        enfant->installEventFilter(this);
    }
}

bool ApercuClavier::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress) {
        // A key that a control leaves unhandled goes on to its parent and is offered here
        // again: the handlers decide by the key alone, so the answer is the same.
        return traiter_(static_cast<QKeyEvent*>(evenement));
    }
    return QObject::eventFilter(objet, evenement);
}

bool EstEntree(const QKeyEvent* touche) {
    return touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
}

QString TitreProduit() {
    return QStringLiteral("International alloy designations");
}

EnteteProduit::EnteteProduit(QWidget* parent) : QFrame(parent) {
    setFixedSize(616, 113);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Argent());
    setPalette(palette);

    auto* image = new QLabel(this);
    image->setPixmap(Logo(105));
    image->setFixedSize(105, 105);

    auto* nom = Etiquette(QStringLiteral("TALIX"), this, Police("Arial", 37, true), Jaune());
    auto* titre = Etiquette(TitreProduit(), this, Police("Arial", 15, true), QColor(96, 96, 96));
    auto* distribue = Etiquette(QStringLiteral("distributed by Oskvel"), this,
                                Police("Arial", 11, false, true), Qt::white);
    QFont contact = Police("Arial", 17, true);
    contact.setUnderline(true);
    auto* adresse = Etiquette(QStringLiteral("see the README of the project's repository"), this,
                              contact, Qt::white);

    auto* textes = new QVBoxLayout;
    textes->setSpacing(0);
    textes->addWidget(nom);
    textes->addWidget(titre);
    textes->addWidget(distribue);
    textes->addWidget(adresse);
    auto* rangee = new QHBoxLayout(this);
    rangee->setContentsMargins(4, 4, 4, 4);
    rangee->addWidget(image);
    rangee->addSpacing(12);
    rangee->addLayout(textes, 1);
}

} // namespace talix

namespace talix {

QWidget* CentreArgent(QMainWindow* fenetre) {
    auto* centre = new QWidget(fenetre);
    centre->setAutoFillBackground(true);
    QPalette palette = centre->palette();
    palette.setColor(QPalette::Window, Argent());
    centre->setPalette(palette);
    fenetre->setCentralWidget(centre);
    return centre;
}

} // namespace talix
