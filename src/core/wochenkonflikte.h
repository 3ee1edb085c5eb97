#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/lehrerliste.h"
#include "core/optionen.h"
#include "core/plantyp.h"

namespace orbela {

enum class Konfliktart {
    lehrer_doppelt,    // a teacher twice in one lesson
    lehrer_gesperrt,   // a teacher in a lesson the card blocks
    lehrer_ohne_karte, // a teacher code that no card carries
    raum_doppelt,      // a room twice in one lesson
};

// One conflict of the week: one code in one lesson of one day, with every
// class column it stands in.
struct Konflikt {
    int tag = 0;
    int stunde = 0;
    Konfliktart art = Konfliktart::lehrer_doppelt;
    std::string code;       // Windows-1252
    std::uint32_t klassen = 0; // bit c set for class column c (1..20)

    bool in_klasse(int c) const { return (klassen >> c & 1u) != 0; }
    // The lowest class column the conflict stands in.
    int erste_klasse() const;
    friend bool operator==(const Konflikt&, const Konflikt&) = default;
};

// Every conflict of all six days by the grid's rules, ordered by day, lesson,
// kind and the place of the code's first occurrence in the row. A code that
// is both doubled and blocked gives a conflict of each kind. With the option
// "doppelten Lehrereinsatz anzeigen" off no teacher conflict is listed, with
// "doppelte Raumnutzung anzeigen" off no room conflict, as the grid then
// marks none.
std::vector<Konflikt> wochenkonflikte(const plantyp& plan, const Lehrerliste& liste, const Optionen& optionen);

} // namespace orbela
