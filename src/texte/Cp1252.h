#pragma once
// The one place where Windows-1252 meets Unicode: the windows and the JSON of the
// headless driver convert at their edge through these functions, with one 256-entry table.

#include <optional>
#include <string>
#include <string_view>

namespace talix {

// Unicode code point of one Windows-1252 byte.
char32_t PointCp1252(unsigned char octet);

// Every byte converted; never fails.
std::string Cp1252VersUtf8(std::string_view texte);

// The Windows-1252 byte of a code point, or nothing when the set has none.
std::optional<unsigned char> OctetCp1252(char32_t point);

// UTF-8 to Windows-1252; nothing when the text is not valid UTF-8 or holds a character
// the set cannot hold.
std::optional<std::string> Utf8VersCp1252(std::string_view texte);

} // namespace talix
