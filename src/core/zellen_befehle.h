#pragma once

#include <optional>

#include "core/plantyp.h"

namespace orbela {

// The commands of the grid's popup menu on one cell.

struct Rasterzelle {
    int stunde;
    int klasse;
};

// The cell under a point of the grid image (50 x 75 pixels a cell); nothing
// for the headers, the corner and points outside the grid.
std::optional<Rasterzelle> zelle_bei(int x, int y);

// Sets the dispensability character of the occupancy under the point: the
// second one on the right half of a double cell, else the first. The length
// byte stays as it is.
void setze_verzichtbar_bei(zellentyp& zelle, int x, char zeichen);

// Empties the six codes; both flags get ' ' with their length bytes kept.
void loesche_zelle(zellentyp& zelle);

} // namespace orbela
