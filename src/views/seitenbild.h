#pragma once


#include "canvas/canvas.h"

namespace orbela {

// The common frame of the small side-view pictures, all in Arial 7 points.

// Blanks the picture with a black pen of width 1 and a white brush, and sets
// the font to black Arial 7: the state every side view draws in.
void seitenbild_leeren(Canvas& c, int breite, int hoehe);

// The head of a week picture: the lesson labels down the left edge and the
// day abbreviations across the top, day d at x = tag_breite * d + versatz.
void seitenbild_wochenkopf(Canvas& c, bool stunden_0_8, int tag_breite, int versatz);

// The grid of a week picture: a line after each of the seven columns of
// `tag_breite` and under each of the ten rows of 15 pixels.
void seitenbild_wochengitter(Canvas& c, int tag_breite);

// Leaves the canvas as a complete drawing of a side view leaves it, whose
// last line ended at (x, y). Used when a picture need not be drawn again.
void seitenbild_zustand_nach_zeichnen(Canvas& c, int x, int y);

} // namespace orbela
