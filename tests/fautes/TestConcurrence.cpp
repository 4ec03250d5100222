// Two processes annotating the same grade at the same moment: the report that stays is one
// whole report, never a mix or a truncation, and notes added to it are never lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "report/Rapport.h"
#include "session/Enregistreurs.h"
#include "session/Session.h"
#include "support/Fixtures.h"

namespace talix {
namespace {

// Annotates record 1 of the base in `repertoire` once the byte on `depart` arrives.
[[noreturn]] void Annotateur(const std::string& repertoire, int depart) {
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Session session(systeme, fenetres, documents, repertoire);
    session.rapport.RepertoireProgramme = repertoire;
    session.Demarrer();
    session.Choisir(0);
    session.LancerRecherche(0, "ALPHA");
    char octet = 0;
    if (::read(depart, &octet, 1) != 1) {
        ::_exit(2);
    }
    session.Annoter();
    ::_exit(fenetres.montrees.empty() && documents.ouverts.size() == 1 ? 0 : 1);
}

TEST(Concurrence, DeuxAnnotationsSimultaneesDonnentUnRapportEntier) {
    test::RepertoireTemporaire rep;
    Fiche fiche = test::FicheDe({"ALPHA", "1.0001", "", "", "", "", "TOOL STEEL"});
    fiche.Commentaire = test::Cadre("Fe=rem", CapCommentaire);
    test::EcrireBase(rep.Chemin(), {fiche});
    test::EcrireIndex(rep.Chemin(), {test::LigneDesignationIndex("ALPHA", 100, 1, 1)});

    // The one true content of the report.
    std::string attendu;
    {
        SystemePosix systeme;
        FenetresEnregistreuses fenetres;
        ServiceDocumentsEnregistreur documents;
        Session session(systeme, fenetres, documents, rep.Chemin());
        session.Demarrer();
        session.Choisir(0);
        session.LancerRecherche(0, "ALPHA");
        for (const std::string& ligne : LignesRapport(session.base.FicheCourante)) {
            attendu += ligne + "\r\n";
        }
    }
    std::filesystem::create_directory(rep.Fichier("Note"));
    const std::string rapport = rep.Fichier("Note/A1.txt");

    for (int tour = 0; tour < 40; ++tour) {
        std::filesystem::remove(rapport);
        int tube[2];
        ASSERT_EQ(::pipe(tube), 0);
        pid_t enfants[2];
        for (pid_t& enfant : enfants) {
            enfant = ::fork();
            ASSERT_GE(enfant, 0);
            if (enfant == 0) {
                ::close(tube[1]);
                Annotateur(rep.Chemin(), tube[0]);
            }
        }
        ::close(tube[0]);
        ASSERT_EQ(::write(tube[1], "go", 2), 2); // both start together
        ::close(tube[1]);
        for (pid_t enfant : enfants) {
            int etat = 0;
            ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
            EXPECT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0) << "tour " << tour;
        }
        ASSERT_EQ(test::LireOctets(rapport), attendu) << "tour " << tour;
        // Nothing else left in the directory: no temporary file.
        std::size_t fichiers = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(rep.Fichier("Note"))) {
            ++fichiers;
        }
        EXPECT_EQ(fichiers, 1u) << "tour " << tour;
    }
}

TEST(Concurrence, NotesAjouteesPendantUneAutreAnnotationRestent) {
    test::RepertoireTemporaire rep;
    test::EcrireBase(rep.Chemin(), {test::FicheDe({"ALPHA", "1.0001"})});
    test::EcrireIndex(rep.Chemin(), {test::LigneDesignationIndex("ALPHA", 100, 1, 1)});
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Session session(systeme, fenetres, documents, rep.Chemin());
    session.rapport.RepertoireProgramme = rep.Chemin();
    session.Demarrer();
    session.Choisir(0);
    session.LancerRecherche(0, "ALPHA");
    session.Annoter();
    const std::string rapport = rep.Fichier("Note/A1.txt");
    const std::string avecNotes = test::LireOctets(rapport) + "Used for the pump shaft.\r\n";
    test::EcrireOctets(rapport, avecNotes);
    // A second instance annotating the same grade later finds the file and keeps it.
    Session autre(systeme, fenetres, documents, rep.Chemin());
    autre.rapport.RepertoireProgramme = rep.Chemin();
    autre.Demarrer();
    autre.Choisir(0);
    autre.LancerRecherche(0, "ALPHA");
    autre.Annoter();
    EXPECT_EQ(test::LireOctets(rapport), avecNotes);
    EXPECT_TRUE(fenetres.montrees.empty());
}

} // namespace
} // namespace talix
