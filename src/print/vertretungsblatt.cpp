#include "core/beschriftung.h"
#include "core/vertretung/vorschlaege.h"
#include "print/druckseite.h"
#include "print/vertretung_ausdrucke.h"

namespace orbela {

namespace {

// Grid, labels and lesson times of the week, on a portrait page begun.
void rahmen(Druckseite& s, const plantyp& plan, bool stunden_0_8)
{
    s.rechteck(0, 0, 700, 1000);
    s.stiftbreite(2);
    for (int k = 1; k <= 7; ++k)
        s.linie(100 * k, 0, 100 * k, 1000);
    for (int k = 1; k <= 10; ++k)
        s.linie(0, 100 * k, 700, 100 * k);
    s.stiftbreite(1);
    for (int k = 1; k <= anzahl_stunden; ++k) {
        s.linie(15, 100 * k + 25, 700, 100 * k + 25);
        s.linie(15, 100 * k + 75, 700, 100 * k + 75);
    }
    s.schriftgroesse(12);
    for (int l = 1; l <= anzahl_stunden; ++l)
        s.text(2, 100 * l + 45, stunden_label(l, stunden_0_8));
    for (int d = 1; d <= anzahl_tage; ++d)
        s.text(100 * d + 40, 15, tagkurz(d));
    s.schriftgroesse(8);
    for (int l = 1; l <= anzahl_stunden; ++l) {
        s.text(15, 100 * l + 2, plan.zeit(l).beginn.view());
        s.text(15, 100 * l + 77, plan.zeit(l).ende.view());
    }
}

void fuss(Druckseite& s, const Druckdaten& daten, std::string_view lehrer)
{
    s.schriftgroesse(12);
    s.text(15, 15, lehrer);
    std::string titel = "Vertretungsplan: ";
    titel += lehrer;
    s.text(15, 1050, titel);
    s.stand(400, 1050, daten.datum);
}

void unterricht_zeigen(Druckseite& s, int d, int l, std::string_view klasse, std::string_view fach,
                       std::string_view raum)
{
    s.schriftgroesse(12);
    s.text(100 * d + 5, 100 * l + 1, klasse);
    s.text(100 * d + 35, 100 * l + 1, fach);
    s.text(100 * d + 65, 100 * l + 1, raum);
}

} // namespace

void drucke_vertretungen(Druckauftrag& auftrag, const Druckdaten& daten, const Lehrerliste& liste,
                         const Vertretungsplan& vp)
{
    Druckseite s(auftrag, Ausrichtung::hochformat);
    rahmen(s, daten.plan, daten.optionen.stunden_0_8);
    for (int l = 1; l <= anzahl_stunden; ++l) {
        for (int d = 1; d <= anzahl_tage; ++d) {
            const vertretungtyp& e = vp.eintrag(d, l);
            unterricht_zeigen(s, d, l, e.klasse.view(), e.fach.view(), e.raum.view());
            const std::string_view vertreter = e.vertreter.view();
            const bool aufgeteilt = vertreter == vertreter_aufgeteilt;
            const bool entfaellt = vertreter == vertreter_entfaellt;
            if (aufgeteilt || entfaellt) {
                s.text(16, 100 * d + 3, 100 * l + 35, aufgeteilt ? "aufgeteilt" : "entf\xE4llt");
                continue;
            }
            s.text(16, 100 * d + 30, 100 * l + 35, vertreter);
            if (!vertreter.empty())
                s.text(10, 100 * d + 2, 100 * l + 80, vertreter_notiz(daten.plan, liste, d, l, vertreter));
        }
    }
    fuss(s, daten, vp.abwesender_lehrer);
    s.beenden();
}

void drucke_vertretungsplan(Druckauftrag& auftrag, const Druckdaten& daten, const Lehrerliste& liste,
                            std::string_view lehrer, bool mit_vorschlaegen)
{
    Druckseite s(auftrag, Ausrichtung::hochformat);
    rahmen(s, daten.plan, daten.optionen.stunden_0_8);
    for (int l = 1; l <= anzahl_stunden; ++l) {
        for (int d = 1; d <= anzahl_tage; ++d) {
            const Unterricht u = unterricht_von(daten.plan, d, l, lehrer);
            unterricht_zeigen(s, d, l, u.klasse, u.fach, u.raum);
            if (!mit_vorschlaegen || (u.klasse.empty() && u.fach.empty()))
                continue;
            const Vorschlagstexte t = vorschlagstexte(daten.plan, liste, lehrer, d, l, u.klassenspalte);
            s.schriftgroesse(8);
            s.text(100 * d + 2, 100 * l + 27, t.optimal);
            s.text(100 * d + 2, 100 * l + 42, t.ohne);
            s.text(100 * d + 2, 100 * l + 57, t.frei);
        }
    }
    fuss(s, daten, lehrer);
    s.beenden();
}

} // namespace orbela
