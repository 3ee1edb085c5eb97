// The main window's commands of the substitution planning.

#include "ui/hauptfenster.h"
#include "ui/vertretungsplan_fenster.h"

namespace orbela {

void Hauptfenster::Vertretungsplan1Click()
{
    // Opening counts as activating the window; returning to it from its own
    // dialogs does not.
    form5_->FormActivate();
    dialoge_->modal(*form5_);
}

} // namespace orbela
