#include "Parser.h"

#include <cmath>
#include <toml++/toml.h>

namespace talixc {

namespace {

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

const char* TypeName(const toml::node& node) {
    switch (node.type()) {
    case toml::node_type::string: return "a text";
    case toml::node_type::integer: return "a whole number";
    case toml::node_type::floating_point: return "a number with decimals";
    case toml::node_type::boolean: return "a boolean";
    case toml::node_type::array: return "an array";
    case toml::node_type::table: return "a table";
    default: return "a date or time";
    }
}

bool IsDesignationKey(const std::string& name) {
    for (std::size_t column = 1; column <= NatureColumn + 1; ++column) {
        if (name == ColumnKey(column)) {
            return true;
        }
    }
    return false;
}

// Collects the diagnostics of one grade, or of the file when `grade` is null.
class GradeReader {
public:
    GradeReader(const std::string& file, std::vector<Diagnostic>& out) : file_(file), out_(out) {}

    void Report(const Grade* grade, int line, const std::string& field, const std::string& msg) {
        out_.push_back({file_, line, grade ? grade->Name() : std::string(), field, msg});
    }

    bool Text(const toml::node& node, Grade* grade, const std::string& field, std::string& out) {
        if (const auto* s = node.as_string()) {
            out = s->get();
            return true;
        }
        Report(grade, LineOf(node), field, std::string("must be a text, not ") + TypeName(node));
        return false;
    }

    bool Whole(const toml::node& node, Grade* grade, const std::string& field, std::int64_t& out) {
        if (const auto* i = node.as_integer()) {
            out = i->get();
            return true;
        }
        Report(grade, LineOf(node), field,
               std::string("must be a whole number, not ") + TypeName(node));
        return false;
    }

    bool Number(const toml::node& node, Grade* grade, const std::string& field, double& out) {
        if (const auto* i = node.as_integer()) {
            out = static_cast<double>(i->get());
            return true;
        }
        if (const auto* f = node.as_floating_point()) {
            out = f->get();
            if (std::isfinite(out)) {
                return true;
            }
        }
        Report(grade, LineOf(node), field, std::string("must be a number, not ") + TypeName(node));
        return false;
    }

    void Texts(const toml::node& node, Grade* grade, const std::string& field,
               std::vector<std::string>& out) {
        const auto* array = node.as_array();
        if (array == nullptr) {
            Report(grade, LineOf(node), field, "must be an array of texts");
            return;
        }
        for (const toml::node& item : *array) {
            std::string text;
            if (Text(item, grade, field, text)) {
                out.push_back(std::move(text));
            }
        }
    }

    void Chem(const toml::node& node, Grade& grade) {
        const auto* table = node.as_table();
        if (table == nullptr) {
            Report(&grade, LineOf(node), "chem", "must be a table of elements");
            return;
        }
        for (auto&& [key, value] : *table) {
            const std::string symbol(key.str());
            const std::string field = "chem." + symbol;
            grade.lines[field] = LineOf(value);
            const auto index = ElementIndex(symbol);
            if (!index) {
                Report(&grade, LineOf(value), field,
                       "unknown element (the 21 are Al N C Co Cr Cu Fe Mg Mn Mo Nb Ni Pb P Si "
                       "Sn S Ti V W Zn)");
                continue;
            }
            const auto* pair = value.as_array();
            if (pair == nullptr || pair->size() != 2) {
                Report(&grade, LineOf(value), field, "must be a pair [min, max]");
                continue;
            }
            Bounds& b = grade.chem[*index];
            if (Number(*pair->get(0), &grade, field, b.min) &&
                Number(*pair->get(1), &grade, field, b.max)) {
                b.given = true;
            }
        }
    }

    void Row(const toml::node& node, Grade& grade, std::size_t number) {
        const std::string row = "cond[" + std::to_string(number) + "]";
        const auto* table = node.as_table();
        if (table == nullptr) {
            Report(&grade, LineOf(node), row, "must be a table");
            return;
        }
        ConditionRow c;
        c.line = LineOf(node);
        grade.lines[row] = c.line;
        for (auto&& [key, value] : *table) {
            const std::string name(key.str());
            const std::string field = row + "." + name;
            grade.lines[field] = LineOf(value);
            if (name == "etat") {
                Text(value, &grade, field, c.etat);
                continue;
            }
            if (name == "heat") {
                Text(value, &grade, field, c.heat);
                continue;
            }
            if (name == "rm") {
                const auto* pair = value.as_array();
                if (pair == nullptr || pair->size() != 2) {
                    Report(&grade, LineOf(value), field, "must be a pair [min, max]");
                } else {
                    Whole(*pair->get(0), &grade, field, c.rmMin);
                    Whole(*pair->get(1), &grade, field, c.rmMax);
                }
            } else if (name == "rp") {
                Whole(value, &grade, field, c.rp);
            } else if (name == "a") {
                Whole(value, &grade, field, c.a);
            } else if (name == "hardness") {
                Whole(value, &grade, field, c.hardness);
            } else {
                Report(&grade, LineOf(value), field,
                       "unknown key (a row has etat, heat, rm, rp, a, hardness)");
                continue;
            }
            c.propertyKeys.push_back(name);
        }
        grade.cond.push_back(std::move(c));
    }

