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
    if (form5_ == nullptr) {
        const auto druckstart = [this](const QString& ausdruck, const QString& thema,
                                       const std::function<void(Druckauftrag&)>& druck) {
            druck_->drucke(ausdruck, thema, druck);
        };
        form5_ = new VertretungsplanFenster(sitzung_, *dialoge_, druckstart, this);
    }
    // Opening counts as activating the window; returning to it from its own
    // dialogs does not.
    if (form5_->FormActivate())
        dialoge_->modal(*form5_);
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
    for (int p : form4.gewaehlt()) {
        const std::string& code = lehrer[static_cast<std::size_t>(p)];
        druck_->drucke(QStringLiteral("Vertretungsplan"), qstring_aus_1252(code), [&](Druckauftrag& auftrag) {
            drucke_vertretungsplan(auftrag, daten, sitzung_.lehrerliste(), code, mit_vorschlaegen);
        });
    }
}

} // namespace orbela
