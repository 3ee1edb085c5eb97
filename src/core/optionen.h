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
};

} // namespace orbela
