#include "views/vertretung_woche.h"

#include "core/beschriftung.h"

namespace orbela {

namespace {

constexpr int sp = vertretung_spalte;
constexpr int ze = vertretung_zeile;

} // namespace

void zeichne_vertretungswoche(Canvas& c, const Vertretungsplan& vp, const plantyp& plan,
                              const Lehrerliste& liste, bool stunden_0_8, Wochenstunde auswahl)
{
    c.setze_stift_farbe(farben::schwarz);
    c.setze_stift_breite(1);
    c.setze_pinsel_farbe(farben::weiss);
    c.setze_pinsel_stil(PinselStil::voll);
    c.rechteck(0, 0, vertretung_woche_breite, vertretung_woche_hoehe);
    for (int k = 1; k <= anzahl_tage + 1; ++k)
        c.linie(sp * k, 0, sp * k, ze * (anzahl_stunden + 1));
    for (int k = 1; k <= anzahl_stunden + 1; ++k)
        c.linie(0, ze * k, sp * (anzahl_tage + 1), ze * k);

    c.setze_schrift(Schrift{"Arial", 9, farben::schwarz, false});
    for (int l = 1; l <= anzahl_stunden; ++l)
        c.text(2, ze * l + 2, stunden_label(l, stunden_0_8));
    for (int d = 1; d <= anzahl_tage; ++d)
        c.text(sp * d + 10, 2, tagkurz(d));

    for (int l = 1; l <= anzahl_stunden; ++l) {
        for (int d = 1; d <= anzahl_tage; ++d) {
            const vertretungtyp& e = vp.eintrag(d, l);
            if (e.vertreter.empty()) {
                const Unterricht u = unterricht_von(plan, d, l, vp.abwesender_lehrer);
                c.text(sp * d + 2, ze * l + 1, u.klasse);
                c.text(sp * d + 20, ze * l + 1, u.fach);
            } else {
                const bool frei = vertreter_frei(plan, liste, d, l, e.vertreter.view());
                c.setze_schrift_farbe(frei ? vertreter_gruen : farben::rot);
                c.text(sp * d + 10, ze * l + 1, e.vertreter.view());
                c.setze_schrift_farbe(farben::schwarz);
            }
        }
    }
    if (auswahl.gesetzt())
        zeichne_wahlmarke(c, auswahl, farben::rot);
}

void zeichne_wahlmarke(Canvas& c, Wochenstunde stunde, Farbe farbe)
{
    c.setze_stift_farbe(farbe);
    const int x = sp * stunde.tag;
    const int y = ze * stunde.stunde;
    c.linie(x + 1, y + 1, x + 1, y + ze - 1);
    c.linie(x + sp - 1, y + 1, x + sp - 1, y + ze - 1);
    c.setze_stift_farbe(farben::schwarz);
}

std::optional<Wochenstunde> vertretung_woche_treffer(int x, int y)
{
    if (x < 0 || y < 0)
        return std::nullopt;
    const Wochenstunde s{x / sp, y / ze};
    if (s.tag < 1 || s.tag > anzahl_tage || s.stunde < 1 || s.stunde > anzahl_stunden)
        return std::nullopt;
    return s;
}

} // namespace orbela
