#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/optionen.h"
#include "core/plantyp.h"
#include "core/veroeffentlichen/ordner_ersetzen.h"
#include "core/veroeffentlichen/planangaben.h"

namespace orbela {

// Each teacher's and each class's week as an iCalendar file (RFC 5545) for
// the phone's or the mail program's calendar: every lesson one event in the
// time zone Europe/Berlin, repeated weekly from the first to the last school
// day of a period. A class's file names its teachers; nothing else of the
// cards goes into any file.

inline constexpr const char* kalender_ordnername = "Kalender";

struct Schulzeitraum {
    std::chrono::year_month_day erster;
    std::chrono::year_month_day letzter;
};

// Every file: `lehrer-<code>.ics` for each teacher code of the plan, then
// `klasse-<name>.ics` for each named class. `jetzt` (seconds since 1970,
// UTC) stamps the events. Throws Fehler, before anything is made, when the
// period is empty or when a lesson that holds anything has times that
// cannot be read; the message names those lessons.
std::vector<Ausgabedatei> kalender(const plantyp& plan, const Optionen& optionen, const Plannamen& namen,
                                   const Schulzeitraum& zeitraum, std::int64_t jetzt);

// Writes them as the folder `ordner`, replaced whole (see ordner_ersetzen);
// returns the number of files.
int kalender_speichern(const std::string& ordner, const plantyp& plan, const Optionen& optionen,
                       const Plannamen& namen, const Schulzeitraum& zeitraum, std::int64_t jetzt);

} // namespace orbela
