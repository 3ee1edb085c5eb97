#include "print/druckseite.h"

#include <cmath>
#include <limits>
#include <string>

#include "core/text_1252.h"

namespace orbela {

namespace {

int umrechnen(int v, int pixel, int einheiten)
{
    // Multiply first, then divide; nearbyint rounds an exact half to even.
    const double r = std::nearbyint(static_cast<double>(v) * pixel / einheiten);
    constexpr double grenze = std::numeric_limits<int>::max();
    return static_cast<int>(std::fmax(-grenze, std::fmin(grenze, r)));
}

} // namespace

int druck_x(const Druckauftrag& auftrag, int v)
{
    const bool hoch = auftrag.ausrichtung() == Ausrichtung::hochformat;
    return umrechnen(v, auftrag.seitenbreite(), hoch ? 800 : 1100);
}

int druck_y(const Druckauftrag& auftrag, int v)
{
    const bool hoch = auftrag.ausrichtung() == Ausrichtung::hochformat;
    return umrechnen(v, auftrag.seitenhoehe(), hoch ? 1100 : 800);
}

bool ist_code(std::string_view code_1252, std::string_view gross)
{
    return grossbuchstaben_1252(code_1252) == gross;
}

Druckseite::Druckseite(Druckauftrag& auftrag, Ausrichtung ausrichtung)
    : auftrag_(auftrag)
{
    auftrag_.beginnen(ausrichtung);
    Canvas& c = canvas();
    c.setze_schrift(Schrift{"Arial", 12, farben::schwarz, false});
    c.setze_stift_farbe(farben::schwarz);
    c.setze_stift_breite(1);
    c.setze_pinsel_stil(PinselStil::klar);
}

void Druckseite::stiftbreite(int pixel)
{
    canvas().setze_stift_breite(pixel);
}

void Druckseite::schriftgroesse(int punkte)
{
    canvas().setze_schrift_groesse(punkte);
}

void Druckseite::linie(int x1, int y1, int x2, int y2)
{
    canvas().linie(x(x1), y(y1), x(x2), y(y2));
}

void Druckseite::rechteck(int x1, int y1, int x2, int y2)
{
    canvas().rechteck(x(x1), y(y1), x(x2), y(y2));
}

void Druckseite::unterlegen(Farbe farbe, int x1, int y1, int x2, int y2)
{
    Canvas& c = canvas();
    c.setze_pinsel_farbe(farbe);
    c.setze_pinsel_stil(PinselStil::voll);
    c.fuelle_rechteck(x(x1), y(y1), x(x2), y(y2));
    c.setze_pinsel_stil(PinselStil::klar);
}

void Druckseite::text(int x_seite, int y_seite, std::string_view text_1252)
{
    canvas().text(x(x_seite), y(y_seite), text_1252);
}

void Druckseite::text(int punkte, int x_seite, int y_seite, std::string_view text_1252)
{
    schriftgroesse(punkte);
    text(x_seite, y_seite, text_1252);
}

void Druckseite::stand(int x_seite, int y_seite, std::string_view datum_1252)
{
    text(12, x_seite, y_seite, std::string("Stand: ").append(datum_1252));
}

} // namespace orbela
