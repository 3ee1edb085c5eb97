#include "core/zellen_befehle.h"

namespace orbela {

std::optional<Rasterzelle> zelle_bei(int x, int y)
{
    if (x < 0 || y < 0)
        return std::nullopt;
    const int c = x / 50;
    const int l = y / 75;
    if (c < 1 || l < 1 || c > anzahl_klassen || l > anzahl_stunden)
        return std::nullopt;
    return Rasterzelle{l, c};
}

void setze_verzichtbar_bei(zellentyp& zelle, int x, char zeichen)
{
    belegungtyp& b = (zelle.ist_doppelt() && x % 50 >= 25) ? zelle.zweite : zelle.erste;
    b.setze_verzichtbar(zeichen);
}

void loesche_zelle(zellentyp& zelle)
{
    for (belegungtyp* b : {&zelle.erste, &zelle.zweite}) {
        b->lehrer.clear();
        b->fach.clear();
        b->raum.clear();
        b->setze_verzichtbar(' ');
    }
}

} // namespace orbela
