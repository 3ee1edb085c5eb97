#pragma once

namespace orbela {

// The check marks of the "Optionen" menu. They start with these defaults at
// every run; nothing stores them.
struct Optionen {
    bool doppelter_lehrereinsatz = true;  // "doppelten Lehrereinsatz anzeigen"
    bool doppelte_raumnutzung = true;     // "doppelte Raumnutzung anzeigen"
    bool klassenplan_anzeigen = true;     // "Klassenplan anzeigen"
    bool raum_lehrerplan_anzeigen = true; // "Raum/Lehrerplan anzeigen"
    bool statistik_anzeigen = true;       // "Statistik anzeigen"
    bool lehrereinsatz_anzeigen = true;   // "Lehrereinsatz anzeigen"
    bool sporthalle_gelb = true;          // Raum "tu" gelb unterlegen (Ausdruck)
    bool schwimmen_blau = true;           // Raum "sw" blau unterlegen (Ausdruck)
    bool foerder_gruen = true;            // Fach/Raum "fö" grün unterlegen (Ausdruck)
    bool klassenlehrer_unterlegen = true; // Klassenlehrer unterlegen (Ausdruck Kl-Plan quer)
    bool stunden_0_8 = false;             // "Stunden 0-8 (statt 1-9)"

    enum class Art {
        doppelter_lehrereinsatz,
        doppelte_raumnutzung,
        klassenplan_anzeigen,
        raum_lehrerplan_anzeigen,
        statistik_anzeigen,
        lehrereinsatz_anzeigen,
        sporthalle_gelb,
        schwimmen_blau,
        foerder_gruen,
        klassenlehrer_unterlegen,
        stunden_0_8,
    };
    bool& wert(Art art) { return this->*feld(art); }
    bool wert(Art art) const { return this->*feld(art); }
    // Whether the check mark changes the grid (its conflict colours or lesson
    // labels), and whether it shows or hides a side view.
    static bool betrifft_raster(Art art)
    {
        return art == Art::doppelter_lehrereinsatz || art == Art::doppelte_raumnutzung || art == Art::stunden_0_8;
    }
    static bool betrifft_seitenansicht(Art art)
    {
        return art == Art::klassenplan_anzeigen || art == Art::raum_lehrerplan_anzeigen
            || art == Art::statistik_anzeigen || art == Art::lehrereinsatz_anzeigen;
    }

private:
    static bool Optionen::*feld(Art art)
    {
        constexpr bool Optionen::*felder[] = {
            &Optionen::doppelter_lehrereinsatz, &Optionen::doppelte_raumnutzung,  &Optionen::klassenplan_anzeigen,
            &Optionen::raum_lehrerplan_anzeigen, &Optionen::statistik_anzeigen,    &Optionen::lehrereinsatz_anzeigen,
            &Optionen::sporthalle_gelb,          &Optionen::schwimmen_blau,        &Optionen::foerder_gruen,
            &Optionen::klassenlehrer_unterlegen, &Optionen::stunden_0_8,
        };
        return felder[static_cast<int>(art)];
    }
};

} // namespace orbela
