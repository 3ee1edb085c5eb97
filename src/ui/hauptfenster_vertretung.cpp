// The main window's commands of the substitution planning: the window and
// the sheets printed straight from the timetable.

#include "canvas/qt_text_1252.h"
#include "print/druckauswahl.h"
#include "print/vertretung_ausdrucke.h"
#include "ui/druckauswahl_dialog.h"
#include "ui/druckdatum.h"
#include "ui/hauptfenster.h"
#include "ui/hauptfenster_druck.h"
#include "ui/vertretungsplan_fenster.h"

namespace orbela {

void Hauptfenster::Vertretungsplan1Click()
{
    vertretungsfenster_anlegen();
    // Opening counts as activating the window; returning to it from its own
    // dialogs does not.
    if (form5_->FormActivate())
        dialoge_->modal(*form5_);
}

void Hauptfenster::vertretungsplan_wiederherstellen(const Sicherung& sicherung)
{
    // Shown as it was, without the clearing of a fresh opening.
    vertretungsfenster_anlegen();
    form5_->wiederherstellen(sicherung);
    dialoge_->modal(*form5_);
}

void Hauptfenster::vertretungsfenster_anlegen()
{
    if (form5_ == nullptr) {
        const auto druckstart = [this](const Druckbefehl& befehl, Druckziel ziel) {
            druck_->ablauf().ausfuehren(befehl, ziel);
        };
        form5_ = new VertretungsplanFenster(sitzung_, *dialoge_, druckstart, this);
    }
}

void Hauptfenster::VertretungsplanDrucken1Click()
{
    const std::vector<std::string> lehrer = auswahl_lehrer(sitzung_.plan());
    DruckauswahlDialog& form4 = druck_->form4();
    form4.fuellen(lehrer);
    if (!dialoge_->modal(form4))
        return;
    const bool mit_vorschlaegen = dialoge_->frage(QStringLiteral("Mit Vorschlägen drucken?"));
    const Druckdaten daten{sitzung_.plan(), sitzung_.optionen(), druckdatum_heute()};
    druck_->fuer_jedes(QStringLiteral("Vertretungsplan"), QStringLiteral("Vertretungspläne"), form4.gewaehlt(),
                       [&](int p) {
                           const std::string& code = lehrer[static_cast<std::size_t>(p)];
                           return Druckbefehl::Ausdruck{qstring_aus_1252(code), [&](Druckauftrag& auftrag) {
                                                            drucke_vertretungsplan(auftrag, daten,
                                                                                   sitzung_.lehrerliste(), code,
                                                                                   mit_vorschlaegen);
                                                        }};
                       });
}

} // namespace orbela
