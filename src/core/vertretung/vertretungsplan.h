#pragma once

#include <cassert>
#include <cstring>
#include <string>
#include <string_view>

#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "core/vertretung/vertretungtyp.h"

namespace orbela {

// The substitution plan of one absent teacher's week, as its file holds
// it: for every day and lesson the lesson to cover and its substitute. The
// `Vertretungsdokument` keeps the one the substitution window works on.
struct Vertretungsplan {
    vertretungtyp vertretungen[anzahl_tage][anzahl_stunden];
    std::string abwesender_lehrer; // Windows-1252; empty until chosen or opened

    Vertretungsplan() { std::memset(static_cast<void*>(vertretungen), 0, sizeof vertretungen); }

    vertretungtyp& eintrag(int tag, int stunde)
    {
        assert(tag >= 1 && tag <= anzahl_tage && stunde >= 1 && stunde <= anzahl_stunden);
        return vertretungen[tag - 1][stunde - 1];
    }
    const vertretungtyp& eintrag(int tag, int stunde) const
    {
        return const_cast<Vertretungsplan*>(this)->eintrag(tag, stunde);
    }
    // A lesson of the absent teacher to cover: only these take a substitute.
    bool zu_vertreten(int tag, int stunde) const { return !eintrag(tag, stunde).klasse.empty(); }

    void alle_leeren()
    {
        for (auto& tag : vertretungen) {
            for (auto& e : tag)
                e.leeren();
        }
    }
};

static_assert(sizeof(Vertretungsplan::vertretungen) == 648);

// What a teacher gives in one lesson, gathered over the 40 occupancies.
struct Unterricht {
    // The class name; a joint lesson of several classes reads as the first
    // 2 characters and "&" ("1a&").
    std::string klasse;
    std::string fach;      // "##" when the occupancies' subjects differ
    std::string raum;      // "##" when their rooms differ
    int klassenspalte = 0; // the column whose name the class text took last; 0 none
};

// An empty teacher code gives nothing.
Unterricht unterricht_von(const plantyp& plan, int tag, int stunde, std::string_view lehrer);

// Sets class, subject and room of all 54 entries from the timetable for the
// absent teacher; the substitutes stay as they are.
void vertretungen_aufbauen(Vertretungsplan& vp, const plantyp& plan);

// Whether a substitute is free in the lesson: not blocked on the first card
// of the list carrying the code, and teaching there only in dispensable
// occupancies. "##", "XX" and unknown codes count as free.
bool vertreter_frei(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde,
                    std::string_view vertreter);

// The note on the printed sheet under a substitute: the classes the
// substitute teaches in that lesson, then "statt " before them when every
// one of those lessons is dispensable and the substitute is not blocked, or
// "fällt aus" after them otherwise; at most 20 characters, Windows-1252.
// Empty when the substitute teaches nowhere then.
std::string vertreter_notiz(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde,
                            std::string_view vertreter);

} // namespace orbela
