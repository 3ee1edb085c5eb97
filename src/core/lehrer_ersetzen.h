#pragma once

#include <string_view>

#include "core/plantyp.h"

namespace orbela {

// Replaces the teacher code `alt` by `neu` (cut to 4 characters) in both
// occupancies of every cell of the week. Only teacher entries equal to the
// whole of `alt`, byte for byte, change: an `alt` longer than 4 characters
// never matches, an empty `alt` matches every occupancy without a teacher.
// Subjects, rooms, flags and class records stay. Both texts are
// Windows-1252. Returns the number of entries replaced.
int lehrer_ersetzen(plantyp& plan, std::string_view alt, std::string_view neu);

} // namespace orbela
