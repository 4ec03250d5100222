#include "Validator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

#include "database/Fiche.h"
#include "search/CleDesignation.h"
#include "texte/Cp1252.h"
#include "texte/Nombres.h"

namespace talixc {

namespace {

// The longest designation key the index parser keeps whole.
constexpr std::size_t MaxKeyLength = 35;

// Why a Windows-1252 byte cannot go into a text of the base file, or null when it can.
const char* WhyNotStorable(unsigned char b) {
    switch (b) {
    case 0x81: case 0x82: case 0x84: case 0x85: case 0x87: case 0x88: case 0x89: case 0x8A:
    case 0x8B: case 0x8C: case 0x93: case 0x94: case 0x96: case 0x97: case 0x99: case 0x9A:
    case 0x9C: case 0xBA: case 0xF8:
        return "cannot be stored: the stored code page uses its byte for an accented letter";
    case 0xFF:
        return "cannot be stored in the base file";
    case 0x7F: case 0x8D: case 0x8F: case 0x90: case 0x9D:
        return "cannot be stored: a control character";
    default:
        return b < 0x20 ? "cannot be stored: a control character" : nullptr;
    }
}

// The first code point of a UTF-8 text at `pos`, with its length; nothing when invalid.
std::optional<std::pair<char32_t, std::size_t>> CodePointAt(const std::string& s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    std::size_t n = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
    if (n == 0 || pos + n > s.size()) {
        return std::nullopt;
    }
    char32_t cp = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b >> 6) != 2) {
            return std::nullopt;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    return std::make_pair(cp, n);
}

std::string Describe(char32_t cp, const std::string& utf8) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) {
        return std::string("the control character ") + code;
    }
    return "\"" + utf8 + "\" (" + code + ")";
}

