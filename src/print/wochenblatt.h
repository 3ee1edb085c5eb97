#pragma once

#include <string_view>

#include "core/plantyp.h"
#include "print/druckseite.h"

namespace orbela {

// The portrait week sheet of the class, teacher and room plans: a main table
// (0, 0, 350, 750) with the days across (X = 50 * d) and the lessons down
// (Y = 75 * i), each lesson in three bands of 25, and two small tables at
// the right, (400, 0, 750, 250) and (400, 500, 750, 750), with rows of 25
// that repeat one field of each lesson.

// Frames, grid, lesson labels, day abbreviations and lesson times, on a
// portrait page already begun.
void wochenblatt_rahmen(Druckseite& seite, const plantyp& plan, bool stunden_0_8);

// What one lesson shows: three lines in the main table (12, 10 and 10
// points) and one field in each small table (12 points).
struct Wochenfelder {
    std::string_view erste;
    std::string_view oben;
    std::string_view unten;
    std::string_view zweite;
    std::string_view dritte;
};
void wochenblatt_stunde(Druckseite& seite, int tag, int stunde, const Wochenfelder& felder);

// The sheet's subject (class, teacher or room) in the top-left corner of each
// of the three tables.
void wochenblatt_thema(Druckseite& seite, std::string_view thema_1252);

} // namespace orbela
