#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "core/vertretung/vertretungswoche.h"

namespace orbela {

// How well one teacher could cover a lesson (day, lesson) of a class column.
struct Eignung {
    bool verfuegbar = true;          // not blocked, teaching there only in dispensable lessons
    bool verzichtbar_belegt = false; // teaching there, in dispensable lessons only
    bool vorher = false;             // teaching in the lesson before
    bool nachher = false;            // teaching in the lesson after
    int in_klasse = 0;               // lessons of the week taught in the class column
};

// `klassenspalte` 0 means no class column (in_klasse stays 0).
Eignung eignung(const plantyp& plan, const lehrereintrag& lehrer, int tag, int stunde, int klassenspalte);

// The substitution window's four proposal lists, each in teacher-list order.
// Available teachers carry "*" when they would drop a dispensable lesson;
// in "alle Lehrer" the unavailable ones carry "-". Texts are Windows-1252.
struct Vorschlagslisten {
    std::vector<std::string> optimal;          // teaches the class, lesson next to it
    std::vector<std::string> ohne_freistunden; // lesson next to it, not in the class
    std::vector<std::string> freie_lehrer;     // no lesson next to it
    std::vector<std::string> alle_lehrer;      // everyone, marked
};

// The class column is the one whose name equals `klassentext` exactly, so a
// joint lesson ("1a&") has none and nobody is "optimal". Without an absent
// teacher all lists are empty. The absent teacher is never available, also
// where all their occupancies of the lesson are dispensable, nor is a
// colleague absent that day by the week's plans (`stand`).
Vorschlagslisten vorschlaege(const plantyp& plan, const Lehrerliste& liste, std::string_view abwesender_lehrer,
                             int tag, int stunde, std::string_view klassentext, const Vertretungsstand& stand);

// The printed sheet's proposals of one lesson: the codes of the first three
// lists joined by "/", without marks, each shortened to fit its cell
// (`vorschlagstext_kuerzen`). `klassenspalte` is the column the lesson's
// class text was taken from; the absent teacher is never proposed.
struct Vorschlagstexte {
    std::string optimal;
    std::string ohne;
    std::string frei;
};

Vorschlagstexte vorschlagstexte(const plantyp& plan, const Lehrerliste& liste, std::string_view abwesender_lehrer,
                                int tag, int stunde, int klassenspalte);

// Drops the final "/" of a joined list; a text still longer than 17
// characters becomes its first 10 and its last 7 characters and ">".
std::string vorschlagstext_kuerzen(std::string text);

} // namespace orbela
