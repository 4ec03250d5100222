// The engine's figures at the announced scale (8,000 grades, about 65,000 designation
// lines) and ten times beyond, each with the reference it is measured against: the bare
// split of the same bytes with memchr. The designation search is also compared with a
// "grep -F -x" of the whole index.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "Reference.h"
#include "report/Rapport.h"
#include "session/Enregistreurs.h"
#include "session/Session.h"

namespace talix::bench {
namespace {

using Horloge = std::chrono::steady_clock;

// Designations per grade in the synthetic bases: 8,000 grades give 64,000 designation
// lines, 80,000 give 640,000.
constexpr int DesignationsParNuance = 8;

// The directory of a synthetic base of `nuances` grades, made once per run.
std::string BaseSynthetique(int nuances) {
    static std::map<int, std::string> faites;
    auto it = faites.find(nuances);
    if (it != faites.end()) {
        return it->second;
    }
    const std::string repertoire =
        (std::filesystem::temp_directory_path() / ("talix-bench-" + std::to_string(nuances)))
            .string();
    std::filesystem::create_directories(repertoire);
    const std::string commande = std::string(TALIXC_PATH) + " --synthetic " +
                                 std::to_string(nuances) + " " +
                                 std::to_string(DesignationsParNuance) + " 1 --out " +
                                 repertoire + " > /dev/null";
    if (std::system(commande.c_str()) != 0) {
        std::fprintf(stderr, "talixc --synthetic failed\n");
        std::abort();
    }
    faites[nuances] = repertoire;
    return repertoire;
}

// Lines at the end of each section of the index that FamilleEnFin moves to family 0, a
// family no other line of the synthetic bases holds.
constexpr int LignesFamilleEnFin = 8;

// A copy of the synthetic base of `nuances` grades whose index gives family 0 to the last
// LignesFamilleEnFin lines of each section (the family is the word before the record
// reference on every kind of line), so that a search with family 0 selected crosses its
// whole section before meeting its family. The data file is the same (a link).
std::string BaseFamilleEnFin(int nuances) {
    static std::map<int, std::string> faites;
    auto it = faites.find(nuances);
    if (it != faites.end()) {
        return it->second;
    }
    const std::string source = BaseSynthetique(nuances);
    const std::string repertoire = source + "-fin";
    std::filesystem::create_directories(repertoire);
    std::filesystem::remove(repertoire + "/Talix");
    std::filesystem::create_symlink(source + "/Talix", repertoire + "/Talix");

    std::ifstream entree(source + "/Talixind", std::ios::binary);
    std::vector<std::string> lignes;
    for (std::string l; std::getline(entree, l);) {
        lignes.push_back(l);
    }
    auto section = [](const std::string& l) {
        const std::string tag = l.substr(0, 3);
        return tag == "dur" || tag == "ela" || tag == "res" ? tag : std::string();
    };
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const bool finDeSection = i + 1 == lignes.size() || section(lignes[i + 1]) != section(lignes[i]);
        if (!finDeSection) {
            continue;
        }
        for (std::size_t k = 0; k < LignesFamilleEnFin && k <= i; ++k) {
            std::string& l = lignes[i - k];
            const auto fin = l.rfind(' ');
            const auto debut = l.rfind(' ', fin - 1);
            l = l.substr(0, debut + 1) + "0" + l.substr(fin);
        }
    }
    std::ofstream sortie(repertoire + "/Talixind", std::ios::binary | std::ios::trunc);
    for (const auto& l : lignes) {
        sortie << l << '\n';
    }
    faites[nuances] = repertoire;
    return repertoire;
}

// One engine on a synthetic base, started as the application starts.
struct Moteur {
    explicit Moteur(int nuances, bool familleEnFin = false)
        : repertoire(familleEnFin ? BaseFamilleEnFin(nuances) : BaseSynthetique(nuances)),
          session(systeme, fenetres, documents, repertoire) {
        session.Demarrer();
        session.MontrerMenu();
    }
    std::string Index() const { return repertoire + "/Talixind"; }

    std::string repertoire;
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Session session;
};

// The median time of `f`, in nanoseconds, over a few runs.
template <class F> double Mesurer(F&& f, int fois = 15) {
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i) {
        const auto debut = Horloge::now();
        f();
        durees.push_back(std::chrono::duration<double, std::nano>(Horloge::now() - debut).count());
    }
    std::sort(durees.begin(), durees.end());
    return durees[durees.size() / 2];
}

