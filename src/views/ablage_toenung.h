#pragma once

#include "canvas/canvas.h"
#include "core/ablageziele.h"

namespace orbela {

// The drop targets over the plan grid while a lesson is dragged: every cell
// of the shown day tinted green where the lesson can go, red where it would
// make a conflict, and the origin outlined instead of tinted. The tint lets
// the codes show through. It belongs on whatever shows the grid during the
// drag, never into the grid's own bitmap or a printout; pen and brush are
// left as they were.
void zeichne_ablageziele(Canvas& bild, const Ablageziele& ziele);

namespace ablage_toenung {
inline constexpr Farbe frei = farben::gruen;
inline constexpr Farbe konflikt = farben::rot;
inline constexpr Farbe herkunft{0, 0, 255};
inline constexpr std::uint8_t deckung = 80;
inline constexpr int rahmen_breite = 3;
} // namespace ablage_toenung

} // namespace orbela
