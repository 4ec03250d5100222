// The catalogue compiler on arbitrary source text: parsing, checking, converting and
// indexing never crash, and whatever passes the checks compiles to records that read back
// and an index whose every line parses.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Compiler.h"
#include "Parser.h"
#include "database/Base.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    std::vector<talixc::Diagnostic> problemes;
    const auto grades = talixc::ParseAndValidate({{"fuzz.toml", texte}}, nullptr, problemes);
    if (!problemes.empty()) {
        return 0;
    }
    const talixc::Catalogue catalogue = talixc::Build(grades);
    if (catalogue.fiches.size() != grades.size()) std::abort();
    const std::string base = talixc::BaseBytes(catalogue.fiches);
    if (base.size() != grades.size() * talix::TailleFicheBrute) std::abort();
    return 0;
}
