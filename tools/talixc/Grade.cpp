#include "Grade.h"

namespace talixc {

const char* ColumnKey(std::size_t column) {
    static constexpr std::array<const char*, NatureColumn> keys = {
        "afnor", "werkstoff", "din", "bs", "aisi", "uns", "nature"};
    return column >= 1 && column <= NatureColumn ? keys[column - 1] : "des";
}

std::string ColumnName(std::size_t column) {
    if (column > NatureColumn) {
        return "des[" + std::to_string(column - NatureColumn) + "]";
    }
    return ColumnKey(column);
}

std::optional<std::size_t> ElementIndex(const std::string& symbol) {
    for (std::size_t i = 0; i < ElementSymbols.size(); ++i) {
        if (symbol == ElementSymbols[i]) {
            return i;
        }
    }
    return std::nullopt;
}

std::string Grade::Name() const {
    for (std::size_t column = 1; column <= ColumnCount; ++column) {
        if (column != NatureColumn && !columns[column - 1].empty()) {
            return columns[column - 1];
        }
    }
    return "#" + std::to_string(line);
}

int Grade::LineOf(const std::string& field) const {
    if (auto it = lines.find(field); it != lines.end()) {
        return it->second;
    }
    if (const auto dot = field.find('.'); dot != std::string::npos) {
        if (auto it = lines.find(field.substr(0, dot)); it != lines.end()) {
            return it->second;
        }
    }
    return line;
}

std::string Diagnostic::Text() const {
    std::string text = file;
    if (line > 0) {
        text += ":" + std::to_string(line);
    }
    text += ": ";
    if (!grade.empty()) {
        text += "grade " + grade + ": ";
    }
    if (!field.empty()) {
        text += field + ": ";
    }
    return text + message;
}

} // namespace talixc
