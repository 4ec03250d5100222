#pragma once
// Catalogue sources for the compiler's tests: a small valid grade that each test bends,
// and helpers that compile texts the way the tool does.

#include <map>
#include <string>
#include <vector>

#include "Compiler.h"

namespace talixc::test {

// The kinds of material the test sources use.
inline const char* const KindsText =
    "AUSTENITIC STAINLESS STEEL\nNON-ALLOY STEEL\nALUMINIUM ALLOY\nBRASS\n";

// A [[grade]] table: the default fields of a valid stainless grade, with `changes`
// applied (a key mapped to "" is removed, any other value replaces or adds the TOML
// value), then `tail` (extra lines such as [[grade.cond]] rows).
std::string GradeText(const std::map<std::string, std::string>& changes = {},
                      const std::string& tail = {});

// A file: `family = <family>`, the file's sources (none when empty), then the grades.
std::string FileText(const std::string& grades, const std::string& family = "200",
                     const std::string& sources = "[\"EN 10088-1:2014\"]");

// Parses and checks sources with the test kinds; the diagnostics come back in `problems`.
std::vector<Grade> Check(const std::vector<Source>& sources, std::vector<Diagnostic>& problems);

// Compiles sources that must be valid (the test fails otherwise) into a catalogue.
Catalogue CompileValid(const std::vector<Source>& sources);

// Writes each source below `root` as a file (folders made as needed).
void WriteSources(const std::string& root, const std::vector<Source>& sources);

} // namespace talixc::test
