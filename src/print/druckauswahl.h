#pragma once

#include <string>
#include <vector>

#include "core/plantyp.h"

namespace orbela {

// The entries of the selection window "zum drucken wählen" for each kind of
// printout, and what a selected entry stands for.

// "Mo" .. "Sa"; list position p is day p + 1.
std::vector<std::string> auswahl_tage();

// The names of the classes whose name is not empty, in column order.
std::vector<std::string> auswahl_klassen(const plantyp& plan);
// The class column of list position p (from 0): the column of the (p+1)-th
// class with a name; 0 when there is none.
int klasse_an_position(const plantyp& plan, int p);

// Every teacher (room) code of both occupancies of every cell, sorted and
// each once.
std::vector<std::string> auswahl_lehrer(const plantyp& plan);
std::vector<std::string> auswahl_raeume(const plantyp& plan);

// Sorts alphabetically ignoring upper and lower case, a letter with umlaut or
// accent as its base letter ("Äx" between "Ab" and "Az"); codes equal but for
// case keep their exact byte order, so that exact duplicates end up next to
// each other and are removed ("Tu" and "TU" stay two entries).
void sortieren_ohne_doppelte(std::vector<std::string>& codes);

} // namespace orbela
