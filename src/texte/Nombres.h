#pragma once
// Number conversions of the platform layer, on Windows-1252 texts.

#include <cstdint>
#include <optional>
#include <string_view>

namespace talix {

// Strict integer: leading spaces, an optional sign, then one or more digits up to the end
// of the text. Anything else (a trailing blank, an empty text, a value outside the signed
// 32-bit range) is a failure: std::nullopt.
std::optional<std::int32_t> EntierStrict(std::string_view texte);

// Integer with a default: EntierStrict, or `defaut` where it fails.
std::int32_t EntierDefaut(std::string_view texte, std::int32_t defaut);

// Floating point with "." as the decimal separator: leading and trailing blanks allowed,
// an optional sign, digits with at most one point, an optional exponent. Anything else
// (the empty text, a blank text, "1,5", "~500", "850/900") is a failure: std::nullopt.
std::optional<double> ReelStrict(std::string_view texte);

} // namespace talix
