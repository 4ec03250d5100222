#pragma once
// The script mode of talix-query: one command per line, one JSON object per command.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Journal.h"
#include "session/Session.h"

namespace talixquery {

// designation 0, hardness 1, tensile 2, yield 3.
std::optional<std::int32_t> KindFromName(std::string_view name);
// One of -1, 100, 200, 400, 500, 600, 700, 800.
std::optional<std::int32_t> FamilyCode(std::string_view text);

class ScriptRunner {
public:
    ScriptRunner(talix::Session& session, Journal& journal)
        : session_(session), journal_(journal) {}

    // Runs one line (UTF-8, without its end) and returns the JSON object to print, or
    // nothing for a blank or comment line.
    std::optional<std::string> Run(const std::string& line);

private:
    // Runs the command; returns an error text for a command it could not run.
    std::optional<std::string> Execute(const std::string& line);

    talix::Session& session_;
    Journal& journal_;
    std::string tolerance_ = "50"; // the tolerance box, Windows-1252
};

} // namespace talixquery
