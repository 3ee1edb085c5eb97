#pragma once

#include "core/plantyp.h"

namespace orbela {

// The timetable of the demo primary school: eight classes (1a to 4b), Monday
// to Friday, lessons 1 to 6 and a few 7th, with lesson times for lessons 1
// to 9. Three conflicts are planted on purpose, so that the conflict marking
// has something to show (listed in demo_plan.cpp).
plantyp demo_plan();

} // namespace orbela
