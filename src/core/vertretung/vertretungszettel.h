#pragma once

#include <string>
#include <vector>

#include "core/plantyp.h"
#include "core/vertretung/vertretungsplan.h"

namespace orbela {

// What one substitute is to cover in the open plan, one line per lesson,
// day by day and lesson by lesson. Texts are Windows-1252.
struct Vertretungszettel {
    std::string vertreter;
    std::vector<std::string> zeilen; // "Mo, 1. Stunde (07:55-08:40): Klasse 1a, Fach MA, Raum R1, für Ab"
};

// One slip for every substitute that is a teacher ("##" and "XX" get none),
// in order of the code. Class, subject and room are the timetable's as it
// stands, the class with the "&" of a joint lesson.
std::vector<Vertretungszettel> vertretungszettel(const Vertretungsplan& vp, const plantyp& plan, bool stunden_0_8);

// The slips as plain text to paste into a message: for each a heading
// "Vertretungszettel für Ko", its lines, and an empty line between slips.
std::string zettel_als_text(const std::vector<Vertretungszettel>& zettel);

// The heading of one slip.
std::string zettel_kopf(const Vertretungszettel& zettel);

} // namespace orbela
