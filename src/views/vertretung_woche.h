#pragma once

#include "canvas/canvas.h"
#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "core/vertretungsplan.h"

namespace orbela {

// The substitution window's week grid: day d is the column x = 40d..40d+40,
// lesson l the row y = 20l..20l+20; column 0 and row 0 hold the labels.
inline constexpr int vertretung_woche_breite = 281;
inline constexpr int vertretung_woche_hoehe = 200;

// The colour of a substitute who is free in the lesson.
inline constexpr Farbe vertreter_gruen{0, 128, 0};

// Draws the absent teacher's week: the class and subject of each lesson to
// cover, or its substitute in green when free there and in red when not, and
// the selection mark.
void zeichne_vertretungswoche(Canvas& c, const Vertretungsplan& vp, const plantyp& plan,
                              const Lehrerliste& liste, bool stunden_0_8);

// The two upright lines marking a selected lesson, in the given colour
// (red to mark, white to erase); the pen is black again afterwards.
void zeichne_wahlmarke(Canvas& c, int tag, int stunde, Farbe farbe);

} // namespace orbela