std::string Number(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

class Checker {
public:
    Checker(const Grade& g, std::vector<Diagnostic>& out) : g_(g), out_(out) {}

    void Fail(const std::string& field, const std::string& message) {
        out_.push_back({g_.file, g_.LineOf(field), g_.Name(), field, message});
    }

    // Checks a text against the stored code page and its field width; gives its stored form.
    std::optional<std::string> Text(const std::string& field, const std::string& utf8,
                                    std::size_t capacity) {
        StoredText stored = ToStored(utf8);
        if (!stored.problem.empty()) {
            Fail(field, stored.problem);
            return std::nullopt;
        }
        if (stored.bytes.size() > capacity) {
            Fail(field, "\"" + utf8 + "\" has " + std::to_string(stored.bytes.size()) +
                            " characters, the field holds " + std::to_string(capacity));
            return std::nullopt;
        }
        return stored.bytes;
    }

    void Whole(const std::string& field, std::int64_t v, std::int64_t most) {
        if (v < 0) {
            Fail(field, std::to_string(v) + " is negative");
        } else if (v > most) {
            Fail(field, std::to_string(v) + " does not fit its field (at most " +
                            std::to_string(most) + ")");
        }
    }

    void Amount(const std::string& field, double v) {
        if (v < 0 || v >= 100) {
            Fail(field, Number(v) + " is not a per cent value below 100");
            return;
        }
        const double thousandths = v * 1000;
        if (std::fabs(thousandths - std::round(thousandths)) > 1e-6) {
            Fail(field, Number(v) + " has more than three decimals");
        }
    }

private:
    const Grade& g_;
    std::vector<Diagnostic>& out_;
};

void ValidateGrade(const Grade& g, const Kinds* kinds, std::vector<Diagnostic>& out) {
    Checker check(g, out);

    if (g.family != UnknownFamily &&
        std::find(FamilyCodes.begin(), FamilyCodes.end(), g.family) == FamilyCodes.end()) {
        check.Fail("family", std::to_string(g.family) +
                                 " is not a family code (100 200 400 500 600 700 800)");
    }
    if (g.sources.empty()) {
        check.Fail("sources", "no source: name the standard or data sheet of the values");
    }
    for (const std::string& source : g.sources) {
        if (source.find_first_not_of(' ') == std::string::npos) {
            check.Fail("sources", "an empty source");
        }
    }

    std::size_t designations = 0;
    for (std::size_t column = 1; column <= ColumnCount; ++column) {
        const std::string& text = g.columns[column - 1];
        if (text.empty()) {
            continue;
        }
        const std::string field = ColumnName(column);
        const auto stored = check.Text(field, text, talix::CapDesignation);
        if (!stored) {
            designations += column != NatureColumn; // reported already: no second message
            continue;
        }
        std::string key;
        talix::CleDesignation(*stored, key, 255);
        // Only a designation with a key can be searched for.
        designations += column != NatureColumn && !key.empty();
        if (key.size() > MaxKeyLength) {
            check.Fail(field, "its key " + key + " is longer than 35 characters");
        }
        if (!key.empty() && key.front() == '~') {
            check.Fail(field, "begins with \"~\": put the mark of an approximate equivalent after it");
        }
    }
    if (designations < 2) {
        check.Fail("designations", "a grade needs at least two designations with letters or "
                                   "digits, it has " + std::to_string(designations));
    }
    const std::string& nature = g.columns[NatureColumn - 1];
    if (nature.find_first_not_of(' ') == std::string::npos) {
        check.Fail("nature", "missing");
    } else if (kinds != nullptr && kinds->count(nature) == 0) {
        check.Fail("nature", "\"" + nature + "\" is not in the list of kinds of material");
    }

    check.Text("comment", g.comment, talix::CapCommentaire);
    if (!g.density.empty() && check.Text("density", g.density, talix::CapDensite)) {
        const auto value = talix::ReelStrict(g.density);
        const auto range = DensityRangeOf(g.family);
        if (!value) {
            check.Fail("density", "\"" + g.density + "\" is not a number");
        } else if (range && (*value < range->low || *value > range->high)) {
            check.Fail("density", g.density + " is outside " + Number(range->low) + " - " +
                                      Number(range->high) + ", the plausible range of family " +
                                      std::to_string(g.family));
        }
    }

    for (std::size_t e = 0; e < ElementCount; ++e) {
        const Bounds& b = g.chem[e];
        if (!b.given) {
            continue;
        }
        const std::string field = std::string("chem.") + ElementSymbols[e];
        check.Amount(field, b.min);
        check.Amount(field, b.max);
        if (b.min > 0 && b.max > 0 && b.min > b.max) {
            check.Fail(field, "minimum " + Number(b.min) + " above maximum " + Number(b.max));
        }
    }

    if (g.cond.size() > MaxConditionRows) {
        check.Fail("cond", "at most three rows, not " + std::to_string(g.cond.size()));
    }
    for (std::size_t r = 0; r < g.cond.size() && r < MaxConditionRows; ++r) {
        const ConditionRow& c = g.cond[r];
        const std::string row = "cond[" + std::to_string(r + 1) + "]";
        check.Text(row + ".etat", c.etat, talix::CapEtat);
        if (r == 2) {
            check.Text(row + ".heat", c.heat, talix::CapChauffe3);
            if (!c.propertyKeys.empty()) {
                check.Fail(row + "." + c.propertyKeys.front(),
                           "the third row holds only etat and heat");
            }
            continue;
        }
        check.Text(row + ".heat", c.heat, talix::CapChauffe);
        check.Whole(row + ".rm", c.rmMin, 9999);
        check.Whole(row + ".rm", c.rmMax, 9999);
        check.Whole(row + ".rp", c.rp, 9999);
        check.Whole(row + ".a", c.a, 99);
        check.Whole(row + ".hardness", c.hardness, 999999);
        if (c.rmMin > 0 && c.rmMax > 0 && c.rmMin > c.rmMax) {
            check.Fail(row + ".rm", "minimum " + std::to_string(c.rmMin) + " above maximum " +
                                        std::to_string(c.rmMax));
        }
        const std::int64_t largestRm = std::max(c.rmMin, c.rmMax);
        if (c.rp > 0 && largestRm > 0 && c.rp > largestRm) {
            check.Fail(row + ".rp", "Rp0.2 " + std::to_string(c.rp) +
                                        " above the largest Rm of its row, " +
                                        std::to_string(largestRm));
        }
    }
}

// No two grades with the same key in `column` (Werkstoff, UNS).
void ValidateUnique(const std::vector<Grade>& grades, std::size_t column,
                    std::vector<Diagnostic>& out) {
    std::map<std::string, const Grade*> seen;
    const std::string field = ColumnName(column);
    for (const Grade& g : grades) {
        const StoredText stored = ToStored(g.columns[column - 1]);
        if (!stored.problem.empty()) {
            continue; // already reported
        }
        std::string key;
        talix::CleDesignation(stored.bytes, key, 255);
        if (key.empty()) {
            continue;
        }
        const auto [it, fresh] = seen.emplace(key, &g);
        if (!fresh) {
            const Grade& first = *it->second;
            out.push_back({g.file, g.LineOf(field), g.Name(), field,
                           "\"" + g.columns[column - 1] + "\" is already the " + field +
                               " of grade " + first.Name() + " (" + first.file + ":" +
                               std::to_string(first.LineOf(field)) + ")"});
        }
    }
}

} // namespace

Kinds ParseKinds(const std::string& text) {
    Kinds kinds;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.pop_back();
        }
        if (!line.empty()) {
            kinds.insert(line);
        }
    }
    return kinds;
}

std::optional<DensityRange> DensityRangeOf(int family) {
    switch (family) {
    case 100: return DensityRange{7.6, 8.1};
    case 200: return DensityRange{7.6, 8.1};
    case 400: return DensityRange{7.8, 9.3};
    case 500: return DensityRange{1.7, 3.0};
    case 600: return DensityRange{7.4, 9.0};
    case 700: return DensityRange{4.3, 5.0};
    case 800: return DensityRange{0.5, 21.5};
    default: return std::nullopt;
    }
}

StoredText ToStored(const std::string& utf8) {
    StoredText result;
    result.bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto cp = CodePointAt(utf8, pos);
        if (!cp) {
            result.problem = "not valid UTF-8";
            return result;
        }
        const std::string character = utf8.substr(pos, cp->second);
        const auto byte = talix::OctetCp1252(cp->first);
        if (!byte) {
            result.problem = Describe(cp->first, character) + " is not in Windows-1252";
            return result;
        }
        if (const char* why = WhyNotStorable(*byte)) {
            result.problem = Describe(cp->first, character) + " " + why;
            return result;
        }
        result.bytes.push_back(static_cast<char>(*byte));
        pos += cp->second;
    }
    return result;
}

void Validate(const std::vector<Grade>& grades, const Kinds* kinds, std::vector<Diagnostic>& out) {
    for (const Grade& g : grades) {
        ValidateGrade(g, kinds, out);
    }
    ValidateUnique(grades, 2, out);
    ValidateUnique(grades, 6, out);
}

} // namespace talixc
