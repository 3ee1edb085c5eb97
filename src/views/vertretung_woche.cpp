#include "views/vertretung_woche.h"

#include "core/beschriftung.h"

namespace orbela {

void zeichne_vertretungswoche(Canvas& c, const Vertretungsplan& vp, const plantyp& plan,
                              const Lehrerliste& liste, bool stunden_0_8)
{
    c.setze_stift_farbe(farben::schwarz);
    c.setze_stift_breite(1);
    c.setze_pinsel_farbe(farben::weiss);
    c.setze_pinsel_stil(PinselStil::voll);
    c.rechteck(0, 0, vertretung_woche_breite, vertretung_woche_hoehe);
    for (int k = 1; k <= 7; ++k)
        c.linie(40 * k, 0, 40 * k, 200);
    for (int k = 1; k <= 10; ++k)
        c.linie(0, 20 * k, 280, 20 * k);

    c.setze_schrift(Schrift{"Arial", 9, farben::schwarz, false});
    for (int l = 1; l <= anzahl_stunden; ++l)
        c.text(2, 20 * l + 2, stunden_label(l, stunden_0_8));
    for (int d = 1; d <= anzahl_tage; ++d)
        c.text(40 * d + 10, 2, tagkurz(d));

    for (int l = 1; l <= anzahl_stunden; ++l) {
        for (int d = 1; d <= anzahl_tage; ++d) {
            const vertretungtyp& e = vp.eintrag(d, l);
            if (e.vertreter.empty()) {
                const Unterricht u = unterricht_von(plan, d, l, vp.abwesender_lehrer);
                c.text(40 * d + 2, 20 * l + 1, u.klasse);
                c.text(40 * d + 20, 20 * l + 1, u.fach);
            } else {
                const bool frei = vertreter_frei(plan, liste, d, l, e.vertreter.view());
                c.setze_schrift_farbe(frei ? vertreter_gruen : farben::rot);
                c.text(40 * d + 10, 20 * l + 1, e.vertreter.view());
                c.setze_schrift_farbe(farben::schwarz);
            }
        }
    }
    if (vp.hat_auswahl())
        zeichne_wahlmarke(c, vp.wahl_tag, vp.wahl_stunde, farben::rot);
}

void zeichne_wahlmarke(Canvas& c, int tag, int stunde, Farbe farbe)
{
    c.setze_stift_farbe(farbe);
    const int y = 20 * stunde;
    c.linie(40 * tag + 1, y + 1, 40 * tag + 1, y + 19);
    c.linie(40 * tag + 39, y + 1, 40 * tag + 39, y + 19);
    c.setze_stift_farbe(farben::schwarz);
}

} // namespace orbela