    Grade ReadGrade(const toml::table& table, int family, const std::vector<std::string>& sources) {
        Grade g;
        g.file = file_;
        g.line = LineOf(table);
        g.family = family;
        g.sources = sources;
        // The name used in messages needs the designations first.
        for (std::size_t column = 1; column <= NatureColumn; ++column) {
            if (const toml::node* node = table.get(ColumnKey(column))) {
                g.lines[ColumnName(column)] = LineOf(*node);
                std::string text;
                if (Text(*node, &g, ColumnName(column), text)) {
                    g.columns[column - 1] = text;
                }
            }
        }
        if (const toml::node* node = table.get("des")) {
            std::vector<std::string> des;
            g.lines["des"] = LineOf(*node);
            Texts(*node, &g, "des", des);
            if (des.size() > MaxExtraDesignations) {
                Report(&g, LineOf(*node), "des",
                       "at most five further designations, not " + std::to_string(des.size()));
            }
            for (std::size_t i = 0; i < des.size() && i < MaxExtraDesignations; ++i) {
                g.columns[NatureColumn + i] = des[i];
                g.lines[ColumnName(NatureColumn + 1 + i)] = LineOf(*node);
            }
        }
        for (auto&& [key, value] : table) {
            const std::string name(key.str());
            if (IsDesignationKey(name)) {
                continue; // read above
            }
            g.lines[name] = LineOf(value);
            if (name == "comment") {
                Text(value, &g, name, g.comment);
            } else if (name == "density") {
                Text(value, &g, name, g.density);
            } else if (name == "sources") {
                Texts(value, &g, name, g.sources);
            } else if (name == "chem") {
                Chem(value, g);
            } else if (name == "cond") {
                const auto* rows = value.as_array();
                if (rows == nullptr) {
                    Report(&g, LineOf(value), name, "must be written as [[grade.cond]] rows");
                    continue;
                }
                for (const toml::node& row : *rows) {
                    Row(row, g, g.cond.size() + 1);
                }
            } else {
                Report(&g, LineOf(value), name,
                       "unknown key (a grade has afnor, werkstoff, din, bs, aisi, uns, nature, "
                       "des, comment, density, sources, chem, cond)");
            }
        }
        return g;
    }

private:
    const std::string& file_;
    std::vector<Diagnostic>& out_;
};

} // namespace

ParseResult ParseSource(std::string_view text, const std::string& file) {
    ParseResult result;
    toml::table root;
    try {
        root = toml::parse(text, file);
    } catch (const toml::parse_error& error) {
        result.diagnostics.push_back({file, static_cast<int>(error.source().begin.line), {}, {},
                                      "TOML syntax: " + std::string(error.description())});
        return result;
    }
    GradeReader reader(file, result.diagnostics);

    int family = UnknownFamily;
    std::vector<std::string> sources;
    const toml::array* grades = nullptr;
    bool familySeen = false;
    for (auto&& [key, value] : root) {
        const std::string name(key.str());
        if (name == "family") {
            familySeen = true;
            std::int64_t code = 0;
            if (reader.Whole(value, nullptr, name, code)) {
                family = code >= -999999 && code <= 999999 ? static_cast<int>(code) : 999999;
            }
        } else if (name == "sources") {
            reader.Texts(value, nullptr, name, sources);
        } else if (name == "grade") {
            grades = value.as_array();
            if (grades == nullptr) {
                reader.Report(nullptr, LineOf(value), name, "must be written as [[grade]] tables");
            }
        } else {
            reader.Report(nullptr, LineOf(value), name,
                          "unknown key (a file has family, sources and [[grade]] tables)");
        }
    }
    if (!familySeen) {
        reader.Report(nullptr, 1, "family", "missing: every file names the family of its grades");
    }
    if (grades == nullptr) {
        return result;
    }
    for (const toml::node& node : *grades) {
        if (const auto* table = node.as_table()) {
            result.grades.push_back(reader.ReadGrade(*table, family, sources));
        } else {
            reader.Report(nullptr, LineOf(node), "grade", "must be a table");
        }
    }
    return result;
}

} // namespace talixc
