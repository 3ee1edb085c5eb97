#include <string>

#include "core/strichliste.h"
#include "print/plan_ausdrucke.h"
#include "print/wochenblatt.h"

namespace orbela {

namespace {

// A divided lesson: both occupancies in size 8 in the main table, the two
// teachers in the upper and the two subjects in the lower small table, each
// table's cell divided by a line.
void geteilte_stunde(Druckseite& s, const zellentyp& z, int tag, int stunde)
{
    const int x = 50 * tag;
    const int y = 75 * stunde;
    const int zeile = 25 * stunde;
    s.schriftgroesse(8);
    for (const auto& [b, dx] : {std::pair{&z.erste, 4}, std::pair{&z.zweite, 29}}) {
        s.text(x + dx, y + 4, b->lehrer.view());
        s.text(x + dx, y + 29, b->fach.view());
        s.text(x + dx, y + 54, b->raum.view());
    }
    s.linie(x + 25, y, x + 25, y + 75);
    s.text(x + 404, zeile + 4, z.erste.lehrer.view());
    s.text(x + 429, zeile + 4, z.zweite.lehrer.view());
    s.linie(x + 425, zeile, x + 425, zeile + 25);
    s.text(x + 404, zeile + 504, z.erste.fach.view());
    s.text(x + 429, zeile + 504, z.zweite.fach.view());
    s.linie(x + 425, 500 + zeile, x + 425, 525 + zeile);
}

// The first 15 entries of a tally, code over count, in the box whose top is y.
void strichliste_drucken(Druckseite& s, const Strichliste& liste, int y)
{
    for (int k = 1; k <= 15; ++k) {
        const Strichliste::Eintrag& e = liste.eintrag(k);
        if (e.code.empty())
            continue;
        s.text(50 * (k - 1) + 15, y + 1, e.code.view());
        s.text(50 * (k - 1) + 15, y + 26, std::to_string(e.zahl));
    }
}

} // namespace

void drucke_klassenplan(Druckauftrag& auftrag, const Druckdaten& daten, int klasse)
{
    const plantyp& plan = daten.plan;
    const klassentyp& k = plan.klasse(klasse);

    Druckseite s(auftrag, Ausrichtung::hochformat);
    wochenblatt_rahmen(s, plan, daten.optionen.stunden_0_8);
    for (int i = 1; i <= anzahl_stunden; ++i) {
        for (int d = 1; d <= anzahl_tage; ++d) {
            const zellentyp& z = plan.zelle(d, i, klasse);
            if (z.ist_doppelt()) {
                geteilte_stunde(s, z, d, i);
            } else {
                const belegungtyp& b = z.erste;
                wochenblatt_stunde(s, d, i,
                                   {b.lehrer.view(), b.lehrer.view(), b.fach.view(), b.fach.view(), b.raum.view()});
            }
        }
    }

    s.linie(25, 50, 25, 75);
    wochenblatt_thema(s, k.klasse.view());
    s.text(8, 4, 53, k.klassenlehrer.view());
    s.text(29, 53, k.klassenraum.view());

    s.rechteck(0, 800, 750, 850);
    s.schriftgroesse(12);
    s.rechteck(0, 900, 750, 950);

    // Each teacher place counts; a subject counts once per lesson.
    Strichliste lehrer;
    Strichliste faecher;
    int stunden = 0;
    for (int d = 1; d <= anzahl_tage; ++d) {
        for (int i = 1; i <= anzahl_stunden; ++i) {
            const zellentyp& z = plan.zelle(d, i, klasse);
            if (!z.erste.lehrer.empty())
                lehrer.zaehle(z.erste.lehrer.view());
            if (!z.zweite.lehrer.empty())
                lehrer.zaehle(z.zweite.lehrer.view());
            if (!z.erste.fach.empty())
                faecher.zaehle(z.erste.fach.view());
            if (!z.zweite.fach.empty() && !(z.zweite.fach == z.erste.fach))
                faecher.zaehle(z.zweite.fach.view());
            if (!z.erste.lehrer.empty() || !z.zweite.lehrer.empty())
                ++stunden;
        }
    }
    strichliste_drucken(s, lehrer, 800);
    strichliste_drucken(s, faecher, 900);

    s.stiftbreite(1);
    for (int x = 50; x <= 750; x += 50) {
        s.linie(x, 800, x, 850);
        s.linie(x, 900, x, 950);
    }
    for (int y : {800, 825, 850, 900, 925, 950})
        s.linie(0, y, 750, y);

    s.rechteck(0, 1000, 750, 1025);
    s.text(12, 15, 1004, "Gesamtstundenzahl: " + std::to_string(stunden));

    s.text(20, 500, 320, "Klasse: " + k.klasse.str());
    s.text(12, 500, 380, "Lehrer: " + k.klassenlehrer.str());
    s.stand(500, 410, daten.datum);
    s.beenden();
}

} // namespace orbela
