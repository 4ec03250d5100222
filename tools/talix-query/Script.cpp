#include "Script.h"

#include "Json.h"
#include "texte/Cp1252.h"
#include "texte/Nombres.h"

namespace talixquery {

namespace {

// Splits "word rest": the word up to the first space, the rest after that one space.
std::pair<std::string, std::string> Split(const std::string& text) {
    const auto space = text.find(' ');
    if (space == std::string::npos) {
        return {text, std::string()};
    }
    return {text.substr(0, space), text.substr(space + 1)};
}

} // namespace

std::optional<std::int32_t> KindFromName(std::string_view name) {
    if (name == "designation")
        return 0;
    if (name == "hardness")
        return 1;
    if (name == "tensile")
        return 2;
    if (name == "yield")
        return 3;
    return std::nullopt;
}

std::optional<std::int32_t> FamilyCode(std::string_view text) {
    const auto code = talix::EntierStrict(text);
    if (!code) {
        return std::nullopt;
    }
    switch (*code) {
    case -1:
    case 100:
    case 200:
    case 400:
    case 500:
    case 600:
    case 700:
    case 800:
        return code;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> ScriptRunner::Run(const std::string& line) {
    if (line.empty() || line[0] == '#') {
        return std::nullopt;
    }
    const std::size_t first = journal_.Events().size();
    if (const auto error = Execute(line)) {
        return ErrorObject(line, *error);
    }
    return StateObject(line, journal_.Since(first), session_);
}

std::optional<std::string> ScriptRunner::Execute(const std::string& line) {
    const auto [command, rest] = Split(line);
    const bool hasArgument = line.size() > command.size();
    if (command == "family") {
        const auto code = FamilyCode(rest);
        if (!code) {
            return "family code must be one of -1, 100, 200, 400, 500, 600, 700, 800";
        }
        session_.ChoisirFamille(*code);
    } else if (command == "search") {
        const auto [kindName, text] = Split(rest);
        const auto kind = KindFromName(kindName);
        if (!kind) {
            return "search kind must be designation, hardness, tensile or yield";
        }
        const auto typed = talix::Utf8VersCp1252(text);
        if (!typed) {
            return "text is not representable in Windows-1252";
        }
        session_.Choisir(*kind);
        session_.LancerRecherche(*kind, *typed, tolerance_);
    } else if (command == "tolerance") {
        const auto typed = talix::Utf8VersCp1252(rest);
        if (!typed) {
            return "text is not representable in Windows-1252";
        }
        tolerance_ = *typed;
    } else if (command == "next" || command == "prev" || command == "new") {
        if (hasArgument) {
            return command + " takes no argument";
        }
        if (command == "next") {
            session_.EtapeSuivante();
        } else if (command == "prev") {
            session_.EtapePrecedente();
        } else {
            session_.RetourMenu();
            session_.MontrerMenu();
        }
    } else if (command == "report") {
        if (rest.empty()) {
            return "report needs a path";
        }
        // An existing file is the user's: it is left as it is.
        if (!session_.base.Systeme().Existe(rest)) {
            session_.rapport.EcrireFiche(session_.base.FicheCourante, rest);
        }
    } else {
        return "unknown command";
    }
    return std::nullopt;
}

} // namespace talixquery
