#pragma once

#include <string>

#include "core/lehrerliste.h"
#include "core/kartei.h"

namespace orbela {

// The card files in the program folder. `programmpfad` ends in '/'.
inline constexpr const char* kartei_datei = "adresslehrdat.int";
inline constexpr const char* lehrdat_datei = "lehrdat.int";
inline constexpr const char* lehrer_datei = "lehrer.int";

// At program start: empties the index and reads the first of the card file,
// the older teacher file and the older address file that exists. None of
// them (a fresh installation) leaves the index empty without an error.
void kartei_beim_start_lesen(Kartei& kartei, const std::string& programmpfad);

// The cards a new plan reads: converts the older teacher file into the card
// file once, if there is no card file yet, then reads the card file into
// `kartei`. Without a card file nothing is read or written and the result is
// false: the index as it is then serves.
bool kartei_fuer_neuen_plan_lesen(Kartei& kartei, const std::string& programmpfad);

// For a new plan: converts the older teacher file into the card file once,
// if there is no card file yet, then reloads the index from the card file and
// rebuilds the teacher list. Without either file nothing is converted or
// written and the list is rebuilt from the index as it is.
void lehrerliste_fuer_neuen_plan_laden(Kartei& kartei, Lehrerliste& liste,
                                       const std::string& programmpfad);

// After a plan file has been loaded: reloads the index from the card file, if
// there is one, and rebuilds the teacher list.
void lehrerliste_nach_plan_laden(Kartei& kartei, Lehrerliste& liste,
                                 const std::string& programmpfad);

} // namespace orbela