// Runs `operation` in the benchmark loop, after `preparer` (untimed), and reports its mean
// time against the reference `referenceNs`. The benchmarks use manual time: only
// `operation` is timed, with no PauseTiming (costly beside microsecond operations).
template <class P, class O>
void Boucle(benchmark::State& state, P&& preparer, O&& operation, double referenceNs) {
    double total = 0;
    std::int64_t n = 0;
    for (auto _ : state) {
        preparer();
        const auto debut = Horloge::now();
        operation();
        const double ns = std::chrono::duration<double, std::nano>(Horloge::now() - debut).count();
        state.SetIterationTime(ns / 1e9);
        total += ns;
        ++n;
    }
    const double moyenne = n ? total / static_cast<double>(n) : 0;
    state.counters["op_us"] = moyenne / 1000.0;
    state.counters["ref_us"] = referenceNs / 1000.0;
    state.counters["ratio"] = referenceNs > 0 ? moyenne / referenceNs : 0;
}

// The first word of the first line of the section with tag `tag` ("" for designations).
std::string PremiereValeur(const std::string& index, const std::string& tag) {
    const std::size_t ligne = tag.empty() ? 1 : PremiereLigne(index, tag);
    std::FILE* f = std::fopen(index.c_str(), "rb");
    char tampon[512];
    std::string texte;
    for (std::size_t i = 0; i < ligne && std::fgets(tampon, sizeof tampon, f); ++i) {
        texte = tampon;
    }
    std::fclose(f);
    texte = texte.substr(tag.size());
    const auto debut = texte.find_first_not_of(' ');
    const auto fin = texte.find(' ', debut);
    return texte.substr(debut, fin - debut);
}

// --- Searches ----------------------------------------------------------------------------

enum class Cas { Meilleur, Pire, FamilleEnFin };

const char* TagDe(int type) {
    static const char* tags[] = {"", "dur", "res", "ela"};
    return tags[type];
}

void Recherche(benchmark::State& state, int type, Cas cas) {
    Moteur m(static_cast<int>(state.range(0)), cas == Cas::FamilleEnFin);
    const std::string index = m.Index();
    std::string texte;
    std::int32_t famille = -1;
    switch (cas) {
    case Cas::Meilleur:
        texte = PremiereValeur(index, TagDe(type));
        break;
    case Cas::Pire:
        // A key after the last line of its section.
        texte = type == 0 ? "~" : "99999";
        break;
    case Cas::FamilleEnFin:
        // Family 0 selected, whose lines are the last of each section; the key after them.
        texte = type == 0 ? "~" : "99999";
        famille = 0;
        break;
    }
    // Where the scan stops, for the reference: run it once.
    m.session.recherche.FamilleChoisie = famille;
    m.session.Choisir(type);
    m.session.LancerRecherche(type, texte, "50");
    const std::size_t lignes = static_cast<std::size_t>(m.session.recherche.LigneCourante);
    const double reference = Mesurer([&] { benchmark::DoNotOptimize(DecoupageNu(index, lignes)); });
    if (type == 0 && cas != Cas::Meilleur) {
        state.counters["grep_us"] =
            Mesurer([&] { benchmark::DoNotOptimize(GrepFx(index, texte)); }) / 1000.0;
    }
    Boucle(
        state, [&] { m.session.recherche.FamilleChoisie = famille; },
        [&] { m.session.LancerRecherche(type, texte, "50"); }, reference);
    state.counters["line"] = static_cast<double>(m.session.recherche.LigneCourante);
}

