#include "print/wochenblatt.h"

#include "core/beschriftung.h"

namespace orbela {

void wochenblatt_rahmen(Druckseite& s, const plantyp& plan, bool stunden_0_8)
{
    s.rechteck(0, 0, 350, 750);
    s.rechteck(400, 0, 750, 250);
    s.rechteck(400, 500, 750, 750);

    s.stiftbreite(2);
    for (int x = 50; x <= 350; x += 50)
        s.linie(x, 0, x, 750);
    for (int x = 450; x <= 750; x += 50) {
        s.linie(x, 0, x, 250);
        s.linie(x, 500, x, 750);
    }
    for (int y = 75; y <= 750; y += 75)
        s.linie(0, y, 350, y);
    for (int y = 25; y <= 250; y += 25)
        s.linie(400, y, 750, y);
    for (int y = 525; y <= 750; y += 25)
        s.linie(400, y, 750, y);

    s.stiftbreite(1);
    for (int i = 1; i <= anzahl_stunden; ++i) {
        const int y = 75 * i;
        s.linie(15, y + 25, 350, y + 25);
        s.linie(15, y + 50, 350, y + 50);
    }

    s.schriftgroesse(12);
    for (int i = 1; i <= anzahl_stunden; ++i) {
        const std::string label = stunden_label(i, stunden_0_8);
        s.text(2, 75 * i + 26, label);
        s.text(415, 25 * i + 1, label);
        s.text(415, 25 * i + 501, label);
    }
    for (int d = 1; d <= anzahl_tage; ++d) {
        const int x = 50 * d;
        s.text(x + 15, 15, tagkurz(d));
        s.text(x + 415, 5, tagkurz(d));
        s.text(x + 415, 505, tagkurz(d));
    }

    s.schriftgroesse(8);
    for (int i = 1; i <= anzahl_stunden; ++i) {
        s.text(15, 75 * i + 2, plan.zeit(i).beginn.view());
        s.text(15, 75 * i + 52, plan.zeit(i).ende.view());
    }
}

void wochenblatt_stunde(Druckseite& s, int tag, int stunde, const Wochenfelder& f)
{
    const int x = 50 * tag;
    const int y = 75 * stunde;
    s.text(12, x + 15, y + 1, f.erste);
    s.text(x + 415, 25 * stunde + 1, f.oben);
    s.text(x + 415, 25 * stunde + 501, f.unten);
    s.text(10, x + 15, y + 28, f.zweite);
    s.text(x + 15, y + 53, f.dritte);
}

void wochenblatt_thema(Druckseite& s, std::string_view thema)
{
    s.text(12, 15, 15, thema);
    s.text(415, 5, thema);
    s.text(415, 505, thema);
}

} // namespace orbela
