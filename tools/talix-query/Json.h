#pragma once
// JSON output of talix-query. Engine texts are Windows-1252 and go through the one
// conversion table; everything else given here must be UTF-8 already.

#include <string>
#include <string_view>
#include <vector>

#include "Journal.h"
#include "session/Session.h"

namespace talixquery {

// A JSON string literal of a UTF-8 text; invalid sequences become U+FFFD.
std::string JsonString(std::string_view utf8);
// A JSON string literal of a Windows-1252 text, converted exactly.
std::string JsonCp1252(std::string_view cp1252);

// The state object printed after a command: the windows it showed, the end, the search
// state and the three sheets.
std::string StateObject(const std::string& command, const std::vector<Event>& events,
                        talix::Session& session);
// {"command": ..., "error": ...}
std::string ErrorObject(const std::string& command, const std::string& error);

// The line printed for a window or message in the single-query mode (UTF-8, no end).
std::string EventLine(const Event& event);

} // namespace talixquery