void Designation_Meilleur(benchmark::State& s) { Recherche(s, 0, Cas::Meilleur); }
void Designation_Pire(benchmark::State& s) { Recherche(s, 0, Cas::Pire); }
void Designation_FamilleEnFin(benchmark::State& s) { Recherche(s, 0, Cas::FamilleEnFin); }
void Durete_Meilleur(benchmark::State& s) { Recherche(s, 1, Cas::Meilleur); }
void Durete_Pire(benchmark::State& s) { Recherche(s, 1, Cas::Pire); }
void Durete_FamilleEnFin(benchmark::State& s) { Recherche(s, 1, Cas::FamilleEnFin); }
void Resistance_Meilleur(benchmark::State& s) { Recherche(s, 2, Cas::Meilleur); }
void Resistance_Pire(benchmark::State& s) { Recherche(s, 2, Cas::Pire); }
void Resistance_FamilleEnFin(benchmark::State& s) { Recherche(s, 2, Cas::FamilleEnFin); }
void Elasticite_Meilleur(benchmark::State& s) { Recherche(s, 3, Cas::Meilleur); }
void Elasticite_Pire(benchmark::State& s) { Recherche(s, 3, Cas::Pire); }
void Elasticite_FamilleEnFin(benchmark::State& s) { Recherche(s, 3, Cas::FamilleEnFin); }

// --- Steps -------------------------------------------------------------------------------

// A step from the start (after the best-case search) or from the end (after the worst)
// of the section of `type`, forward or backward.
void Pas(benchmark::State& state, int type, bool depuisLaFin, bool enAvant) {
    Moteur m(static_cast<int>(state.range(0)));
    const std::string index = m.Index();
    const std::string texte =
        depuisLaFin ? (type == 0 ? "~" : "99999") : PremiereValeur(index, TagDe(type));
    auto preparer = [&] {
        m.session.recherche.FamilleChoisie = -1;
        m.session.Choisir(type);
        m.session.LancerRecherche(type, texte, "50");
    };
    preparer();
    // A forward step reads on from where the search left the reader, up to the next line
    // it can show (or to the end of the file); a backward step rereads the index from its
    // start up to the current line. The reference splits the same lines.
    const std::size_t avant = static_cast<std::size_t>(m.session.recherche.LigneCourante);
    double reference = 0;
    if (enAvant) {
        // Lines crossed: up to the line shown. When none is shown ("End of data"), every
        // family being accepted, the step has read one line: that of another section.
        m.session.EtapeSuivante();
        const auto apres = static_cast<std::size_t>(m.session.recherche.LigneCourante);
        const std::size_t lignes = apres != avant ? apres - avant : 1;
        const long octet = OctetDeLigne(index, avant + 1);
        reference = Mesurer([&] { benchmark::DoNotOptimize(DecoupageNu(index, lignes, octet)); });
        preparer();
    } else {
        // At the first line the step reads one line and stops.
        const std::size_t lignes = avant > 2 ? avant - 1 : 1;
        reference = Mesurer([&] { benchmark::DoNotOptimize(DecoupageNu(index, lignes)); });
    }
    Boucle(
        state, preparer,
        [&] {
            if (enAvant) {
                m.session.EtapeSuivante();
            } else {
                m.session.EtapePrecedente();
            }
        },
        reference);
    state.counters["line"] = static_cast<double>(m.session.recherche.LigneCourante);
}

#define TALIX_PAS(nom, type)                                                                   \
    void nom##_AvantDebut(benchmark::State& s) { Pas(s, type, false, true); }                  \
    void nom##_ArriereDebut(benchmark::State& s) { Pas(s, type, false, false); }               \
    void nom##_AvantFin(benchmark::State& s) { Pas(s, type, true, true); }                     \
    void nom##_ArriereFin(benchmark::State& s) { Pas(s, type, true, false); }
TALIX_PAS(PasDesignation, 0)
TALIX_PAS(PasDurete, 1)
TALIX_PAS(PasResistance, 2)
TALIX_PAS(PasElasticite, 3)
#undef TALIX_PAS

// --- Records and the report --------------------------------------------------------------

void LireFiche(benchmark::State& state, bool derniere) {
    const int nuances = static_cast<int>(state.range(0));
    Moteur m(nuances);
    const std::int32_t numero = derniere ? nuances : 1;
    // Reference: the bare read of the same 725 bytes, file opened and closed.
    const std::string base = m.repertoire + "/Talix";
    const double reference = Mesurer([&] {
        std::FILE* f = std::fopen(base.c_str(), "rb");
        char brut[725];
        std::fseek(f, 725L * (numero - 1), SEEK_SET);
        benchmark::DoNotOptimize(std::fread(brut, 1, sizeof brut, f));
        std::fclose(f);
    }, 101);
    Boucle(
        state, [] {}, [&] { benchmark::DoNotOptimize(m.session.base.LireFiche(numero)); },
        reference);
}
void LireFiche_Premiere(benchmark::State& s) { LireFiche(s, false); }
void LireFiche_Derniere(benchmark::State& s) { LireFiche(s, true); }

