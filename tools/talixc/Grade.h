#pragma once
// A grade as the catalogue sources write it: every text still in UTF-8, as written, every
// number as a number. The parser fills it, the validator checks it, the converter turns it
// into the alloy record of the base file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace talixc {

// The twelve designation columns, in the order of the record and of the index's column
// numbers (1 afnor ... 12 des5). Column 7 is the nature.
inline constexpr std::size_t ColumnCount = 12;
inline constexpr std::size_t NatureColumn = 7;
inline constexpr std::size_t MaxExtraDesignations = 5;
inline constexpr std::size_t MaxConditionRows = 3;

// The source key of columns 1 to 7 ("afnor" ... "nature"); columns 8 to 12 are "des".
const char* ColumnKey(std::size_t column);
// How a field of column 1 to 12 is named in messages: "afnor", ..., "nature", "des[1]".
std::string ColumnName(std::size_t column);

// The family of grades whose file has no readable family code (the parser said so).
inline constexpr int UnknownFamily = -2147483647 - 1;

// The family codes a grade may carry.
inline constexpr std::array<int, 7> FamilyCodes = {100, 200, 400, 500, 600, 700, 800};

// The 21 elements, in the order of the record's composition (Al, N, C, ...).
inline constexpr std::size_t ElementCount = 21;
inline constexpr std::array<const char*, ElementCount> ElementSymbols = {
    "Al", "N", "C", "Co", "Cr", "Cu", "Fe", "Mg", "Mn", "Mo", "Nb",
    "Ni", "Pb", "P", "Si", "Sn", "S", "Ti", "V", "W", "Zn"};
// The index of a symbol in ElementSymbols (case-sensitive), or nothing.
std::optional<std::size_t> ElementIndex(const std::string& symbol);

// One [min, max] pair of per cent values; 0 means "not given".
struct Bounds {
    double min = 0;
    double max = 0;
    bool given = false; // the element appears in `chem`
    bool operator==(const Bounds&) const = default;
};

// One `cond` row. Absent numbers are 0, as in the sources.
struct ConditionRow {
    std::string etat;
    std::string heat;
    std::int64_t rmMin = 0;
    std::int64_t rmMax = 0;
    std::int64_t rp = 0;
    std::int64_t a = 0;
    std::int64_t hardness = 0;
    // Keys other than etat and heat that the row carries (a third row may carry none).
    std::vector<std::string> propertyKeys;
    int line = 0;
    bool operator==(const ConditionRow&) const = default;
};

struct Grade {
    std::string file;   // the source path as given to the parser
    int line = 0;       // line of its [[grade]] header
    int family = 0;     // the file's family code; UnknownFamily when it could not be read
    std::array<std::string, ColumnCount> columns{}; // empty: not given
    std::string comment;
    std::string density;
    std::vector<std::string> sources; // the file's, then the grade's own
    std::array<Bounds, ElementCount> chem{};
    std::vector<ConditionRow> cond;
    // Where each field was written ("afnor", "des[2]", "chem.C", "cond[1].rm"), for messages.
    std::map<std::string, int> lines;
    bool operator==(const Grade&) const = default;

    // The line of `field`, else of its row ("cond[1]"), else of the grade.
    int LineOf(const std::string& field) const;

    // The grade as messages name it: its first designation that is not the nature, or
    // "#<line>" when it has none.
    std::string Name() const;
};

// One problem found in the sources: where, which grade, which field, what.
struct Diagnostic {
    std::string file;
    int line = 0;
    std::string grade; // empty for problems of the file itself
    std::string field;
    std::string message;

    // "file:line: grade NAME: field: message" (parts that are empty are left out).
    std::string Text() const;
};

} // namespace talixc
