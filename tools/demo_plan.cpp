#include "demo_plan.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/init_plan.h"
#include "core/lehrerliste.h"
#include "core/wochen_zaehlung.h"
#include "demo_text.h"

namespace orbela {

namespace {

// Who teaches a subject in a class and in which room. An empty teacher is the
// class teacher, an empty room the class room.
struct Fachbesetzung {
    std::string_view fach;
    std::string_view lehrer;
    std::string_view raum;
};

// How every class is taught unless it says otherwise.
const std::vector<Fachbesetzung> standard_besetzung = {
    {"DE", "", ""},     // Deutsch
    {"MA", "", ""},     // Mathematik
    {"SU", "", ""},     // Sachunterricht
    {"KU", "", ""},     // Kunst
    {"SP", "", "TU"},   // Sport in the gym
    {"MU", "Kü", "MU"}, // Musik in the music room
    {"EN", "Fi", ""},   // Englisch
    {"ER", "Ne", ""},   // evangelische Religion stays in the class room ...
    {"KR", "Zi", "BÜ"}, // ... while the catholic group goes to the library
    {"FÖ", "Bö", "FÖ"}, // Förderunterricht in the support room
    {"SW", "Be", "SW"}, // Schwimmen in the swimming bath
};

// One class column. Each day of the week lists its lessons from the 1st on,
// separated by blanks. A lesson is written
//   DE         the subject, taught as the class's subject table says
//   SU:Sz      the subject with another teacher
//   DE+Sz      a second teacher in the same lesson (double staffing)
//   DE/FÖ      the class divided: the second group has its own subject,
//              teacher and room
// and a trailing * marks the lesson's last occupancy as dispensable.
struct Demoklasse {
    std::string_view name;
    std::string_view klassenlehrer;
    std::string_view klassenraum;
    std::vector<Fachbesetzung> abweichend;
    std::array<std::string_view, 5> woche;
};

// The conflicts planted on purpose, all of them mistakes a planner makes:
//  1. Thursday, lesson 3: "Fi" teaches English in 3b and in 4a at once
//     (one teacher in two classes in one lesson).
//  2. Thursday, lesson 4: "Sz" is second teacher in 1a, but Thursday is her
//     seminar day, which her card blocks (teacher placed in a blocked lesson).
//  3. Friday, lesson 2: 2b and 4b both have sport in the gym "TU"
//     (one room used twice).
// Everything else is free of conflicts.
const std::vector<Demoklasse> klassen = {
    {"1a", "Mü", "IG", {{"SP", "Wa", "TU"}},
     {"MA SP DE/FÖ DE",
      "SU DE+Sz* MU MA KU",
      "SP SP DE+Sz* MA",
      "MA MU ER/KR DE+Sz SU",
      "DE MA ER/KR KU"}},
    {"1b", "Ba", "BÄ", {{"SP", "Wa", "TU"}},
     {"DE/FÖ DE MA KU",
      "MU SP MA DE+Sz* KU",
      "SU DE DE MA",
      "MA ER/KR DE MU SP",
      "ER/KR SU MA SP"}},
    {"2a", "Öz", "FU", {{"SP", "Be", "TU"}},
     {"KU MA DE MU SP",
      "DE DE MA SP SU",
      "MA+Bö MU KU DE",
      "ER/KR SP MA DE/FÖ SU",
      "DE SU MA ER/KR"}},
    {"2b", "Kr", "EU", {},
     {"SU DE DE MA ER/KR",
      "DE DE MA MU SU:Sz",
      "SU:Sz MA ER/KR DE",
      "MU MA SP SP KU",
      "MA SP DE/FÖ KU"}},
    {"3a", "We", "MÄ", {{"SP", "Be", "TU"}, {"KU", "Le", "KU"}},
     {"DE DE SP MA SU:Jä MU",
      "EN DE SU:Jä MA ER/KR",
      "ER/KR DE DE/FÖ* MA MU",
      "EN MA SW+We SW+We SU",
      "MA DE SU KU KU"}},
    {"3b", "Ho", "RA", {{"SP", "Be", "TU"}, {"KU", "Le", "KU"}},
     {"MU DE MA KU KU SU",
      "SP MA DE ER/KR SU",
      "MA SW+Ho SW+Ho ER/KR SU",
      "DE DE EN MA MU",
      "DE/FÖ DE MA SU EN"}},
    {"4a", "Sc", "HA", {{"MA", "Wa", ""}, {"KU", "Le", "KU"}, {"MU", "Jä", "MU"}},
     {"MA KU KU SP SU",
      "DE ER/KR SU MA EN SP",
      "DE DE MA MU",
      "DE DE/FÖ EN MA ER/KR SP SU",
      "DE MA SU MU"}},
    {"4b", "La", "OT", {{"SP", "Be", "TU"}, {"KU", "Le", "KU"}, {"MU", "Jä", "MU"}},
     {"SP MA MU DE/FÖ* SU ER/KR",
      "DE MU SU MA KU KU ER/KR",
      "DE MA EN SP SU",
      "MA DE DE EN",
      "DE SP MA SU"}},
};

// Begin and end of lessons 1 to 9, the same on every day.
constexpr std::array<std::array<std::string_view, 2>, 9> zeiten = {{
    {"07:55", "08:40"},
    {"08:45", "09:30"},
    {"09:50", "10:35"},
    {"10:40", "11:25"},
    {"11:40", "12:25"},
    {"12:30", "13:15"},
    {"13:30", "14:15"},
    {"14:20", "15:05"},
    {"15:10", "15:55"},
}};

std::vector<std::string_view> teile(std::string_view text, char trenner)
{
    std::vector<std::string_view> teile;
    while (true) {
        const std::size_t p = text.find(trenner);
        teile.push_back(text.substr(0, p));
        if (p == std::string_view::npos)
            return teile;
        text.remove_prefix(p + 1);
    }
}

[[noreturn]] void falsche_stunde(const Demoklasse& klasse, std::string_view stunde)
{
    throw std::invalid_argument("Klasse " + std::string(klasse.name) + ": unlesbare Stunde \"" +
                                std::string(stunde) + "\"");
}

// Fills one occupancy from "FACH" or "FACH:LEHRER" with the class's table.
void besetze(belegungtyp& belegung, const Demoklasse& klasse, std::string_view angabe)
{
    const std::vector<std::string_view> teil = teile(angabe, ':');
    if (teil.size() > 2 || teil[0].empty())
        falsche_stunde(klasse, angabe);

    const Fachbesetzung* besetzung = nullptr;
    for (const Fachbesetzung& b : klasse.abweichend) {
        if (b.fach == teil[0])
            besetzung = &b;
    }
    for (const Fachbesetzung& b : standard_besetzung) {
        if (besetzung == nullptr && b.fach == teil[0])
            besetzung = &b;
    }
    if (besetzung == nullptr)
        falsche_stunde(klasse, angabe);

    std::string_view lehrer = teil.size() == 2 ? teil[1] : besetzung->lehrer;
    if (lehrer.empty())
        lehrer = klasse.klassenlehrer;
    const std::string_view raum = besetzung->raum.empty() ? klasse.klassenraum : besetzung->raum;
    setze(belegung.lehrer, lehrer);
    setze(belegung.fach, besetzung->fach);
    setze(belegung.raum, raum);
}

void trage_stunde_ein(zellentyp& zelle, const Demoklasse& klasse, std::string_view stunde)
{
    std::string_view angabe = stunde;
    const bool verzichtbar = angabe.ends_with('*');
    if (verzichtbar)
        angabe.remove_suffix(1);

    if (const std::size_t p = angabe.find('/'); p != std::string_view::npos) {
        besetze(zelle.erste, klasse, angabe.substr(0, p));
        besetze(zelle.zweite, klasse, angabe.substr(p + 1));
    } else if (const std::size_t q = angabe.find('+'); q != std::string_view::npos) {
        besetze(zelle.erste, klasse, angabe.substr(0, q));
        if (q + 1 == angabe.size())
            falsche_stunde(klasse, stunde);
        setze(zelle.zweite.lehrer, angabe.substr(q + 1));
    } else {
        besetze(zelle.erste, klasse, angabe);
    }

    if (verzichtbar)
        (zelle.ist_doppelt() ? zelle.zweite : zelle.erste).setze_verzichtbar('v');
}

} // namespace

plantyp demo_plan()
{
    plantyp plan;
    Lehrerliste ungenutzt;
    init_plan(plan, ungenutzt);

    for (std::size_t i = 0; i < klassen.size(); ++i) {
        const Demoklasse& klasse = klassen[i];
        const int spalte = static_cast<int>(i) + 1;
        for (int tag = 1; tag <= 5; ++tag) {
            int stunde = 0;
            for (std::string_view angabe : teile(klasse.woche[static_cast<std::size_t>(tag - 1)], ' ')) {
                if (angabe.empty())
                    continue;
                if (++stunde > anzahl_stunden)
                    falsche_stunde(klasse, angabe);
                trage_stunde_ein(plan.zelle(tag, stunde, spalte), klasse, angabe);
            }
        }

        klassentyp& k = plan.klasse(spalte);
        setze(k.klasse, klasse.name);
        setze(k.klassenlehrer, klasse.klassenlehrer);
        setze(k.klassenraum, klasse.klassenraum);
        // The weekly hours are what the class statistics count for the column.
        setze(k.wochenstunden, std::to_string(belegte_stunden(plan.plan, spalte)));
    }

    for (int l = 1; l <= anzahl_stunden; ++l) {
        setze(plan.zeit(l).beginn, zeiten[static_cast<std::size_t>(l - 1)][0]);
        setze(plan.zeit(l).ende, zeiten[static_cast<std::size_t>(l - 1)][1]);
    }
    return plan;
}

} // namespace orbela