void EcrireFiche(benchmark::State& state) {
    Moteur m(8000);
    // A full record: the grade of record 1 has every field filled by the generator.
    Fiche fiche = m.session.base.DecoderFiche(m.session.base.LireFiche(1));
    Fiche copie;
    m.session.base.PublierFiche(fiche, copie);
    const std::string chemin = m.repertoire + "/A1-bench.txt";
    const auto lignes = LignesRapport(fiche);
    std::string contenu;
    for (const auto& l : lignes) {
        contenu += l + "\r\n";
    }
    // Reference: writing the same bytes with one write and one fsync.
    const double reference = Mesurer([&] {
        std::FILE* f = std::fopen(chemin.c_str(), "wb");
        std::fwrite(contenu.data(), 1, contenu.size(), f);
        std::fflush(f);
        ::fsync(fileno(f));
        std::fclose(f);
        std::remove(chemin.c_str());
    });
    Boucle(
        state, [&] { std::remove(chemin.c_str()); },
        [&] { m.session.rapport.EcrireFiche(fiche, chemin); }, reference);
    std::remove(chemin.c_str());
}

} // namespace

// Searches: timed for 0.1 s each (see bench/run). Steps: each iteration first runs the
// search that places the step (untimed, up to tens of milliseconds), so their count is fixed.
#define TALIX_ECHELLES(f)                                                                      \
    BENCHMARK(f)->Arg(8000)->Arg(80000)->UseManualTime()->Unit(benchmark::kMicrosecond)
#define TALIX_PAS_ECHELLES(f)                                                                  \
    BENCHMARK(f)->Arg(8000)->Arg(80000)->UseManualTime()->Iterations(12)->Unit(benchmark::kMicrosecond)


TALIX_ECHELLES(Designation_Meilleur);
TALIX_ECHELLES(Designation_Pire);
TALIX_ECHELLES(Designation_FamilleEnFin);
TALIX_ECHELLES(Durete_Meilleur);
TALIX_ECHELLES(Durete_Pire);
TALIX_ECHELLES(Durete_FamilleEnFin);
TALIX_ECHELLES(Resistance_Meilleur);
TALIX_ECHELLES(Resistance_Pire);
TALIX_ECHELLES(Resistance_FamilleEnFin);
TALIX_ECHELLES(Elasticite_Meilleur);
TALIX_ECHELLES(Elasticite_Pire);
TALIX_ECHELLES(Elasticite_FamilleEnFin);
TALIX_PAS_ECHELLES(PasDesignation_AvantDebut);
TALIX_PAS_ECHELLES(PasDesignation_ArriereDebut);
TALIX_PAS_ECHELLES(PasDesignation_AvantFin);
TALIX_PAS_ECHELLES(PasDesignation_ArriereFin);
TALIX_PAS_ECHELLES(PasDurete_AvantDebut);
TALIX_PAS_ECHELLES(PasDurete_ArriereDebut);
TALIX_PAS_ECHELLES(PasDurete_AvantFin);
TALIX_PAS_ECHELLES(PasDurete_ArriereFin);
TALIX_PAS_ECHELLES(PasResistance_AvantDebut);
TALIX_PAS_ECHELLES(PasResistance_ArriereDebut);
TALIX_PAS_ECHELLES(PasResistance_AvantFin);
TALIX_PAS_ECHELLES(PasResistance_ArriereFin);
TALIX_PAS_ECHELLES(PasElasticite_AvantDebut);
TALIX_PAS_ECHELLES(PasElasticite_ArriereDebut);
TALIX_PAS_ECHELLES(PasElasticite_AvantFin);
TALIX_PAS_ECHELLES(PasElasticite_ArriereFin);
TALIX_ECHELLES(LireFiche_Premiere);
TALIX_ECHELLES(LireFiche_Derniere);
BENCHMARK(EcrireFiche)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);

} // namespace talix::bench

BENCHMARK_MAIN();
