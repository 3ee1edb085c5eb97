#include <string>

#include "print/plan_ausdrucke.h"
#include "print/wochenblatt.h"
#include "print/wochentexte.h"

namespace orbela {

void drucke_raumplan(Druckauftrag& auftrag, const Druckdaten& daten, std::string_view kuerzel)
{
    const plantyp& plan = daten.plan;

    Druckseite s(auftrag, Ausrichtung::hochformat);
    wochenblatt_rahmen(s, plan, daten.optionen.stunden_0_8);
    for (int i = 1; i <= anzahl_stunden; ++i) {
        for (int d = 1; d <= anzahl_tage; ++d) {
            std::string klasse;
            std::string fach;
            std::string lehrer;
            for (int h = 1; h <= belegungen_je_stunde; ++h) {
                const belegungtyp& b = plan.belegung(d, i, h);
                if (!(b.raum == kuerzel))
                    continue;
                sammeln(klasse, plan.klasse((h + 1) / 2).klasse.view(), true);
                sammeln(fach, b.fach.view(), true);
                sammeln(lehrer, b.lehrer.view(), true);
            }
            wochenblatt_stunde(s, d, i, {lehrer, lehrer, klasse, fach, klasse});
        }
    }
    wochenblatt_thema(s, kuerzel);

    s.text(20, 500, 320, "Raum: " + std::string(kuerzel));
    s.stand(500, 380, daten.datum);
    s.beenden();
}

} // namespace orbela
