#include "Json.h"

#include <cstdio>

#include "texte/Cp1252.h"

namespace talixquery {

namespace {

// Length of the valid UTF-8 sequence at `i`, or 0 when it is not one.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n = 0;
    char32_t point = 0;
    if (c < 0x80) {
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        point = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        point = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        point = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        point = (point << 6) | (b(i + k) & 0x3F);
    }
    const bool overlong = (n == 3 && point < 0x800) || (n == 4 && point < 0x10000);
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    if (overlong || surrogate || point > 0x10FFFF) {
        return 0;
    }
    return n;
}

const char* Bool(bool b) {
    return b ? "true" : "false";
}

} // namespace

std::string JsonString(std::string_view s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = SequenceLength(s, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        if (n > 1) {
            out.append(s.substr(i, n));
            i += n;
            continue;
        }
        const char c = s[i++];
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
                out += code;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string JsonCp1252(std::string_view cp1252) {
    return JsonString(talix::Cp1252VersUtf8(cp1252));
}

std::string StateObject(const std::string& command, const std::vector<Event>& events,
                        talix::Session& session) {
    std::string windows;
    std::string errorDetail = "null";
    std::string message = "null";
    for (const Event& e : events) {
        if (e.window) {
            windows += (windows.empty() ? "" : ", ") + JsonString(talix::NomFenetre(*e.window));
            if (*e.window == talix::Fenetre::TErreurBase1 && errorDetail == "null") {
                errorDetail = JsonCp1252(e.text);
            }
        } else if (message == "null") {
            message = JsonCp1252(e.text);
        }
    }
    std::string o = "{\"command\": " + JsonString(command) + ", \"windows\": [" + windows +
                    "], \"errorDetail\": " + errorDetail + ", \"message\": " + message +
                    ", \"ended\": " + Bool(session.Terminee()) +
                    ", \"family\": " + std::to_string(session.recherche.FamilleChoisie) +
                    ", \"kind\": " + std::to_string(session.recherche.TypeRecherche) +
                    ", \"record\": " + std::to_string(session.base.NumFicheCourante) +
                    ", \"line\": " + std::to_string(session.recherche.LigneCourante) +
                    ", \"rows\": [";
    const auto& lignes = session.feuilles.Designations.lignes;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        o += (i ? ", " : "");
        o += "{\"caption\": " + JsonCp1252(lignes[i].caption) +
             ", \"value\": " + JsonCp1252(lignes[i].value) +
             ", \"yellow\": " + Bool(lignes[i].jaune()) +
             ", \"visible\": " + Bool(lignes[i].visible) + "}";
    }
    const auto cells = [](const auto& row) {
        std::string r = "[";
        for (std::size_t c = 0; c < row.size(); ++c) {
            r += (c ? ", " : "") + JsonCp1252(row[c]);
        }
        return r + "]";
    };
    const auto& chimie = session.feuilles.Chimie;
    o += "], \"chemistry\": {\"cells\": [";
    for (std::size_t r = 1; r < chimie.cellules.size(); ++r) {
        o += (r > 1 ? ", " : "") + cells(chimie.cellules[r]);
    }
    o += "], \"density\": " + JsonCp1252(chimie.densite) +
         ", \"comment\": " + JsonCp1252(chimie.commentaire) + "}, \"mechanics\": {\"cells\": [";
    const auto& meca = session.feuilles.Meca.cellules;
    for (std::size_t r = 0; r < meca.size(); ++r) {
        o += (r ? ", " : "") + cells(meca[r]);
    }
    o += "]}}";
    return o;
}

std::string ErrorObject(const std::string& command, const std::string& error) {
    return "{\"command\": " + JsonString(command) + ", \"error\": " + JsonString(error) + "}";
}

std::string EventLine(const Event& event) {
    if (!event.window) {
        return "message: " + talix::Cp1252VersUtf8(event.text);
    }
    switch (*event.window) {
    case talix::Fenetre::TErreurNonTrouve:
        return "notice: Value not found.";
    case talix::Fenetre::TFicheSousRecherche:
        return "notice: Kind of alloy not found.";
    case talix::Fenetre::TFicheFinDesDonnees:
        return "notice: End of data";
    case talix::Fenetre::TFicheDebutDonnees:
        return "notice: Beginning of data";
    case talix::Fenetre::TFicheErreur:
        return "error: Error of execution.";
    case talix::Fenetre::TErreurBase1:
        return "error: Reading error of data" +
               (event.text.empty() ? std::string() : " - " + talix::Cp1252VersUtf8(event.text));
    }
    return std::string();
}

} // namespace talixquery
