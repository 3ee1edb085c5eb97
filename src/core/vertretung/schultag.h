#pragma once

#include <compare>
#include <string>

#include "core/plantyp.h"

namespace orbela {

// A calendar date, for the day of the cover lists.
struct Datum {
    int jahr = 2000;
    int monat = 1;
    int tag = 1;
    auto operator<=>(const Datum&) const = default;
};

// 1 = Montag .. 7 = Sonntag; days 1..6 are the plan's days.
int wochentag(const Datum& d);
Datum folgetag(const Datum& d);
// Where the day's cover starts: the date itself, a Sunday the Monday after.
Datum erster_schultag_ab(const Datum& d);
// The school day after `d`: the next Monday to Saturday on which the plan
// has a lesson; Monday to Friday when the plan holds none at all.
Datum naechster_schultag(const Datum& d, const plantyp& plan);

// "14.12.2026" and "Montag, 14.12.2026".
std::string datum_text(const Datum& d);
std::string tag_und_datum(const Datum& d);

} // namespace orbela
