#pragma once

#include "core/kartei.h"
#include "core/plantyp.h"

namespace orbela {

// Fills the card index with the people of the demo school: every teacher of
// the demo plan (plan code, statistics code, lesson count as planned, blocked
// lessons) and a few other contacts of the school. Names, addresses and phone
// numbers are made up; the phone numbers lie in a range kept free for fiction.
void fuelle_demo_kartei(Kartei& kartei, const plantyp& plan);

} // namespace orbela
