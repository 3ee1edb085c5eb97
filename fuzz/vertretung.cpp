// A substitution file of any bytes over a plan and a teacher list of any
// bytes: a file shorter than 660 bytes fails and changes nothing; any other
// opens, saving gives back its entries byte for byte, and the week grid,
// the proposals of every lesson and both sheets draw without fault.

#include <cstring>
#include <memory>

#include "canvas/aufzeichnungs_canvas.h"
#include "core/fehler.h"
#include "core/vertretung/vorschlaege.h"
#include "core/vertretung/vtp_datei.h"
#include "fuzz_hilfe.h"
#include "print/aufzeichnungs_druckauftrag.h"
#include "print/vertretung_ausdrucke.h"
#include "views/vertretung_woche.h"

using namespace orbela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Arbeitsordner& ordner = fuzz::arbeitsordner();
    const std::size_t datei_groesse = std::min(groesse, vtp_groesse);
    ordner.schreibe("w.vtp", daten, datei_groesse);
    fuzz::Leser leser(daten + datei_groesse, groesse - datei_groesse);
    auto plan = std::make_unique<plantyp>();
    leser.kopiere(plan.get(), sizeof(plantyp));
    Lehrerliste liste;
    for (int i = 0; i < 4; ++i) {
        lehrereintrag e{};
        leser.kopiere(&e, sizeof e);
        liste.eintraege.push_back(e);
    }

    Vertretungsplan vp;
    vp.abwesender_lehrer = "Vorher";
    const std::uint8_t erstes = groesse > 0 ? daten[0] : 0;
    const Wochenstunde auswahl{1 + erstes % 6, 1 + (groesse > 1 ? daten[1] : 0) % 9};
    try {
        lade_vertretungen(ordner.pfad("w.vtp"), vp);
    } catch (const Fehler& e) {
        fuzz::pruefe(groesse < vtp_groesse, "nur eine zu kurze Datei scheitert");
        fuzz::pruefe(e.text() == "Versuch hinter dem Dateiende zu lesen", "Meldung der zu kurzen Datei");
        fuzz::pruefe(vp.abwesender_lehrer == "Vorher", "abwesender Lehrer unberührt");
        return 0;
    }
    fuzz::pruefe(groesse >= vtp_groesse, "eine zu kurze Datei scheitert");
    fuzz::pruefe(vp.abwesender_lehrer.size() <= 2, "Kürzel aus 2 Zeichen");

    speichere_vertretungen(ordner.pfad("zurueck.vtp"), vp);
    const std::string zurueck = ordner.lies("zurueck.vtp");
    fuzz::pruefe(zurueck.size() == vtp_groesse && std::memcmp(zurueck.data(), daten, 648) == 0,
                 "Einträge gespeichert wie geöffnet");

    vertretungen_aufbauen(vp, *plan);
    AufzeichnungsCanvas bild;
    zeichne_vertretungswoche(bild, vp, *plan, liste, erstes & 1, auswahl);
    // Texts start inside the image; a long one may run past its edge.
    for (const auto& op : bild.operationen()) {
        const bool text = op.art == AufzeichnungsCanvas::Art::text;
        fuzz::pruefe(op.x1 >= 0 && op.y1 >= 0 && (text ? op.x1 < 281 && op.y1 < 200 : op.x2 <= 281 && op.y2 <= 200),
                     "im Bild gezeichnet");
    }
    const Vertretungsstand stand(Vertretungswoche{}, vp);
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int s = 1; s <= anzahl_stunden; ++s) {
            const Unterricht u = unterricht_von(*plan, t, s, vp.abwesender_lehrer);
            const Vorschlagslisten l = vorschlaege(*plan, liste, vp.abwesender_lehrer, t, s, u.klasse, stand);
            fuzz::pruefe(l.optimal.size() + l.ohne_freistunden.size() + l.freie_lehrer.size()
                             <= l.alle_lehrer.size(),
                         "jeder Vorgeschlagene steht in \"alle Lehrer\"");
        }
    }
    const Optionen optionen;
    const Druckdaten druckdaten{*plan, optionen, "1.1.2000"};
    AufzeichnungsDruckauftrag blatt(800, 1100);
    drucke_vertretungen(blatt, druckdaten, liste, vp);
    AufzeichnungsDruckauftrag hauptblatt(800, 1100);
    drucke_vertretungsplan(hauptblatt, druckdaten, liste, vp.abwesender_lehrer, true);
    fuzz::pruefe(blatt.seitenzahl() == 1 && hauptblatt.seitenzahl() == 1, "eine Seite je Blatt");
    return 0;
}
