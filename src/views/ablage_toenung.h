#pragma once

#include "canvas/canvas.h"
#include "core/ablageziele.h"

namespace orbela {

// The drop targets over the plan grid while a lesson is dragged: every cell
// of the shown day tinted green where the lesson can go, red where it would
// make a conflict, amber where it clashes but a swap chain makes room, and
// the origin outlined instead of tinted. Each target also carries a sign in
// its lower right corner that does not rely on colour: a tick where free, a
// cross where it clashes, the chain's length in a small box. The tint lets
// the codes show through. It belongs on whatever shows the grid during the
// drag, never into the grid's own bitmap or a printout; pen, brush and font
// are left as they were.
void zeichne_ablageziele(Canvas& bild, const Ablageziele& ziele);

namespace ablage_toenung {
inline constexpr Farbe frei = farben::gruen;
inline constexpr Farbe konflikt = farben::rot;
inline constexpr Farbe kette{255, 160, 0};
inline constexpr Farbe herkunft{0, 0, 255};
inline constexpr std::uint8_t deckung = 80;
inline constexpr int rahmen_breite = 3;
// The sign's square in the cell's lower right corner.
inline constexpr int zeichen_groesse = 13;
inline constexpr int zeichen_rand = 2;
} // namespace ablage_toenung

} // namespace orbela
