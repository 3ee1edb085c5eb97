#include "views/zellrahmen.h"

#include <string>

#include "views/plan_raster.h"

namespace orbela {

namespace {

// Inside the grid lines, so that the frame is whole beside its neighbours'.
void rahmen_um(Canvas& bild, Zellort ort)
{
    using namespace raster;
    const int x = links(ort.klasse), y = oben(ort.stunde);
    bild.rechteck(x + 2, y + 2, x + spalte - 1, y + zeile - 1);
}

// The exchange's number in a filled square on the left edge, in the middle
// line of the cell (where the codes start further right).
void nummer_bei(Canvas& bild, Zellort ort, int nummer)
{
    using namespace raster;
    const int g = zellrahmen::nummer_groesse;
    const int x = links(ort.klasse) + 3, y = oben(ort.stunde) + zeile / 2 - g / 2;
    bild.setze_pinsel_stil(PinselStil::voll);
    bild.setze_pinsel_farbe(zellrahmen::kette);
    bild.setze_stift_breite(1);
    bild.rechteck(x, y, x + g, y + g);
    const std::string text = std::to_string(nummer);
    bild.text(x + (g - bild.text_breite(text)) / 2, y, text);
}

} // namespace

void zeichne_zellrahmen(Canvas& bild, int tag, const Zellrahmen& rahmen)
{
    const Stift stift = bild.stift();
    const Pinsel pinsel = bild.pinsel();
    const Schrift schrift = bild.schrift();
    bild.setze_pinsel_deckung(255);
    bild.setze_schrift_groesse(raster::klein);
    bild.setze_schrift_fett(true);
    bild.setze_schrift_farbe(farben::weiss);
    int nummer = 0;
    for (const Tausch& t : rahmen.kette) {
        ++nummer;
        for (const Zellort ort : {t.von, t.nach}) {
            if (ort.tag != tag)
                continue;
            bild.setze_pinsel_stil(PinselStil::klar);
            bild.setze_stift_farbe(zellrahmen::kette);
            bild.setze_stift_breite(zellrahmen::breite);
            rahmen_um(bild, ort);
            nummer_bei(bild, ort, nummer);
        }
    }
    if (rahmen.vorgemerkt && rahmen.vorgemerkt->tag == tag) {
        bild.setze_pinsel_stil(PinselStil::klar);
        bild.setze_stift_farbe(zellrahmen::vorgemerkt);
        bild.setze_stift_breite(zellrahmen::breite);
        rahmen_um(bild, *rahmen.vorgemerkt);
    }
    bild.setze_stift_farbe(stift.farbe);
    bild.setze_stift_breite(stift.breite);
    bild.setze_pinsel_farbe(pinsel.farbe);
    bild.setze_pinsel_stil(pinsel.stil);
    bild.setze_pinsel_deckung(pinsel.deckung);
    bild.setze_schrift(schrift);
}

} // namespace orbela
