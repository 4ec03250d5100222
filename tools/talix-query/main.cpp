// talix-query: the engine of the desktop application without its windows.
//
//   talix-query [--dir DIR] [--family CODE] [--tolerance TEXT] KIND [TEXT]
//   talix-query [--dir DIR] --script FILE
//
// Exit status: 0 done, 2 bad usage, 3 the application ended (a window that ends it, or
// the plain message, was shown).

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Journal.h"
#include "Json.h"
#include "Script.h"
#include "database/Familles.h"
#include "report/Rapport.h"
#include "session/Enregistreurs.h"
#include "session/Session.h"
#include "texte/Cp1252.h"

namespace {

using namespace talixquery;

constexpr int ExitDone = 0;
constexpr int ExitUsage = 2;
constexpr int ExitEnded = 3;

constexpr const char* Usage = "usage: talix-query [--dir DIR] [--family CODE] [--tolerance TEXT] "
                              "designation|hardness|tensile|yield [TEXT]\n"
                              "       talix-query [--dir DIR] --script FILE|-\n";

int BadUsage(const std::string& why) {
    std::cerr << "talix-query: " << why << "\n" << Usage;
    return ExitUsage;
}

struct Options {
    std::string dir;
    std::optional<std::string> script;
    std::optional<std::string> family;
    std::optional<std::string> tolerance;
    std::vector<std::string> positional;
};

int RunQuery(const Options& o) {
    const auto kind = KindFromName(o.positional[0]);
    if (!kind) {
        return BadUsage("unknown kind '" + o.positional[0] + "'");
    }
    if (o.positional.size() > 2) {
        return BadUsage("too many arguments");
    }
    std::int32_t family = talix::TousAlliages;
    if (o.family) {
        const auto code = FamilyCode(*o.family);
        if (!code) {
            return BadUsage("family must be one of -1, 100, 200, 400, 500, 600, 700, 800");
        }
        family = *code;
    }
    const auto text = talix::Utf8VersCp1252(o.positional.size() > 1 ? o.positional[1] : "");
    const auto tolerance = talix::Utf8VersCp1252(o.tolerance.value_or("50"));
    if (!text || !tolerance) {
        return BadUsage("text is not representable in Windows-1252");
    }

    talix::SystemePosix systeme;
    Journal journal;
    talix::ServiceDocumentsEnregistreur documents;
    talix::Session session(systeme, journal, documents, o.dir);
    session.Demarrer();
    if (!session.Terminee()) {
        session.MontrerMenu();
        session.ChoisirFamille(family);
        session.Choisir(*kind);
        session.LancerRecherche(*kind, *text, *tolerance);
    }
    for (const Event& e : journal.Events()) {
        std::cout << EventLine(e) << "\n";
    }
    if (session.Terminee()) {
        std::cout.flush();
        return ExitEnded;
    }
    for (const std::string& line : talix::LignesRapport(session.base.FicheCourante)) {
        std::cout << talix::Cp1252VersUtf8(line) << "\n";
    }
    std::cout.flush();
    return ExitDone;
}

int RunScript(const Options& o) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (*o.script != "-") {
        file.open(*o.script, std::ios::binary);
        if (!file) {
            std::cerr << "talix-query: cannot read " << *o.script << "\n";
            return ExitUsage;
        }
        in = &file;
    }
    talix::SystemePosix systeme;
    Journal journal;
    talix::ServiceDocumentsEnregistreur documents;
    talix::Session session(systeme, journal, documents, o.dir);
    session.Demarrer();
    if (session.Terminee()) {
        std::cout << StateObject("", journal.Events(), session) << std::endl;
        return ExitEnded;
    }
    session.MontrerMenu();
    ScriptRunner runner(session, journal);
    std::string line;
    while (std::getline(*in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (const auto output = runner.Run(line)) {
            std::cout << *output << std::endl;
        }
        if (session.Terminee()) {
            return ExitEnded;
        }
    }
    return ExitDone;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](std::optional<std::string>& target) {
            if (i + 1 >= argc) {
                return false;
            }
            target = argv[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return ExitDone;
        }
        std::optional<std::string> v;
        if (arg == "--dir") {
            if (!value(v))
                return BadUsage("--dir needs a directory");
            o.dir = *v;
        } else if (arg == "--family") {
            if (!value(o.family))
                return BadUsage("--family needs a code");
        } else if (arg == "--tolerance") {
            if (!value(o.tolerance))
                return BadUsage("--tolerance needs a text");
        } else if (arg == "--script") {
            if (!value(o.script))
                return BadUsage("--script needs a file");
        } else if (arg == "--") {
            for (++i; i < argc; ++i) {
                o.positional.emplace_back(argv[i]);
            }
        } else if (arg.size() > 1 && arg[0] == '-' && o.positional.empty()) {
            return BadUsage("unknown option " + arg);
        } else {
            o.positional.push_back(arg);
        }
    }
    if (o.script) {
        if (!o.positional.empty() || o.family || o.tolerance) {
            return BadUsage("--script takes no kind, text, --family or --tolerance");
        }
        return RunScript(o);
    }
    if (o.positional.empty()) {
        return BadUsage("missing kind");
    }
    return RunQuery(o);
}
