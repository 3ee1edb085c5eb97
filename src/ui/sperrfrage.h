#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "core/plansperre.h"
#include "ui/dialoge.h"

namespace orbela {

// Takes the lock for a plan about to be opened. When another program holds
// it, the user is told who and since when and chooses to open the plan
// read-only, to open it anyway (taking the lock over) or not at all. False
// when the user cancels; `schreibgeschuetzt` then tells how it is opened.
// A folder that takes no lock file opens the plan without one.
bool plan_sperren(Dialoge& dialoge, const std::string& pfad, Plansperre& sperre, bool& schreibgeschuetzt);

// Takes the lock for the file a plan is about to be saved to. When another
// program holds it, the user is told who and since when and chooses to save
// anyway (taking the lock over), to choose another name (`nein`) or not to
// save (`abbrechen`); `ja` also where no other program holds it.
Antwort plan_zum_speichern_sperren(Dialoge& dialoge, const std::string& pfad, Plansperre& sperre);

// A moment as the questions show it: "09.12.2026, 17:45".
QString zeitpunkt_text(std::int64_t sekunden);

// The file name the questions show: its last part.
QString dateiname_text(const std::string& pfad);

} // namespace orbela
