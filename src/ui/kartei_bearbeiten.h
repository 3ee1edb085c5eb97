#pragma once

#include "core/sitzung.h"
#include "ui/dialoge.h"
#include "ui/kartei_fenster.h"

class QWidget;

namespace orbela {

// "Lehrerdatei...": loads the card file (or converts the older teacher
// file), shows the card window modally, saves the card file however the
// window was closed and rebuilds the session's teacher list. File errors are
// reported through the dialogs. The card printouts go to `druckdienst`.
void kartei_bearbeiten(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern, Druckdienst* druckdienst = nullptr);

} // namespace orbela
