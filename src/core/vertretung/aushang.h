#pragma once

#include <string>
#include <vector>

#include "core/vertretung/tagesvertretung.h"

namespace orbela {

// One line of the notice-board list, which parents and children read: codes
// only, no names. Texts are Windows-1252.
struct Aushangzeile {
    int stunde = 0;
    std::string stunde_text; // "3.", or "2." while lessons count from 0
    int spalte = 0;         // the class column the line is listed under
    std::string klasse;
    std::string fach;
    std::string lehrer;     // the absent teacher, shown struck through
    std::string vertretung; // the substitute's code; empty unless covered
    std::string raum;
    std::string hinweis;    // "Entfall", "Aufteilung", "offen", "mit 1b", joined by ", "
};

// The day's lessons grouped by class in the plan's column order, then by
// lesson; a joint lesson is listed under each of its classes.
std::vector<Aushangzeile> aushang(const Tagesvertretung& tv, bool stunden_0_8);

} // namespace orbela
