#pragma once

#include "canvas/canvas.h"
#include "core/kartentyp.h"

namespace orbela {

// The small grid of blocked lessons on a teacher card: 140 x 150 pixels, the
// lesson numbers in a column of 20 pixels, the day heads in a row of 15, one
// cell of 20 x 15 per day and lesson, a red cross on each blocked lesson.
inline constexpr int gesperrte_stunden_breite = 140;
inline constexpr int gesperrte_stunden_hoehe = 150;

void zeichne_gesperrte_stunden(Canvas& c, const kartentyp& karte, bool stunden_0_8);

// A click at (x, y) inverts the flag of the day and lesson under it and says
// so; a click on the number column, the head row or outside changes nothing.
bool gesperrte_stunde_umschalten(kartentyp& karte, int x, int y);

} // namespace orbela
