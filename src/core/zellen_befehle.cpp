#include "core/zellen_befehle.h"

namespace orbela {

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
