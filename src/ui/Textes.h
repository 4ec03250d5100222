#pragma once
// The texts that the help memos and the producers list show, built from the text files
// shipped with the program. Plain C++ (UTF-8 in, UTF-8 out): no Qt here.

#include <string>
#include <vector>

namespace talix {

// `texte` cut into lines on "\n"; a final "\r" of a line is dropped. A text of N lines
// holds N-1 "\n": the empty text is one empty line, a final "\n" ends with an empty line.
std::vector<std::string> DecouperLignes(const std::string& texte);

// The designation help: the lines of `tete`, then one line per kind of material of
// `especes` (one entry a line; empty lines ignored), each preceded by two tab
// characters, then one blank line. Lines are joined with "\n".
std::string TexteAideDesignation(const std::string& tete, const std::string& especes);

// Width of the producers list's lines.
inline constexpr std::size_t LargeurFournisseurs = 81;

// The header of the producers list.
std::string EnteteFournisseurs();

// One producers row: the first seven fields (name, country, zip, town, phone, fax, web
// site) placed at the header's columns (characters 3, 18, 28, 37, 49, 61 and 74), each cut
// so that one blank at least stands before the next column; trailing blanks dropped; never
// longer than 81 characters. Lengths count characters, not UTF-8 bytes. Missing fields
// are empty.
std::string LigneFournisseur(const std::vector<std::string>& champs);

// The producers list: the header, a line of two spaces, a rule of 81 "-", then one row
// per line of `tsv` (tab-separated; a first line that starts with "name" is the column
// titles and is skipped, as are empty lines and lines starting with "#").
std::string TexteFournisseurs(const std::string& tsv);

} // namespace talix
