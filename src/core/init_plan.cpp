#include "core/init_plan.h"

#include <cstring>

namespace orbela {

void init_plan(plantyp& plan, Lehrerliste& liste)
{
    // Zero the whole record first, so that no bytes of an earlier plan stay
    // behind the emptied strings of the new one.
    std::memset(static_cast<void*>(&plan), 0, sizeof plan);
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int k = 1; k <= belegungen_je_stunde; ++k)
                plan.belegung(t, l, k).verzichtbar.assign(" ");
        }
    }
    liste.leeren();
}

} // namespace orbela
