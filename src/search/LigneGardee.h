#pragma once
// A line of the index kept past the reads that follow it (the selected line, the candidate
// of a backward step). Lines are at most LongueurMaxLigne characters, so the copy needs no
// allocation and costs one memcpy.

#include <array>
#include <cstring>
#include <string_view>

#include "texte/CoucheFichiers.h"

namespace talix {

class LigneGardee {
public:
    void Garder(std::string_view ligne) {
        taille_ = ligne.size() < texte_.size() ? ligne.size() : texte_.size();
        std::memcpy(texte_.data(), ligne.data(), taille_);
    }
    std::string_view Vue() const { return {texte_.data(), taille_}; }
    bool empty() const { return taille_ == 0; }

private:
    std::array<char, LecteurTexte::LongueurMaxLigne> texte_;
    std::size_t taille_ = 0;
};

} // namespace talix
