// The texts of the help memos and the producers list, and the conversions at the edge.

#include <QTest>

#include <QTemporaryDir>

#include "ui/Commun.h"
#include "ui/DocumentsBureau.h"
#include "ui/Textes.h"

using namespace talix;

namespace {

QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}

QStringList Liste(const std::vector<std::string>& lignes) {
    QStringList liste;
    for (const std::string& ligne : lignes) {
        liste << Q(ligne);
    }
    return liste;
}

} // namespace

class TestTextes : public QObject {
    Q_OBJECT

private slots:
    void decoupage_data();
    void decoupage();
    void aideDesignation_lignesEtTabulations();
    void aideDesignation_vraisFichiers();
    void fournisseur_colonnes();
    void fournisseur_coupeSansDepasser81();
    void fournisseur_caracteresNonAscii();
    void fournisseurs_entetesEtLignesIgnorees();
    void conversion_versMoteur();
    void documents_impressionParLp_data();
    void documents_impressionParLp();
};

void TestTextes::decoupage_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("lignes");
    QTest::newRow("vide") << "" << 1;
    QTest::newRow("une ligne") << "abc" << 1;
    QTest::newRow("fin de ligne finale") << "abc\n" << 2;
    QTest::newRow("ligne vide en tete") << "\nabc" << 2;
    QTest::newRow("CR LF") << "a\r\nb\r\n" << 3;
}

void TestTextes::decoupage() {
    QFETCH(QString, texte);
    QFETCH(int, lignes);
    const auto resultat = DecouperLignes(texte.toStdString());
    QCOMPARE(static_cast<int>(resultat.size()), lignes);
    for (const std::string& ligne : resultat) {
        QVERIFY(ligne.find('\r') == std::string::npos);
    }
}

void TestTextes::aideDesignation_lignesEtTabulations() {
    // A head of 3 lines whose last is blank, two kinds, a blank line in the list.
    const std::string texte = TexteAideDesignation("titre\nregle\n", "ACIER\n\nBRONZE\n");
    const auto lignes = DecouperLignes(texte);
    const QStringList attendu = {"titre", "regle", "", "\t\tACIER", "\t\tBRONZE", ""};
    QCOMPARE(Liste(lignes), attendu);
}

void TestTextes::aideDesignation_vraisFichiers() {
    // The shipped texts: 73 head lines + one line per kind + the blank last line.
    QFile tete(QStringLiteral(":/help/TAideDesignation1-head.txt"));
    QFile especes(QStringLiteral(":/data/kinds-of-material.txt"));
    if (!tete.open(QIODevice::ReadOnly) || !especes.open(QIODevice::ReadOnly)) {
        QSKIP("help texts not built in");
    }
    const std::string texteEspeces = especes.readAll().toStdString();
    std::size_t nombreEspeces = 0;
    for (const std::string& l : DecouperLignes(texteEspeces)) {
        nombreEspeces += l.empty() ? 0 : 1;
    }
    const auto lignes =
        DecouperLignes(TexteAideDesignation(tete.readAll().toStdString(), texteEspeces));
    QCOMPARE(lignes.size(), 73 + nombreEspeces + 1);
    QCOMPARE(Q(lignes[72]), QString());
    QVERIFY(lignes[73].rfind("\t\t", 0) == 0);
    QCOMPARE(Q(lignes.back()), QString());
    if (nombreEspeces == 1030) {
        QCOMPARE(lignes.size(), std::size_t(1104));
    }
}

void TestTextes::fournisseur_colonnes() {
    const std::string ligne =
        LigneFournisseur({"Acme", "Fr", "75001", "Paris", "tel", "fax", "acme.fr", "source"});
    const std::string entete = EnteteFournisseurs();
    QCOMPARE(entete.size(), std::size_t(81));
    // Each field starts where its column title starts.
    QCOMPARE(ligne.find("Acme"), entete.find("Producers"));
    QCOMPARE(ligne.find("Fr"), entete.find("Country"));
    QCOMPARE(ligne.find("75001"), entete.find("Zip"));
    QCOMPARE(ligne.find("Paris"), entete.find("Town"));
    QCOMPARE(ligne.find("tel"), entete.find("Phone"));
    QCOMPARE(ligne.find("fax"), entete.find("Fax"));
    QCOMPARE(ligne.find("acme.fr"), entete.find("Web site"));
    QVERIFY(ligne.find("source") == std::string::npos);
    // Empty fields keep the columns in place.
    const std::string trous = LigneFournisseur({"Acme", "", "", "Lyon"});
    QCOMPARE(trous.find("Lyon"), entete.find("Town"));
    QVERIFY(trous.back() == 'n');
}

