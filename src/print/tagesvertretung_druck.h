#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/vertretung/tagesvertretung.h"
#include "print/druckauftrag.h"

namespace orbela {

// The two printouts of the day's cover, A4 portrait, each one job of as many
// pages as the list needs. Every page carries the heading ("Vertretungen für
// Montag, 14.12.2026"), the column titles of the list and, at the foot, the
// page number and "Stand: " with the date and time the list was made.

struct Tagesdruck {
    const Tagesvertretung& tv;
    std::string tag;   // "Montag, 14.12.2026"
    std::string stand; // "14.12.2026 07:42"
    bool stunden_0_8 = false;
};

// "Aushang" for the notice board: grouped by class in column order, then by
// lesson; Std., Klasse, Fach, Lehrer (struck through), Vertretung, Raum,
// Hinweis. Codes only.
void drucke_aushang(Druckauftrag& auftrag, const Tagesdruck& daten);

// "Lehrerzimmer" for the staff room: the absent teachers and the
// substitutes with their counts, one block per substitute with their covers
// (those to be told marked "Bescheid geben"), then the lessons dropped or
// split, then the open ones. `lehrername` gives the name of a code from the
// cards (empty when unknown).
void drucke_lehrerzimmer(Druckauftrag& auftrag, const Tagesdruck& daten,
                         const std::function<std::string(std::string_view)>& lehrername);

} // namespace orbela
