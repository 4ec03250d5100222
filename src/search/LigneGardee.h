#pragma once
// A line of the index kept past the reads that follow it (the selected line, the candidate
// of a backward step). Its text keeps its capacity from copy to copy, so that a scan that
// keeps every line allocates once at most.
//
// (A fixed array filled by memcpy costs fewer instructions, but the compiler expands that
// copy of a bounded size into "rep movsq", whose start-up makes it about twice as slow as
// the call to memcpy that std::string makes.)

#include <string>
#include <string_view>

namespace talix {

class LigneGardee {
public:
    void Garder(std::string_view ligne) { texte_.assign(ligne); }
    std::string_view Vue() const { return texte_; }
    bool empty() const { return texte_.empty(); }

private:
    std::string texte_;
};

} // namespace talix
