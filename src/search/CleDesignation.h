#pragma once
// The designation key: what a typed designation becomes before the index is searched.

#include <cstddef>
#include <string>
#include <string_view>

namespace talix {

// Keeps the letters, digits and "~" of `texte` in order (at most 254 of them), then
// copies them upper-cased into `cle`, cut to `capacite`.
void CleDesignation(std::string_view texte, std::string& cle, std::size_t capacite);

// Copies `source` cut to `capacite` into `destination`, lower-case ASCII letters
// upper-cased; no other character changes.
void CopierMajuscules(std::string_view source, std::string& destination, std::size_t capacite);

} // namespace talix
