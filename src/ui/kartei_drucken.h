#pragma once

#include <QString>

#include "core/kartei.h"
#include "print/druckauftrag.h"
#include "ui/kartei_druckauswahl.h"

namespace orbela {

// The name of a card index printout, as on its button; PDF files are named
// after it.
QString kartei_ausdruck_name(KarteiDruckauswahl::Wahl wahl);

// Runs the chosen printout on the job: the lists and the calendar over the
// stored cards, "Karte drucken" over the working card.
void kartei_drucken(Druckauftrag& auftrag, const Kartei& kartei, KarteiDruckauswahl::Wahl wahl);

} // namespace orbela
