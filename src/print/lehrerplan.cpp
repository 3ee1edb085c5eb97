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
    struct Lauf {
        std::string_view klasse;
        std::string fach;
        long anzahl;
    };
    std::vector<Lauf> laeufe;
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
        for (auto lauf = faecher.begin(); lauf != faecher.end();) {
            const auto ende = std::find_if(lauf, faecher.end(), [&](const std::string& f) { return f != *lauf; });
            laeufe.push_back({plan.klasse(c).klasse.view(), *lauf, ende - lauf});
            lauf = ende;
        }
    }

    // Fifteen runs to a band of three rows; further runs wrap onto further
    // bands below. Bands that would not fit above the page's end shrink
    // together with their text.
    constexpr int je_band = 15;
    constexpr int oben = 800;
    constexpr int platz = 225; // down to the total's box at the page's end
    const int baender = std::max<int>(1, (static_cast<int>(laeufe.size()) + je_band - 1) / je_band);
    const int zeile = std::max(1, std::min(25, platz / (3 * baender)));
    const int unten = oben + 3 * zeile * baender;
    s.rechteck(0, oben, 750, unten);
    s.schriftgroesse(std::max(4, 12 * zeile / 25));
    for (std::size_t n = 0; n < laeufe.size(); ++n) {
        const int x = 50 * static_cast<int>(n % je_band) + 15;
        const int y = oben + 3 * zeile * static_cast<int>(n / je_band);
        s.text(x, y + 1, laeufe[n].klasse);
        s.text(x, y + zeile + 1, laeufe[n].fach);
        s.text(x, y + 2 * zeile + 1, std::to_string(laeufe[n].anzahl));
    }
    s.schriftgroesse(12);
    s.stiftbreite(1);
    for (int x = 50; x <= 750; x += 50)
        s.linie(x, oben, x, unten);
    for (int y = oben; y <= unten; y += zeile)
        s.linie(0, y, 750, y);

    const int summe = unten + 50;
    s.rechteck(0, summe, 750, summe + 25);
    s.text(12, 15, summe + 4, "Gesamtstundenzahl: " + std::to_string(stunden));

    s.text(20, 500, 320, "Lehrer: " + std::string(kuerzel));
    s.stand(500, 380, daten.datum);
    s.beenden();
}

} // namespace orbela
