#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/pstring.h"

namespace orbela {

// One entry of the plan's teacher list, taken from one card.
struct lehrereintrag {
    PString<4> kuerzel;                // plan code; empty = free entry
    PString<4> stunden;                // lessons a week, as text
    std::uint8_t gesperrt[6][9];       // 1 = blocked in day/lesson

    bool ist_gesperrt(int tag, int stunde) const { return gesperrt[tag - 1][stunde - 1] == 1; }
};

static_assert(sizeof(lehrereintrag) == 64);

// The teacher list that the plan, the views and the checks read instead of
// the cards. It holds one entry per card (in card order), however many there
// are; an empty list is a valid state.
struct Lehrerliste {
    std::vector<lehrereintrag> eintraege;

    int anzahl() const { return static_cast<int>(eintraege.size()); }
    // Entry i, one-based.
    const lehrereintrag& eintrag(int i) const { return eintraege[static_cast<std::size_t>(i - 1)]; }
    lehrereintrag& eintrag(int i) { return eintraege[static_cast<std::size_t>(i - 1)]; }

    // The first entry carrying the code, or nullptr.
    const lehrereintrag* erster_mit(std::string_view kuerzel) const
    {
        for (const auto& e : eintraege) {
            if (e.kuerzel == kuerzel)
                return &e;
        }
        return nullptr;
    }

    void leeren() { eintraege.clear(); }
};

} // namespace orbela
