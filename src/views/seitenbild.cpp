#include "views/seitenbild.h"

#include "core/beschriftung.h"
#include "core/plantyp.h"
#include "views/zahltext.h"

namespace orbela {

namespace {

void grundzustand(Canvas& c)
{
    c.setze_stift_farbe(farben::schwarz);
    c.setze_stift_breite(1);
    c.setze_pinsel_farbe(farben::weiss);
    c.setze_pinsel_stil(PinselStil::voll);
}

void schrift_arial_7(Canvas& c)
{
    if (c.schrift().name != "Arial")
        c.setze_schrift_name("Arial");
    c.setze_schrift_groesse(7);
    c.setze_schrift_farbe(farben::schwarz);
    c.setze_schrift_fett(false);
}

} // namespace

void seitenbild_leeren(Canvas& c, int breite, int hoehe)
{
    grundzustand(c);
    c.rechteck(0, 0, breite, hoehe);
    schrift_arial_7(c);
}

void seitenbild_wochenkopf(Canvas& c, bool stunden_0_8, int tag_breite, int versatz)
{
    for (int l = 1; l <= anzahl_stunden; ++l)
        c.text(2, 15 * l, Zahltext(stunden_0_8 ? l - 1 : l).view());
    for (int d = 1; d <= anzahl_tage; ++d)
        c.text(tag_breite * d + versatz, 1, tagkurz(d));
}

void seitenbild_wochengitter(Canvas& c, int tag_breite)
{
    c.setze_stift_breite(1);
    for (int k = 1; k <= 7; ++k)
        c.linie(tag_breite * k, 0, tag_breite * k, 150);
    for (int k = 1; k <= 10; ++k)
        c.linie(0, 15 * k, 7 * tag_breite, 15 * k);
}

void seitenbild_zustand_nach_zeichnen(Canvas& c, int x, int y)
{
    grundzustand(c);
    schrift_arial_7(c);
    c.bewege_zu(x, y);
}

} // namespace orbela
