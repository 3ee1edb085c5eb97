#include "views/seitenbild.h"

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

void seitenbild_zustand_nach_zeichnen(Canvas& c, int x, int y)
{
    grundzustand(c);
    schrift_arial_7(c);
    c.bewege_zu(x, y);
}

} // namespace orbela
