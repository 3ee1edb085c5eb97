#pragma once

#include "core/kuerzel_schluessel.h"
#include "core/plantyp.h"

namespace orbela {

// One code field (teacher or room) of all 40 occupancies of every lesson row
// of the week, as keys. Built once per picture, it answers every question of
// the side views with plain number comparisons.
struct Wochenkuerzel {
    Kuerzelschluessel schluessel[anzahl_tage][anzahl_stunden][belegungen_je_stunde];

    static Wochenkuerzel lehrer(const stundenplan& plan);
    static Wochenkuerzel raeume(const stundenplan& plan);

    // The 40 keys of lesson row (tag, stunde), occupancy 1 first.
    const Kuerzelschluessel* reihe(int tag, int stunde) const
    {
        return schluessel[tag - 1][stunde - 1];
    }
    // Whether the code is in lesson row (tag, stunde) at all.
    bool in_stunde(int tag, int stunde, Kuerzelschluessel code) const;
};

// The occupancies of one lesson row that carry a code.
struct Fundstellen {
    int anzahl = 0;       // how many of the 40 occupancies carry it
    int erste_klasse = 0; // class column of the first of them, 0 if none
};
Fundstellen fundstellen(const Wochenkuerzel& woche, int tag, int stunde, Kuerzelschluessel code);

// The lessons (day, lesson) of the week in which the code is in the lesson
// row at least once. A lesson counts once however often the code occurs.
int stunden_mit(const Wochenkuerzel& woche, Kuerzelschluessel code);

// The lessons of the week whose cell in class column `klasse` has the code in
// its first or second occupancy.
int stunden_in_klasse(const Wochenkuerzel& woche, int klasse, Kuerzelschluessel code);

// The lessons of the week whose cell in class column `klasse` has a teacher
// or a second teacher.
int belegte_stunden(const stundenplan& plan, int klasse);

} // namespace orbela
