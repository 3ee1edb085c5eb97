#include <string>

#include "core/beschriftung.h"
#include "print/druckseite.h"
#include "print/plan_ausdrucke.h"

namespace orbela {

namespace {

// The three overview forms differ only in these.
struct Kurzform {
    int zeilen;            // lesson rows N
    int hoehe;             // row height H
    int block;             // block height B
    int versatz;           // text offset A
    int label_groesse;     // size of the lesson labels
    int erste_stunde;      // lesson printed in row 1
    bool label_folgt_null; // labels follow "Stunden 0-8"
    int raumblock_oben;    // top and bottom of the room "FÖ" block, from R
    int raumblock_unten;
};

constexpr Kurzform kurzplan{6, 25, 175, 5, 12, 1, true, 15, 24};
constexpr Kurzform kurzplan2{9, 18, 180, 2, 11, 1, true, 12, 17};
constexpr Kurzform kurzplan3{6, 25, 175, 5, 12, 2, false, 15, 24};

// Tested on the first occupancy only; a "TU" or "SW" room ends the tests.
void unterlagen(Druckseite& s, const Optionen& o, const belegungtyp& b, const Kurzform& f, int x, int r)
{
    if (o.sporthalle_gelb && ist_code(b.raum.view(), code_tu)) {
        s.unterlegen(druckfarben::turnhalle, x + 1, r + 1, x + 39, r + f.hoehe - 1);
        return;
    }
    if (o.schwimmen_blau && ist_code(b.raum.view(), code_sw)) {
        s.unterlegen(druckfarben::schwimmen, x + 1, r + 1, x + 39, r + f.hoehe - 1);
        return;
    }
    if (o.foerder_gruen && ist_code(b.fach.view(), code_foe))
        s.unterlegen(druckfarben::foerder, x + 1, r + 1, x + 39, r + f.hoehe - 1);
    if (o.foerder_gruen && ist_code(b.raum.view(), code_foe))
        s.unterlegen(druckfarben::foerder, x + 21, r + f.raumblock_oben, x + 39, r + f.raumblock_unten);
}

void drucke_kurzform(Druckauftrag& auftrag, const Druckdaten& daten, const Kurzform& f)
{
    const plantyp& plan = daten.plan;
    const Optionen& o = daten.optionen;
    constexpr int spalten = anzahl_klassen - 1;
    const int a = f.versatz;

    Druckseite s(auftrag, Ausrichtung::hochformat);
    for (int d = 1; d <= 5; ++d) {
        const int t = 200 * (d - 1);
        s.rechteck(0, t, 800, t + f.block);

        s.stiftbreite(2);
        for (int x = 40; x <= 800; x += 40)
            s.linie(x, t, x, t + f.block);
        for (int k = 1; k <= f.zeilen; ++k)
            s.linie(0, t + f.hoehe * k, 800, t + f.hoehe * k);
        s.stiftbreite(1);

        s.schriftgroesse(f.label_groesse);
        for (int k = 1; k <= f.zeilen; ++k)
            s.text(5, t + f.hoehe * k + a, stunden_label(k, f.label_folgt_null && o.stunden_0_8));
        s.schriftgroesse(12);
        for (int c = 1; c <= spalten; ++c)
            s.text(40 * c + 10, t + a, plan.klasse(c).klasse.view());

        for (int k = 1; k <= f.zeilen; ++k) {
            const int r = t + f.hoehe * k;
            for (int c = 1; c <= spalten; ++c) {
                const int x = 40 * c;
                const zellentyp& z = plan.zelle(d, k + f.erste_stunde - 1, c);
                unterlagen(s, o, z.erste, f, x, r);
                // Only a second teacher divides the cell.
                if (!z.zweite.lehrer.empty()) {
                    s.text(8, x + 1, r + a, z.erste.lehrer.view());
                    s.text(x + 21, r + a, z.zweite.lehrer.view());
                    s.linie(x + 20, r, x + 20, r + f.hoehe);
                } else {
                    s.text(12, x + 10, r + a, z.erste.lehrer.view());
                }
            }
        }
        s.text(12, 5, t + a, tagkurz(d));
    }
    s.stand(5, 1050, daten.datum);
    s.beenden();
}

} // namespace

void drucke_kurzplan(Druckauftrag& auftrag, const Druckdaten& daten)
{
    drucke_kurzform(auftrag, daten, kurzplan);
}

void drucke_kurzplan2(Druckauftrag& auftrag, const Druckdaten& daten)
{
    drucke_kurzform(auftrag, daten, kurzplan2);
}

void drucke_kurzplan3(Druckauftrag& auftrag, const Druckdaten& daten)
{
    drucke_kurzform(auftrag, daten, kurzplan3);
}

} // namespace orbela
