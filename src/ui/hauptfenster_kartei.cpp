// The "Lehrerdatei..." command of the main window.

#include "ui/hauptfenster.h"
#include "ui/kartei_bearbeiten.h"
#include "views/plan_ansicht.h"

namespace orbela {

void Hauptfenster::Lehrerdatei1Click()
{
    kartei_bearbeiten(sitzung_, *dialoge_, this);
    // The codes, lesson counts and blocked lessons may have changed: the
    // conflict colours and side views are drawn anew.
    if (!sitzung_.kein_plan()) {
        ansicht_->leere_felder();
        neu_zeichnen();
        zeige_seite(Seite::leer);
    }
}

} // namespace orbela
