#pragma once

#include <array>

#include "core/lehrerliste.h"
#include "core/optionen.h"
#include "core/plantyp.h"
#include "core/zellort.h"

namespace orbela {

// Whether a dragged lesson could be dropped on a cell without a conflict.
enum class Ablage { frei, konflikt };

// The drop targets of one shown day for a lesson dragged from `herkunft`.
struct Ablageziele {
    int tag = 0;
    Zellort herkunft;
    // [stunde 1..9][klasse 1..20]; index 0 unused.
    std::array<std::array<Ablage, anzahl_klassen + 1>, anzahl_stunden + 1> ziel{};

    // For the targets of the origin's own column that clash: the number of
    // other lessons the shortest swap chain moves to make room (1..3), 0
    // where there is none (or none was looked for).
    std::array<int, anzahl_stunden + 1> kette{};

    Ablage bei(int stunde, int klasse) const
    {
        return ziel[static_cast<std::size_t>(stunde)][static_cast<std::size_t>(klasse)];
    }
    int kettenlaenge(int stunde, int klasse) const
    {
        return klasse == herkunft.klasse && bei(stunde, klasse) == Ablage::konflikt
                   ? kette[static_cast<std::size_t>(stunde)]
                   : 0;
    }
};

// For the cell at `herkunft` (both occupancies) and every cell of day `tag`:
// a conflict where, dropped there, a teacher of the lesson would stand twice
// in that lesson (counting the lesson's own two occupancies), where a card
// blocks one of its teachers, or where one of its rooms is taken twice. The
// target cell itself does not count, as its lesson is replaced or swapped
// away, except in the origin's own lesson, where a swapped lesson stays;
// nor does the origin when the lesson is moved rather than copied. The
// options of the "Optionen" menu apply as in the grid: without "doppelten
// Lehrereinsatz anzeigen" teachers are not checked, without "doppelte
// Raumnutzung anzeigen" rooms are not.
Ablageziele ablageziele(const plantyp& plan, const Lehrerliste& liste, const Optionen& optionen,
                        Zellort herkunft, int tag, bool verschieben);

} // namespace orbela
