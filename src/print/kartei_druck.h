#pragma once

#include <string_view>

#include "core/kartentyp.h"
#include "core/kartei.h"
#include "print/druckauftrag.h"
#include "print/druckseite.h"

namespace orbela {

// The printouts of the teacher card index, portrait, in page units. They
// read the cards without moving the index.

// One labelled box: the frame, the value in the value font at (x1 + 5,
// y1 + 9) and the caption in the small font at (x1 + 1, y1 + 1). Texts are
// not cut to the box.
void drucke_feld(Druckseite& seite, int x1, int y1, int x2, int y2, std::string_view beschriftung_1252,
                 std::string_view wert_1252);

// "Adressliste" (every card) and "Adressliste Lehrer" (teachers only): one
// row of name, street, town and telephone per card, 24 rows a page.
void drucke_adressliste(Druckauftrag& auftrag, const Kartei& kartei, bool nur_lehrer);

// "Geburtstagskalender": one page of twelve month boxes listing day and
// surname of every card born in the month ("DD.MM..." birth dates only). A
// month of more than eleven birthdays is set closer in a smaller font so that
// it stays inside its box.
void drucke_geburtstagskalender(Druckauftrag& auftrag, const Kartei& kartei);

// "Karte drucken": one card on one page; the teacher boxes only for a
// teacher.
void drucke_karte(Druckauftrag& auftrag, const kartentyp& karte);

} // namespace orbela
