#pragma once
// The catalogue source parser: one TOML text in, its grades out, every text as written
// (UTF-8). It checks the shape of the source only: TOML syntax, known keys, value types,
// at most five `des` and whole numbers where a field is a number. What the values say is
// the validator's business.

#include <string>
#include <string_view>
#include <vector>

#include "Grade.h"

namespace talixc {

struct ParseResult {
    std::vector<Grade> grades;
    std::vector<Diagnostic> diagnostics; // empty when the shape is right
};

// Parses `text`, naming it `file` in grades and messages. Never throws: a syntax error
// becomes one diagnostic (and no grade).
ParseResult ParseSource(std::string_view text, const std::string& file);

} // namespace talixc
