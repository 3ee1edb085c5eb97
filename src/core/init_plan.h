#pragma once

#include "core/lehrerliste.h"
#include "core/plantyp.h"

namespace orbela {

// Resets the timetable for a new plan (every flag of length 1 with ' ', all
// other bytes empty) and empties the teacher list. Reloading the list from
// the card index follows in the caller
// (`lehrerliste_fuer_neuen_plan_laden`, kartei_laden.h).
void init_plan(plantyp& plan, Lehrerliste& liste);

} // namespace orbela
