#include "views/gesperrte_stunden.h"

#include "core/beschriftung.h"
#include "views/zahltext.h"

namespace orbela {

namespace {
constexpr int spalte = 20;
constexpr int zeile = 15;
} // namespace

void zeichne_gesperrte_stunden(Canvas& c, const kartentyp& karte, bool stunden_0_8)
{
    c.setze_stift_farbe(farben::schwarz);
    c.setze_stift_breite(1);
    c.setze_pinsel_farbe(farben::weiss);
    c.setze_pinsel_stil(PinselStil::voll);
    c.rechteck(0, 0, gesperrte_stunden_breite, gesperrte_stunden_hoehe);

    c.setze_schrift(Schrift{"Arial", 8, farben::schwarz, false});
    for (int l = 1; l <= 9; ++l)
        c.text(2, zeile * l, Zahltext(stunden_0_8 ? l - 1 : l).view());
    for (int d = 1; d <= 6; ++d)
        c.text(spalte * d + 3, 1, tagkurz(d));

    for (int k = 1; k <= 7; ++k)
        c.linie(spalte * k, 0, spalte * k, gesperrte_stunden_hoehe);
    for (int k = 1; k <= 10; ++k)
        c.linie(0, zeile * k, gesperrte_stunden_breite, zeile * k);

    for (int d = 1; d <= 6; ++d) {
        for (int l = 1; l <= 9; ++l) {
            if (!karte.ist_gesperrt(d, l))
                continue;
            const int x = spalte * d;
            const int y = zeile * l;
            c.setze_stift_breite(2);
            c.setze_stift_farbe(farben::rot);
            c.linie(x + 1, y + 1, x + 19, y + 14);
            c.linie(x + 1, y + 14, x + 19, y + 1);
            c.setze_stift_breite(1);
            c.setze_stift_farbe(farben::schwarz);
        }
    }
}

bool gesperrte_stunde_umschalten(kartentyp& karte, int x, int y)
{
    if (x < 0 || y < 0)
        return false;
    const int d = x / spalte;
    const int l = y / zeile;
    if (d < 1 || d > 6 || l < 1 || l > 9)
        return false;
    std::uint8_t& flag = karte.gesperrt[d - 1][l - 1];
    flag = flag == 1 ? 0 : 1;
    return true;
}

} // namespace orbela
