#pragma once
// The windows of a headless session: the recording fake, plus the order in which the
// modal windows and the plain messages came, which the fake keeps apart.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "session/Enregistreurs.h"

namespace talixquery {

struct Event {
    std::optional<talix::Fenetre> window; // empty: a plain message
    std::string text;                     // the message, or TErreurBase1's detail line
};

class Journal final : public talix::Fenetres {
public:
    void MontrerModale(talix::Fenetre fenetre, const std::string& detail) override {
        recorder_.MontrerModale(fenetre, detail);
        events_.push_back({fenetre, recorder_.montrees.back().detail});
    }
    void Message(const std::string& texte) override {
        recorder_.Message(texte);
        events_.push_back({std::nullopt, texte});
    }
    void DemanderFin() override { recorder_.DemanderFin(); }

    const std::vector<Event>& Events() const { return events_; }
    // The events from `first` on: those of the command that began there.
    std::vector<Event> Since(std::size_t first) const {
        return {events_.begin() + static_cast<std::ptrdiff_t>(std::min(first, events_.size())),
                events_.end()};
    }

private:
    talix::FenetresEnregistreuses recorder_;
    std::vector<Event> events_;
};

} // namespace talixquery
