#include "views/ablage_toenung.h"

#include "views/plan_raster.h"

namespace orbela {

void zeichne_ablageziele(Canvas& bild, const Ablageziele& ziele)
{
    using namespace raster;
    const Stift stift = bild.stift();
    const Pinsel pinsel = bild.pinsel();
    const bool herkunft_hier = ziele.herkunft.tag == ziele.tag;

    // Inside the grid lines (width 2 at every multiple of 50 and 75).
    const auto innen = [](int stunde, int klasse, auto&& zeichne) {
        zeichne(links(klasse) + 1, oben(stunde) + 1, links(klasse) + spalte - 1, oben(stunde) + zeile - 1);
    };
    bild.setze_pinsel_stil(PinselStil::voll);
    bild.setze_pinsel_deckung(ablage_toenung::deckung);
    for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
        for (int klasse = 1; klasse <= anzahl_klassen; ++klasse) {
            if (herkunft_hier && ziele.herkunft.stunde == stunde && ziele.herkunft.klasse == klasse)
                continue;
            bild.setze_pinsel_farbe(ziele.bei(stunde, klasse) == Ablage::frei ? ablage_toenung::frei
                                                                               : ablage_toenung::konflikt);
            innen(stunde, klasse, [&](int x1, int y1, int x2, int y2) { bild.fuelle_rechteck(x1, y1, x2, y2); });
        }
    }
    if (herkunft_hier) {
        bild.setze_pinsel_stil(PinselStil::klar);
        bild.setze_stift_farbe(ablage_toenung::herkunft);
        bild.setze_stift_breite(ablage_toenung::rahmen_breite);
        innen(ziele.herkunft.stunde, ziele.herkunft.klasse,
              [&](int x1, int y1, int x2, int y2) { bild.rechteck(x1, y1, x2, y2); });
    }
    bild.setze_stift_farbe(stift.farbe);
    bild.setze_stift_breite(stift.breite);
    bild.setze_pinsel_farbe(pinsel.farbe);
    bild.setze_pinsel_stil(pinsel.stil);
    bild.setze_pinsel_deckung(pinsel.deckung);
}

} // namespace orbela
