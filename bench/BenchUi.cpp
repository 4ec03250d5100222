// The application's start-up to the main menu, the time from Enter in the designation entry
// window to the designations window painted, and the peak resident memory after a search,
// each against the start-up and paint of an empty Qt window, measured in the same run.
//
// Start-ups are measured as whole processes (this program started again in a child mode),
// so that both sides pay the same dynamic linking and toolkit initialisation.
//
// Usage: bench_ui OUT.json [DATADIR...]   (the data directories of the bases to measure)
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "ui/Application.h"
#include "ui/TAlliageDesignation1.h"
#include "ui/TFicheAvertissement.h"
#include "ui/TMenuPrinc.h"
#include "ui/TSaisieDesignation1.h"

namespace {

using Horloge = std::chrono::steady_clock;

double MicrosDepuis(Horloge::time_point debut) {
    return std::chrono::duration<double, std::micro>(Horloge::now() - debut).count();
}

// Child: an empty window shown and painted.
int EnfantVide(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.resize(1024, 768);
    fenetre.show();
    QApplication::processEvents();
    const QPixmap image = fenetre.grab();
    std::_Exit(image.isNull() ? 1 : 0);
}

// Starts `talix` on the current directory's base and leaves the warning window: the main
// menu is then shown, as a user sees it after the first key.
void DemarrerJusquAuMenu(talix::Talix& talix) {
    talix.Fin = [] {};
    talix.Demarrer();
    QApplication::processEvents();
    QTest::keyClick(talix.FicheAvertissement.get(), Qt::Key_Space);
    QApplication::processEvents();
}

// Child: the application started, the warning window left, the main menu painted.
int EnfantDemarrage(int argc, char** argv, const char* donnees) {
    QApplication application(argc, argv);
    if (::chdir(donnees) != 0) {
        std::_Exit(2);
    }
    talix::Talix talix;
    DemarrerJusquAuMenu(talix);
    const QPixmap image = talix.MenuPrinc->grab();
    std::_Exit(image.isNull() || !talix.MenuPrinc->isVisible() ? 1 : 0);
}

// Child: one designation search typed and confirmed; prints the microseconds from Enter
// to the designations window painted, and the peak resident memory in KiB.
int EnfantRecherche(int argc, char** argv, const char* donnees, const char* cle) {
    QApplication application(argc, argv);
    if (::chdir(donnees) != 0) {
        std::_Exit(2);
    }
    talix::Talix talix;
    DemarrerJusquAuMenu(talix);
    QTest::keyClick(talix.MenuPrinc.get(), Qt::Key_F4);
    QApplication::processEvents();
    talix.SaisieDesignation1->Edit1->setText(QString::fromLatin1(cle));
    const auto debut = Horloge::now();
    QTest::keyClick(talix.SaisieDesignation1.get(), Qt::Key_Return);
    const QPixmap image = talix.AlliageDesignation1->grab();
    const double us = MicrosDepuis(debut);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %ld\n", us, usage.ru_maxrss);
    std::fflush(stdout);
    std::_Exit(image.isNull() ? 1 : 0);
}

// Runs this program in a child mode and returns its wall time in microseconds; `sortie`
// receives what it printed.
double Lancer(const std::vector<std::string>& arguments, std::string* sortie = nullptr) {
    int tube[2];
    if (::pipe(tube) != 0) {
        std::abort();
    }
    const auto debut = Horloge::now();
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        ::dup2(tube[1], STDOUT_FILENO);
        ::close(tube[0]);
        std::vector<char*> argv;
        for (const auto& a : arguments) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        ::execv("/proc/self/exe", argv.data());
        std::_Exit(127);
    }
    ::close(tube[1]);
    std::string lu;
    char tampon[256];
    ssize_t n = 0;
    while ((n = ::read(tube[0], tampon, sizeof tampon)) > 0) {
        lu.append(tampon, static_cast<std::size_t>(n));
    }
    ::close(tube[0]);
    int etat = 0;
    ::waitpid(enfant, &etat, 0);
    const double us = MicrosDepuis(debut);
    if (!WIFEXITED(etat) || WEXITSTATUS(etat) != 0) {
        std::fprintf(stderr, "child %s failed\n", arguments[1].c_str());
        std::exit(1);
    }
    if (sortie) {
        *sortie = lu;
    }
    return us;
}

double Mediane(std::vector<double> valeurs) {
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs[valeurs.size() / 2];
}

// The first designation key of an index: a search that finds its grade at once.
std::string PremiereCle(const std::string& donnees) {
    std::ifstream index(donnees + "/Talixind");
    std::string ligne;
    std::getline(index, ligne);
    return ligne.substr(0, ligne.find(' '));
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--vide") {
        return EnfantVide(argc, argv);
    }
    if (argc >= 3 && std::string(argv[1]) == "--demarrage") {
        return EnfantDemarrage(argc, argv, argv[2]);
    }
    if (argc >= 4 && std::string(argv[1]) == "--recherche") {
        return EnfantRecherche(argc, argv, argv[2], argv[3]);
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_ui OUT.json DATADIR...\n");
        return 2;
    }
    const std::string soi = argv[0];
    constexpr int Fois = 9;
    std::vector<double> vides;
    for (int i = 0; i < Fois; ++i) {
        vides.push_back(Lancer({soi, "--vide"}));
    }
    const double reference = Mediane(vides);

    std::string json = "{\"rows\": [\n";
    auto ligne = [&](const std::string& op, const std::string& echelle, double us, double ref,
                     const std::string& extra = "") {
        char tampon[512];
        std::snprintf(tampon, sizeof tampon,
                      "  {\"op\": \"%s\", \"scale\": \"%s\", \"us\": %.1f, \"ref_us\": %.1f, "
                      "\"ratio\": %.3f%s},\n",
                      op.c_str(), echelle.c_str(), us, ref, ref > 0 ? us / ref : 0.0,
                      extra.c_str());
        json += tampon;
    };
    ligne("EmptyQtWindow_StartPaint", "-", reference, reference);
    for (int i = 2; i < argc; ++i) {
        const std::string donnees = argv[i];
        const std::string echelle = donnees.substr(donnees.rfind('-') + 1);
        std::vector<double> demarrages;
        std::vector<double> entrees;
        long memoire = 0;
        const std::string cle = PremiereCle(donnees);
        for (int k = 0; k < Fois; ++k) {
            demarrages.push_back(Lancer({soi, "--demarrage", donnees}));
            std::string sortie;
            Lancer({soi, "--recherche", donnees, cle}, &sortie);
            double us = 0;
            long kib = 0;
            if (std::sscanf(sortie.c_str(), "%lf %ld", &us, &kib) == 2) {
                entrees.push_back(us);
                memoire = std::max(memoire, kib);
            }
        }
        ligne("App_StartupToMainMenu", echelle, Mediane(demarrages), reference);
        ligne("App_EnterToDesignationsPainted", echelle, Mediane(entrees), reference);
        ligne("App_PeakRSS_KiB_AfterSearch", echelle, static_cast<double>(memoire), 0);
    }
    json.resize(json.size() - 2);
    json += "\n]}\n";
    std::ofstream(argv[1]) << json;
    std::fputs(json.c_str(), stdout);
    return 0;
}
