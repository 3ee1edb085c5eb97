#pragma once

// A full school for the benchmarks: every cell of the week filled.

#include <memory>
#include <string>
#include <string_view>

#include "core/lehrerliste.h"
#include "core/plantyp.h"

namespace orbela::bench {

// Number and text joined by appending (what gcc 12 does not warn about).
inline std::string mit_zahl(std::string vorne, int zahl, std::string_view hinten = {})
{
    vorne += std::to_string(zahl);
    vorne += hinten;
    return vorne;
}

// Distinct two-letter codes for i = 0..675.
inline std::string kuerzel(int i)
{
    return {static_cast<char>('A' + i % 26), static_cast<char>('a' + (i / 26 + i * 7) % 26)};
}

// A school with every cell of every day filled, a quarter of them with two
// occupancies, and a teacher list of 30 cards with some blocked lessons.
struct Schule {
    std::unique_ptr<plantyp> plan = std::make_unique<plantyp>();
    Lehrerliste liste;

    Schule()
    {
        for (int i = 0; i < 30; ++i) {
            lehrereintrag e{};
            e.kuerzel = kuerzel(i);
            e.stunden = "24";
            for (int t = 0; t < anzahl_tage; ++t)
                e.gesperrt[t][(i + t) % anzahl_stunden] = i % 3 == 0 ? 1 : 0;
            liste.eintraege.push_back(e);
        }
        const char* faecher[] = {"De", "Ma", "Sa", "Ku", "Mu", "Sp", "En", "Re"};
        for (int c = 1; c <= anzahl_klassen; ++c) {
            klassentyp& k = plan->klasse(c);
            const char zug[] = {static_cast<char>('a' + (c - 1) % 5), '\0'};
            k.klasse = mit_zahl("", 1 + (c - 1) / 5, zug);
            k.klassenlehrer = kuerzel(c);
            k.klassenraum = mit_zahl("R", c);
            k.wochenstunden = "26";
        }
        for (int l = 1; l <= anzahl_stunden; ++l) {
            plan->zeit(l).beginn = mit_zahl("", 7 + l, ":00");
            plan->zeit(l).ende = mit_zahl("", 7 + l, ":45");
        }
        int n = 0;
        for (int t = 1; t <= anzahl_tage; ++t)
            for (int l = 1; l <= anzahl_stunden; ++l)
                for (int c = 1; c <= anzahl_klassen; ++c, ++n) {
                    zellentyp& z = plan->zelle(t, l, c);
                    // 32 codes for 30 cards: some doubles and unlisted ones.
                    z.erste.lehrer = kuerzel((c + l * 3 + t) % 32);
                    z.erste.fach = faecher[n % 8];
                    z.erste.raum = mit_zahl("R", (c + l) % 24);
                    z.erste.setze_verzichtbar(n % 11 == 0 ? 'v' : ' ');
                    if (n % 4 == 0) {
                        z.zweite.lehrer = kuerzel((c * 5 + l) % 32);
                        z.zweite.fach = faecher[(n + 3) % 8];
                        z.zweite.raum = mit_zahl("F", c % 4);
                    }
                }
    }
};

} // namespace orbela::bench
