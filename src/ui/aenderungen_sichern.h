#pragma once

#include <QString>
#include <functional>

#include "ui/dialoge.h"

namespace orbela {

// The question before a command that would drop unsaved changes. Without
// changes nothing is asked. "Ja" saves first ("speichern" may itself be
// cancelled, then the changes stay and so does the command), "Nein" drops
// them, "Abbrechen" stops the command. True when the command may go on.
bool aenderungen_sichern(Dialoge& dialoge, const QString& frage, const std::function<bool()>& geaendert,
                         const std::function<void()>& speichern);

} // namespace orbela
