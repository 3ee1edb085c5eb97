#pragma once

#include <optional>
#include <vector>

#include "canvas/canvas.h"
#include "core/zellort.h"

namespace orbela {

// Frames over the plan grid around cells the planner is about to act on:
// the cells of a swap chain chosen in "Tauschvorschläge", each framed and
// numbered with its exchange (the same number at both of its cells), and a
// cell cut or copied from the keyboard, waiting to be pasted. Only the
// cells of the shown day are drawn. Like the drop tint they go over the
// grid's bitmap, never into it; pen, brush and font are left as they were.
struct Zellrahmen {
    std::vector<Tausch> kette;
    std::optional<Zellort> vorgemerkt;

    bool leer() const { return kette.empty() && !vorgemerkt; }
};

void zeichne_zellrahmen(Canvas& bild, int tag, const Zellrahmen& rahmen);

namespace zellrahmen {
inline constexpr Farbe kette{128, 0, 128};
inline constexpr Farbe vorgemerkt{0, 0, 255};
inline constexpr int breite = 3;
inline constexpr int nummer_groesse = 13;
} // namespace zellrahmen

} // namespace orbela
