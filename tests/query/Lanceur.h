#pragma once
// Runs the built talix-query with arguments and a standard input, and collects what it
// printed and its exit status.

#include <string>
#include <vector>

namespace talix::test {

struct Sortie {
    int statut = -1;
    std::string out;
    std::string err;
    std::vector<std::string> lignes; // `out` cut at LF
};

Sortie LancerQuery(const std::vector<std::string>& arguments, const std::string& entree = {});

} // namespace talix::test
