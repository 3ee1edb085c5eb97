#pragma once

#include <string_view>

#include "core/lehrerliste.h"
#include "core/vertretung/vertretungsplan.h"
#include "print/druckauftrag.h"
#include "print/plan_ausdrucke.h"

namespace orbela {

// The two substitution sheets: an absent teacher's week on one portrait
// page, day d in the column x = 100d..100d+100, lesson l in the row
// y = 100l..100l+100. Each is one job of one page.

// The substitution window's sheet: each lesson with its substitute in large
// type ("aufgeteilt", "entfällt" at the left) and a note on what the
// substitute gives up ("statt 2b ", "2b fällt aus").
void drucke_vertretungen(Druckauftrag& auftrag, const Druckdaten& daten, const Lehrerliste& liste,
                         const Vertretungsplan& vp);

// The main menu's sheet of one teacher's lessons, straight from the
// timetable; with proposals, each lesson also lists the available teachers
// in three lines (teaching the class and a lesson next to it, a lesson next
// to it, free).
void drucke_vertretungsplan(Druckauftrag& auftrag, const Druckdaten& daten, const Lehrerliste& liste,
                            std::string_view lehrer, bool mit_vorschlaegen);

} // namespace orbela
