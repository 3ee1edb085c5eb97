#include "print/sammelauftrag.h"

namespace orbela {

void Sammelauftrag::beginnen(Ausrichtung ausrichtung)
{
    if (begonnen_) {
        ziel_.neue_seite(ausrichtung);
        return;
    }
    ziel_.beginnen(ausrichtung);
    begonnen_ = true;
}

void Sammelauftrag::abschliessen()
{
    if (begonnen_)
        ziel_.beenden();
}

} // namespace orbela
