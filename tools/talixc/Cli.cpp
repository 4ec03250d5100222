#include "Cli.h"

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "Compiler.h"
#include "Stats.h"
#include "Synthetic.h"

namespace talixc {

namespace {

constexpr const char* Usage =
    "usage: talixc [--stats] [--kinds FILE] --out DIR SOURCE_DIR\n"
    "       talixc [--stats] --synthetic N M SEED --out DIR\n";

struct Options {
    bool stats = false;
    std::optional<std::string> kinds;
    std::optional<std::string> out;
    std::optional<std::string> sourceDir;
    bool synthetic = false;
    std::uint64_t count = 0;
    std::uint64_t designations = 0;
    std::uint64_t seed = 0;
};

std::optional<std::uint64_t> Unsigned(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 18) {
        return std::nullopt;
    }
    return std::stoull(text);
}

std::optional<Options> ParseArguments(const std::vector<std::string>& args, std::ostream& err) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasNext = i + 1 < args.size();
        if (a == "--stats") {
            o.stats = true;
        } else if (a == "--kinds" && hasNext) {
            o.kinds = args[++i];
        } else if (a == "--out" && hasNext) {
            o.out = args[++i];
        } else if (a == "--synthetic" && i + 3 < args.size()) {
            const auto n = Unsigned(args[i + 1]);
            const auto m = Unsigned(args[i + 2]);
            const auto seed = Unsigned(args[i + 3]);
            if (!n || !m || !seed || *m < 3 || *m > ColumnCount) {
                err << "talixc: --synthetic N M SEED: whole numbers, M (designations with the "
                       "nature) from 3 to 12\n";
                return std::nullopt;
            }
            o.synthetic = true;
            o.count = *n;
            o.designations = *m;
            o.seed = *seed;
            i += 3;
        } else if (!a.empty() && a[0] != '-' && !o.sourceDir) {
            o.sourceDir = a;
        } else {
            err << "talixc: unexpected argument " << a << "\n";
            return std::nullopt;
        }
    }
    if (!o.out || o.synthetic == o.sourceDir.has_value() || (o.synthetic && o.kinds)) {
        return std::nullopt;
    }
    return o;
}

int Run(const Options& o, std::ostream& out, std::ostream& err) {
    std::vector<Grade> grades;
    std::vector<Diagnostic> problems;
    if (o.synthetic) {
        grades = SyntheticGrades(o.count, o.designations, o.seed);
        Validate(grades, nullptr, problems);
    } else {
        std::optional<Kinds> kinds;
        if (o.kinds) {
            kinds = ParseKinds(ReadFile(*o.kinds));
        }
        grades = ParseAndValidate(ReadSourceTree(*o.sourceDir),
                                          kinds ? &*kinds : nullptr, problems);
    }
    if (!problems.empty()) {
        for (const Diagnostic& d : problems) {
            err << d.Text() << "\n";
        }
        err << "talixc: " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
                  << ", nothing written\n";
        return 1;
    }
    const Catalogue catalogue = Build(grades);
    WriteCatalogue(*o.out, catalogue);
    if (o.stats) {
        out << StatsText(catalogue);
    }
    return 0;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = ParseArguments(args, err);
    if (!options) {
        err << Usage;
        return 2;
    }
    try {
        return Run(*options, out, err);
    } catch (const std::exception& error) {
        err << "talixc: " << error.what() << "\n";
        return 1;
    }
}

} // namespace talixc
