// The main window's commands of the substitution planning.

#include "ui/druckausgabe.h"
#include "ui/hauptfenster.h"
#include "ui/vertretungsplan_fenster.h"

namespace orbela {

void Hauptfenster::Vertretungsplan1Click()
{
    if (form5_ == nullptr) {
        const auto druckstart = [this](const QString& ausdruck, const QString& thema,
                                       const std::function<void(Druckauftrag&)>& druck) {
            Druckausgabe ausgabe(sitzung_.programmpfad());
            druck(*ausgabe.auftrag(ausdruck, thema));
        };
        form5_ = new VertretungsplanFenster(sitzung_, *dialoge_, druckstart, this);
    }
    // Opening counts as activating the window; returning to it from its own
    // dialogs does not.
    form5_->FormActivate();
    dialoge_->modal(*form5_);
}

} // namespace orbela
