#pragma once

#include <string>

#include "core/plantyp.h"

namespace orbela {

// Reads the first 37340-byte record of the file into the plan. The plan is
// only overwritten once the whole record has been read; on any failure it is
// unchanged and Fehler carries the message. A write-protected file is refused
// ("Dateizugriff verweigert"), as plan files are opened for writing too.
void lade_plan(const std::string& dateiname, plantyp& plan);

// Writes the plan as the only record of the file. The record goes to a
// temporary file in the same folder that replaces the target only when it is
// complete, so a failed save leaves the previous file as it was.
void speichere_plan(const std::string& dateiname, const plantyp& plan);

} // namespace orbela
