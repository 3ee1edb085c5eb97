#pragma once


#include "canvas/canvas.h"

namespace orbela {

// The common frame of the small side-view pictures, all in Arial 7 points.

// Blanks the picture with a black pen of width 1 and a white brush, and sets
// the font to black Arial 7: the state every side view draws in.
void seitenbild_leeren(Canvas& c, int breite, int hoehe);

// Leaves the canvas as a complete drawing of a side view leaves it, whose
// last line ended at (x, y). Used when a picture need not be drawn again.
void seitenbild_zustand_nach_zeichnen(Canvas& c, int x, int y);

} // namespace orbela
