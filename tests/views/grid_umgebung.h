#pragma once

#include "ansicht_umgebung.h"

namespace orbela::test {

// The plan grid, image 1.
class PlanRaster : public AnsichtsUmgebung {
protected:
    AufzeichnungsCanvas& raster() { return bild(1); }

    // The colour of the text drawn last at (x, y), black if none: what shows.
    Farbe farbe_bei(int x, int y) { return textfarbe_bei(1, x, y); }
    std::string text_bei(int x, int y) { return AnsichtsUmgebung::text_bei(1, x, y); }
};

} // namespace orbela::test
