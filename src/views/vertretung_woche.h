#pragma once

#include <optional>

#include "canvas/canvas.h"
#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "core/vertretung/vertretungsplan.h"
#include "core/vertretung/wochenstunde.h"

namespace orbela {

// The substitution window's week grid: day d is the column
// x = d * vertretung_spalte .. (d + 1) * vertretung_spalte, lesson l the row
// y = l * vertretung_zeile .. (l + 1) * vertretung_zeile; column 0 and row 0
// hold the labels.
inline constexpr int vertretung_spalte = 40;
inline constexpr int vertretung_zeile = 20;
inline constexpr int vertretung_woche_breite = 281;
inline constexpr int vertretung_woche_hoehe = 200;

// The colour of a substitute who is free in the lesson.
inline constexpr Farbe vertreter_gruen{0, 128, 0};

// Draws the absent teacher's week: the class and subject of each lesson to
// cover, or its substitute in green when free there and in red when not, and
// the mark of the selected lesson (none when `auswahl` is not set).
void zeichne_vertretungswoche(Canvas& c, const Vertretungsplan& vp, const plantyp& plan,
                              const Lehrerliste& liste, bool stunden_0_8, Wochenstunde auswahl);

// The two upright lines marking a selected lesson, in the given colour
// (red to mark, white to erase); the pen is black again afterwards.
void zeichne_wahlmarke(Canvas& c, Wochenstunde stunde, Farbe farbe);

// The day and lesson under a pixel of the grid; none on the labels, on the
// last pixel column and outside.
std::optional<Wochenstunde> vertretung_woche_treffer(int x, int y);

} // namespace orbela
