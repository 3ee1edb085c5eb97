#include "views/ablage_toenung.h"

#include <string>

#include "views/plan_raster.h"

namespace orbela {

namespace {

using namespace ablage_toenung;

// The sign of one target in its square (x, y the top left corner).
void zeichne_zeichen(Canvas& bild, int x, int y, Ablage ablage, int kette)
{
    const int g = zeichen_groesse;
    bild.setze_stift_farbe(farben::schwarz);
    bild.setze_stift_breite(2);
    if (kette > 0) {
        bild.setze_pinsel_stil(PinselStil::voll);
        bild.setze_pinsel_deckung(255);
        bild.setze_pinsel_farbe(farben::weiss);
        bild.setze_stift_breite(1);
        bild.rechteck(x, y, x + g, y + g);
        bild.setze_schrift_groesse(raster::klein);
        bild.setze_schrift_fett(true);
        bild.setze_schrift_farbe(farben::schwarz);
        const std::string zahl = std::to_string(kette);
        bild.text(x + (g - bild.text_breite(zahl)) / 2, y, zahl);
    } else if (ablage == Ablage::frei) {
        bild.linie(x + 2, y + g / 2, x + g / 2 - 1, y + g - 3);
        bild.linie(x + g / 2 - 1, y + g - 3, x + g - 1, y + 1);
    } else {
        bild.linie(x + 2, y + 2, x + g - 2, y + g - 2);
        bild.linie(x + g - 2, y + 2, x + 2, y + g - 2);
    }
}

} // namespace

void zeichne_ablageziele(Canvas& bild, const Ablageziele& ziele)
{
    using namespace raster;
    const Stift stift = bild.stift();
    const Pinsel pinsel = bild.pinsel();
    const Schrift schrift = bild.schrift();
    const bool herkunft_hier = ziele.herkunft.tag == ziele.tag;
    const auto ist_herkunft = [&](int stunde, int klasse) {
        return herkunft_hier && ziele.herkunft.stunde == stunde && ziele.herkunft.klasse == klasse;
    };

    // Inside the grid lines (width 2 at every multiple of 50 and 75).
    const auto innen = [](int stunde, int klasse, auto&& zeichne) {
        zeichne(links(klasse) + 1, oben(stunde) + 1, links(klasse) + spalte - 1, oben(stunde) + zeile - 1);
    };
    bild.setze_pinsel_stil(PinselStil::voll);
    bild.setze_pinsel_deckung(deckung);
    for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
        for (int klasse = 1; klasse <= anzahl_klassen; ++klasse) {
            if (ist_herkunft(stunde, klasse))
                continue;
            const bool frei_hier = ziele.bei(stunde, klasse) == Ablage::frei;
            bild.setze_pinsel_farbe(frei_hier                                 ? frei
                                    : ziele.kettenlaenge(stunde, klasse) > 0 ? kette
                                                                              : konflikt);
            innen(stunde, klasse, [&](int x1, int y1, int x2, int y2) { bild.fuelle_rechteck(x1, y1, x2, y2); });
        }
    }
    for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
        for (int klasse = 1; klasse <= anzahl_klassen; ++klasse) {
            if (ist_herkunft(stunde, klasse))
                continue;
            zeichne_zeichen(bild, links(klasse) + spalte - zeichen_groesse - zeichen_rand,
                            oben(stunde) + zeile - zeichen_groesse - zeichen_rand, ziele.bei(stunde, klasse),
                            ziele.kettenlaenge(stunde, klasse));
        }
    }
    if (herkunft_hier) {
        bild.setze_pinsel_stil(PinselStil::klar);
        bild.setze_stift_farbe(herkunft);
        bild.setze_stift_breite(rahmen_breite);
        innen(ziele.herkunft.stunde, ziele.herkunft.klasse,
              [&](int x1, int y1, int x2, int y2) { bild.rechteck(x1, y1, x2, y2); });
    }
    bild.setze_stift_farbe(stift.farbe);
    bild.setze_stift_breite(stift.breite);
    bild.setze_pinsel_farbe(pinsel.farbe);
    bild.setze_pinsel_stil(pinsel.stil);
    bild.setze_pinsel_deckung(pinsel.deckung);
    bild.setze_schrift(schrift);
}

} // namespace orbela
