#include "IndexWriter.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "search/CleDesignation.h"
#include "texte/Caracteres.h"

namespace talixc {

namespace {

struct DesignationEntry {
    std::string key;
    std::int32_t family;
    std::int32_t record;
    std::int32_t column;
};

struct ValueEntry {
    std::int32_t value;
    std::int32_t family;
    std::int32_t record;
    bool operator==(const ValueEntry&) const = default;
};

struct TensileEntry {
    std::int32_t min;
    std::int32_t max;
    std::int32_t family;
    std::int32_t record;
};

// The tail of a line: the record number followed by the column in two digits.
std::string Tail(std::int32_t record, std::int32_t column) {
    return std::to_string(record) + static_cast<char>('0' + column / 10) +
           static_cast<char>('0' + column % 10);
}

std::vector<std::string> ValueLines(std::vector<ValueEntry>& entries, const char* tag) {
    std::sort(entries.begin(), entries.end(), [](const ValueEntry& a, const ValueEntry& b) {
        return std::tie(a.value, a.family, a.record) < std::tie(b.value, b.family, b.record);
    });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const ValueEntry& e : entries) {
        lines.push_back(std::string(tag) + " " + std::to_string(e.value) + " " +
                        std::to_string(e.family) + " " + Tail(e.record, 0));
    }
    return lines;
}

} // namespace

IndexLines BuildIndex(const std::vector<talix::Fiche>& fiches) {
    std::vector<DesignationEntry> designations;
    std::vector<ValueEntry> hardness;
    std::vector<ValueEntry> yield;
    std::vector<TensileEntry> tensile;
    designations.reserve(fiches.size() * 8);

    for (std::size_t i = 0; i < fiches.size(); ++i) {
        const talix::Fiche& f = fiches[i];
        const auto record = static_cast<std::int32_t>(i + 1);
        const std::int32_t family = talix::EntierOuZero(f.Famille);
        for (int column = 1; column <= 12; ++column) {
            DesignationEntry entry{{}, family, record, column};
            talix::CleDesignation(*talix::DesignationNumero(f, column), entry.key, 255);
            if (!entry.key.empty()) {
                designations.push_back(std::move(entry));
            }
        }
        std::int32_t rmLow = 0;
        std::int32_t rmHigh = 0;
        for (const talix::EtatMeca& row : f.Meca) {
            if (const std::int32_t h = talix::EntierOuZero(row.DureteMax); h > 0) {
                hardness.push_back({h, family, record});
            }
            if (const std::int32_t rp = talix::EntierOuZero(row.Rp02Min); rp > 0) {
                yield.push_back({rp, family, record});
            }
            for (const std::string* text : {&row.RmMin, &row.RmMax}) {
                if (const std::int32_t rm = talix::EntierOuZero(*text); rm > 0) {
                    rmLow = rmLow == 0 ? rm : std::min(rmLow, rm);
                    rmHigh = std::max(rmHigh, rm);
                }
            }
        }
        if (rmHigh > 0) {
            tensile.push_back({rmLow, rmHigh, family, record});
        }
    }

    std::sort(designations.begin(), designations.end(),
              [](const DesignationEntry& a, const DesignationEntry& b) {
                  return std::tie(a.key, a.record, a.column) < std::tie(b.key, b.record, b.column);
              });
    std::sort(tensile.begin(), tensile.end(), [](const TensileEntry& a, const TensileEntry& b) {
        return std::tie(a.min, a.max, a.record) < std::tie(b.min, b.max, b.record);
    });

    IndexLines lines;
    lines.designations.reserve(designations.size());
    for (const DesignationEntry& e : designations) {
        lines.designations.push_back(e.key + " " + std::to_string(e.family) + " " +
                                     Tail(e.record, e.column));
    }
    lines.hardness = ValueLines(hardness, "dur");
    lines.yield = ValueLines(yield, "ela");
    for (const TensileEntry& e : tensile) {
        lines.tensile.push_back("res " + std::to_string(e.min) + " " + std::to_string(e.max) +
                                " " + std::to_string(e.family) + " " + Tail(e.record, 0));
    }
    return lines;
}

std::string IndexText(const IndexLines& lines) {
    std::string text;
    std::size_t size = 0;
    for (const auto* section : {&lines.designations, &lines.hardness, &lines.yield, &lines.tensile}) {
        for (const std::string& line : *section) {
            size += line.size() + 2;
        }
    }
    text.reserve(size);
    for (const auto* section : {&lines.designations, &lines.hardness, &lines.yield, &lines.tensile}) {
        for (const std::string& line : *section) {
            text += line;
            text += "\r\n";
        }
    }
    return text;
}

} // namespace talixc
