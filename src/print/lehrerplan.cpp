#include <algorithm>
#include <string>
#include <vector>

#include "print/plan_ausdrucke.h"
#include "print/wochenblatt.h"
#include "print/wochentexte.h"

namespace orbela {

void drucke_lehrerplan(Druckauftrag& auftrag, const Druckdaten& daten, std::string_view kuerzel)
{
    const plantyp& plan = daten.plan;

    Druckseite s(auftrag, Ausrichtung::hochformat);
    wochenblatt_rahmen(s, plan, daten.optionen.stunden_0_8);
    int stunden = 0;
    for (int i = 1; i <= anzahl_stunden; ++i) {
        for (int d = 1; d <= anzahl_tage; ++d) {
            std::string klasse;
            std::string fach;
            std::string raum;
            bool belegt = false;
            for (int h = 1; h <= belegungen_je_stunde; ++h) {
                const belegungtyp& b = plan.belegung(d, i, h);
                if (!(b.lehrer == kuerzel))
                    continue;
                belegt = true;
                sammeln(klasse, plan.klasse((h + 1) / 2).klasse.view(), true);
                sammeln(fach, b.fach.view(), false);
                sammeln(raum, b.raum.view(), false);
            }
            if (belegt)
                ++stunden;
            wochenblatt_stunde(s, d, i, {klasse, klasse, fach, fach, raum});
        }
    }
    wochenblatt_thema(s, kuerzel);

    // The breakdown: per class column, the teacher's subjects there sorted by
    // their bytes, one column of the box for each run of equal subjects.
    s.rechteck(0, 800, 750, 875);
    s.schriftgroesse(12);
    int n = 0;
    for (int c = 1; c <= anzahl_klassen; ++c) {
        std::vector<std::string> faecher;
        for (int d = 1; d <= anzahl_tage; ++d) {
            for (int i = 1; i <= anzahl_stunden; ++i) {
                const zellentyp& z = plan.zelle(d, i, c);
                if (z.erste.lehrer == kuerzel)
                    faecher.push_back(z.erste.fach.str());
                if (z.zweite.lehrer == kuerzel)
                    faecher.push_back(z.zweite.fach.str());
            }
        }
        std::sort(faecher.begin(), faecher.end(), [](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                [](char x, char y) { return static_cast<unsigned char>(x)
                                                                             < static_cast<unsigned char>(y); });
        });
        for (auto lauf = faecher.begin(); lauf != faecher.end(); ++n) {
            const auto ende = std::find_if(lauf, faecher.end(), [&](const std::string& f) { return f != *lauf; });
            const int x = 50 * n + 15;
            s.text(x, 801, plan.klasse(c).klasse.view());
            s.text(x, 826, *lauf);
            s.text(x, 851, std::to_string(ende - lauf));
            lauf = ende;
        }
    }
    s.stiftbreite(1);
    for (int x = 50; x <= 750; x += 50)
        s.linie(x, 800, x, 875);
    for (int y = 800; y <= 875; y += 25)
        s.linie(0, y, 750, y);

    s.rechteck(0, 925, 750, 950);
    s.text(12, 15, 929, "Gesamtstundenzahl: " + std::to_string(stunden));

    s.text(20, 500, 320, "Lehrer: " + std::string(kuerzel));
    s.stand(500, 380, daten.datum);
    s.beenden();
}

} // namespace orbela
