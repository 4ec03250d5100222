#include "Converter.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "Validator.h"

namespace talixc {

namespace {

std::string Stored(const std::string& utf8, const std::string& field, std::size_t capacity) {
    StoredText text = ToStored(utf8);
    if (!text.problem.empty() || text.bytes.size() > capacity) {
        throw std::invalid_argument(field + ": cannot be stored");
    }
    text.bytes.resize(capacity, ' ');
    return text.bytes;
}

// OctetStocke for every byte, computed once: it searches the table on every call.
const std::array<unsigned char, 256>& StoredBytes() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (unsigned b = 0; b < 256; ++b) {
            t[b] = talix::OctetStocke(static_cast<unsigned char>(b));
        }
        return t;
    }();
    return table;
}

// A display text: converted back to the stored code page byte by byte, so that the
// reader's conversion gives the Windows-1252 text again.
std::string StoredDisplay(const std::string& utf8, const std::string& field, std::size_t capacity) {
    std::string text = Stored(utf8, field, capacity);
    const auto& table = StoredBytes();
    for (char& c : text) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
    return text;
}

} // namespace

std::string FormatAmount(double percent) {
    const long long thousandths = std::llround(percent * 1000);
    const long long whole = thousandths / 1000;
    std::string text = whole == 0 ? std::string() : std::to_string(whole);
    text = std::string(text.size() < 2 ? 2 - text.size() : 0, ' ') + text;
    const std::string decimals = std::to_string(1000 + thousandths % 1000).substr(1);
    return text + "." + decimals;
}

std::string FormatWhole(std::int64_t value, std::size_t width) {
    if (value == 0) {
        return std::string(width, ' ');
    }
    std::string text = std::to_string(value);
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

talix::Fiche ToFiche(const Grade& g) {
    talix::Fiche f = talix::FicheBlanche();
    std::string* columns[ColumnCount] = {&f.Afnor, &f.Werkstoff, &f.Din,  &f.Bs,   &f.Aisi, &f.Uns,
                                         &f.Nature, &f.Des1,     &f.Des2, &f.Des3, &f.Des4, &f.Des5};
    for (std::size_t c = 0; c < ColumnCount; ++c) {
        *columns[c] = StoredDisplay(g.columns[c], ColumnName(c + 1), talix::CapDesignation);
    }
    f.Famille = FormatWhole(g.family, talix::CapFamille);
    for (std::size_t e = 0; e < ElementCount; ++e) {
        f.Chimie[e].Min = FormatAmount(g.chem[e].given ? g.chem[e].min : 0);
        f.Chimie[e].Max = FormatAmount(g.chem[e].given ? g.chem[e].max : 0);
    }
    f.Commentaire = StoredDisplay(g.comment, "comment", talix::CapCommentaire);
    f.Densite = Stored(g.density, "density", talix::CapDensite);
    for (std::size_t r = 0; r < g.cond.size() && r < 2; ++r) {
        const ConditionRow& c = g.cond[r];
        talix::EtatMeca& m = f.Meca[r];
        m.Etat = Stored(c.etat, "etat", talix::CapEtat);
        m.Chauffe = Stored(c.heat, "heat", talix::CapChauffe);
        m.RmMin = FormatWhole(c.rmMin, talix::CapRm);
        m.RmMax = FormatWhole(c.rmMax, talix::CapRm);
        m.Rp02Min = FormatWhole(c.rp, talix::CapRp02);
        m.AMin = FormatWhole(c.a, talix::CapA);
        m.DureteMax = FormatWhole(c.hardness, talix::CapDurete);
    }
    if (g.cond.size() > 2) {
        f.Etat3 = Stored(g.cond[2].etat, "etat", talix::CapEtat);
        f.Chauffe3 = Stored(g.cond[2].heat, "heat", talix::CapChauffe3);
    }
    return f;
}

} // namespace talixc
