#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/lehrerliste.h"
#include "core/plantyp.h"

namespace orbela {

// The conflict rules of one lesson row (one day and lesson, all 40
// occupancies): a teacher twice in the row, a teacher whose card blocks the
// lesson, a teacher code no card carries, a room twice in the row. Codes are
// equal when their bytes are; empty codes are never a conflict. The grid's
// colours, the week's conflict list and the drop targets all ask these.

// What is wrong with one occupancy's teacher; several may hold at once.
struct Lehrerbefund {
    bool doppelt = false;    // the code occurs at another place of the row
    bool gesperrt = false;   // a card with this code blocks the lesson
    bool ohne_karte = false; // no entry of the teacher list carries the code
};

// Index k = occupancy 1..40 of the row (odd: first of class (k+1)/2, even:
// second of class k/2); index 0 is unused.
using Lehrerbefunde = std::array<Lehrerbefund, belegungen_je_stunde + 1>;
using Raumbefunde = std::array<bool, belegungen_je_stunde + 1>; // true: room twice

// Whether any entry carrying the code blocks the lesson.
bool lehrer_gesperrt(const Lehrerliste& liste, std::string_view code, int tag, int stunde);

Lehrerbefunde pruefe_lehrer(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde);
Raumbefunde pruefe_raeume(const plantyp& plan, int tag, int stunde);

} // namespace orbela
