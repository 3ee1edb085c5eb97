#pragma once

#include <vector>

#include "ansicht_umgebung.h"

namespace orbela::test {

// The side views, images 2..11.
class Seitenansichten : public AnsichtsUmgebung {
protected:
    std::size_t anzahl_texte(int n) { return bild(n).texte().size(); }

    // Lines of image n drawn in the given pen colour.
    std::vector<const Op*> linien_in(int n, Farbe farbe)
    {
        std::vector<const Op*> aus;
        for (const Op* op : bild(n).linien()) {
            if (op->stift.farbe == farbe)
                aus.push_back(op);
        }
        return aus;
    }
};

} // namespace orbela::test
