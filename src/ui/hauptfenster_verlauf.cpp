// Undo and redo of the main window: the plan comes back from the session's
// history and everything that shows it is drawn anew.

#include <QAction>

#include "ui/hauptfenster.h"
#include "views/plan_ansicht.h"

namespace orbela {

void Hauptfenster::Rueckgaengig1Click()
{
    if (sitzung_.rueckgaengig())
        verlauf_zeigen();
}

void Hauptfenster::Wiederholen1Click()
{
    if (sitzung_.wiederholen())
        verlauf_zeigen();
}

void Hauptfenster::verlauf_zeigen()
{
    neu_zeichnen();
    // The open page shows the restored codes; its fields now match the plan,
    // so writing them back changes nothing. The selected cell or header is
    // drawn again with its side views.
    const Auswahl& a = sitzung_.auswahl();
    switch (seite()) {
    case Seite::plan:
        setze_zellen_felder(a.akt_stunde, a.akt_klasse);
        zeige_zellenstatus(a.akt_stunde, a.akt_klasse);
        ansicht_->feld(a.akt_tag, a.akt_stunde, true, a.akt_klasse);
        break;
    case Seite::klassen:
        setze_klassen_felder(a.akt_klasse);
        ansicht_->feld(a.akt_tag, 0, true, a.akt_klasse);
        break;
    case Seite::stunden:
        setze_zeit_felder(a.akt_stunde);
        ansicht_->feld(a.akt_tag, a.akt_stunde, true, 0);
        break;
    case Seite::leer:
        break;
    }
}

void Hauptfenster::verlauf_menue_setzen()
{
    menue_.Rueckgaengig1->setEnabled(sitzung_.kann_rueckgaengig());
    menue_.Wiederholen1->setEnabled(sitzung_.kann_wiederholen());
}

} // namespace orbela