void TestTextes::fournisseur_coupeSansDepasser81() {
    const std::string long40(40, 'x');
    const std::string ligne =
        LigneFournisseur({long40, long40, long40, long40, long40, long40, long40});
    QCOMPARE(ligne.size(), std::size_t(81));
    // A cut field leaves a blank before the next column.
    QCOMPARE(Q(ligne.substr(2, 15)), Q(std::string(14, 'x') + " "));
    QCOMPARE(Q(ligne.substr(17, 10)), Q(std::string(9, 'x') + " "));
}

void TestTextes::fournisseur_caracteresNonAscii() {
    // Columns count characters, not UTF-8 bytes.
    const std::string ligne = LigneFournisseur({"Soci\xc3\xa9t\xc3\xa9", "De", "", "K\xc3\xb6ln"});
    const QString texte = QString::fromStdString(ligne);
    QCOMPARE(texte.indexOf("De"), 17);
    QCOMPARE(texte.indexOf(QString::fromUtf8("K\xc3\xb6ln")), 36);
    std::string accents;
    for (int i = 0; i < 20; ++i) {
        accents += "\xc3\xa9";
    }
    const QString coupe = Q(LigneFournisseur({accents, "x"}));
    QCOMPARE(coupe.indexOf(QLatin1Char('x')), 17);
    QCOMPARE(coupe.count(QChar(0xe9)), 14);
}

void TestTextes::fournisseurs_entetesEtLignesIgnorees() {
    const std::string texte = TexteFournisseurs(
        "name\tcountry\tzip\ttown\tphone\tfax\tweb\tsource\n# note\n\nAcme\tFr\n");
    const auto lignes = DecouperLignes(texte);
    QCOMPARE(lignes.size(), std::size_t(4));
    QCOMPARE(Q(lignes[0]), Q(EnteteFournisseurs()));
    QCOMPARE(Q(lignes[1]), QStringLiteral("  "));
    QCOMPARE(Q(lignes[2]), QString(81, QLatin1Char('-')));
    QCOMPARE(Q(lignes[3]), QStringLiteral("  Acme           Fr"));
    // Without a title line the first line is a producer.
    QCOMPARE(DecouperLignes(TexteFournisseurs("Acme\tFr")).size(), std::size_t(4));
}

void TestTextes::conversion_versMoteur() {
    // Windows-1252 holds the euro sign and e acute; not the Greek alpha.
    QVERIFY(VersMoteur(QString::fromUtf8("\xe2\x82\xac\xc3\xa9\xce\xb1z")) ==
            std::string("\x80\xe9?z"));
    QCOMPARE(VersQt(std::string("De 400 \xe0 550 Mpa")),
             QString::fromUtf8("De 400 \xc3\xa0 550 Mpa"));
}

void TestTextes::documents_impressionParLp_data() {
    QTest::addColumn<QString>("lp"); // the script standing in for lp; empty: none at all
    QTest::addColumn<bool>("reussite");
    QTest::newRow("lp accepte") << "#!/bin/sh\n[ \"$2\" = \"$WANTED\" ] || exit 3\nexit 0\n"
                                << true;
    QTest::newRow("lp refuse") << "#!/bin/sh\nexit 1\n" << false;
    QTest::newRow("pas de lp") << "" << false;
}

void TestTextes::documents_impressionParLp() {
    QFETCH(QString, lp);
    QFETCH(bool, reussite);
    QTemporaryDir repertoire;
    if (!lp.isEmpty()) {
        QFile script(repertoire.filePath("lp"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(lp.toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray ancienChemin = qgetenv("PATH");
    qputenv("PATH", repertoire.path().toLocal8Bit());
    const QString fichier = repertoire.filePath("A12.txt");
    qputenv("WANTED", fichier.toLocal8Bit());
    ServiceDocumentsBureau service;
    const bool resultat = service.Imprimer(fichier.toStdString());
    qputenv("PATH", ancienChemin);
    QCOMPARE(resultat, reussite);
}

QTEST_MAIN(TestTextes)
#include "TestTextes.moc"
