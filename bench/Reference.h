#pragma once
// What the engine's figures are measured against: the bare cost of the bytes an operation
// crosses, and the tool a user would reach for instead.

#include <cstddef>
#include <string>

namespace talix::bench {

// Reads `chemin` from byte `octet` (its start by default) and splits its first `lignes`
// lines from there with memchr (all of them when `lignes` is 0), parsing nothing. Returns
// the number of lines split.
std::size_t DecoupageNu(const std::string& chemin, std::size_t lignes = 0, long octet = 0);

// The byte at which the 1-based line `ligne` of `chemin` begins (the file's size when it
// has fewer lines).
long OctetDeLigne(const std::string& chemin, std::size_t ligne);

// How many lines `chemin` holds.
std::size_t NombreDeLignes(const std::string& chemin);

// A "grep -F -x" of the file: reads it whole and compares every line (without its CR LF)
// with `motif`. Returns how many lines are equal.
std::size_t GrepFx(const std::string& chemin, const std::string& motif);

// The 1-based number of the first line of `chemin` that begins with `prefixe`; 0 if none.
std::size_t PremiereLigne(const std::string& chemin, const std::string& prefixe);

} // namespace talix::bench
