#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/namenstabelle.h"
#include "core/optionen.h"
#include "core/plantyp.h"
#include "print/druckauftrag.h"

namespace orbela {

// What the plan printouts read; none of them changes anything.
struct Druckdaten {
    const plantyp& plan;
    const Optionen& optionen;
    // The date of the "Stand: " lines, in the system's short format
    // (Windows-1252).
    std::string datum;
};

// Each printout is one job of one page on the job it is given, which it
// begins in its orientation and ends.

// "Gesamtplan": the plan of one day (1..6), landscape.
void drucke_plan(Druckauftrag& auftrag, const Druckdaten& daten, int tag);

// "Klassenplan": the week of one class column (1..20) as a week sheet with
// teacher and subject tallies, portrait.
void drucke_klassenplan(Druckauftrag& auftrag, const Druckdaten& daten, int klasse);

// What the landscape class plan writes out: subject and room names, and the
// teacher's surname for a code.
struct Langnamen {
    const Namenstabelle& faecher;
    const Namenstabelle& raeume;
    std::function<std::string(std::string_view)> lehrername;
};

// "Klassenplan quer": the week of one class column with names written out and
// the class teacher's lessons underlaid, landscape, without a date line.
void drucke_klassenplan_2(Druckauftrag& auftrag, const Druckdaten& daten, int klasse, const Langnamen& namen);

// "Lehrerplan" and "Raumplan": the week of one teacher or room code (exact
// match) as a week sheet, portrait.
void drucke_lehrerplan(Druckauftrag& auftrag, const Druckdaten& daten, std::string_view kuerzel);
void drucke_raumplan(Druckauftrag& auftrag, const Druckdaten& daten, std::string_view kuerzel);

// The overviews of Monday to Friday, teacher codes only, portrait:
// "Übersichtsplan" (lessons 1..9) and "Übersichtsplan (1-6)", which is
// `drucke_kurzplan` (lessons 1..6) or, while lessons are numbered from 0,
// `drucke_kurzplan3` (lessons 2..7 labelled 1..6).
void drucke_kurzplan(Druckauftrag& auftrag, const Druckdaten& daten);
void drucke_kurzplan2(Druckauftrag& auftrag, const Druckdaten& daten);
void drucke_kurzplan3(Druckauftrag& auftrag, const Druckdaten& daten);

} // namespace orbela
