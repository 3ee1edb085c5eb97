#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/pstring.h"

namespace orbela {

// A tally of codes in 20 entries, filled in order of first appearance. Once
// entries 1..19 hold other codes, entry 20 takes the next new code and from
// then on counts every code that is not in 1..19.
class Strichliste {
public:
    static constexpr int anzahl = 20;

    struct Eintrag {
        PString<4> code;
        std::uint16_t zahl;
    };

    Strichliste();

    // Adds one to the code's entry; the code is cut to 4 characters when stored.
    void zaehle(std::string_view code);
    // Entry i, one-based.
    const Eintrag& eintrag(int i) const { return eintraege_[static_cast<std::size_t>(i - 1)]; }

private:
    std::array<Eintrag, anzahl> eintraege_;
};

} // namespace orbela
