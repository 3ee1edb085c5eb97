#include "core/beschriftung.h"
#include "print/druckseite.h"
#include "print/plan_ausdrucke.h"

namespace orbela {

namespace {

// Where the underlays of one occupancy go in a cell: the band's left and
// right edge, and the left edge of the small room block.
struct Unterlagenspalte {
    int links;
    int rechts;
    int raumblock;
};

// The underlays of one occupancy in a cell whose top is y, each rule tested
// on its own: room "TU" yellow and room "SW" aqua over the room band, subject
// "FÖ" green over the subject band, room "FÖ" green over the right part of
// the room band.
void raum_fach_unterlagen(Druckseite& s, const Optionen& o, const belegungtyp& b, Unterlagenspalte sp, int y)
{
    if (o.sporthalle_gelb && ist_code(b.raum.view(), code_tu))
        s.unterlegen(druckfarben::turnhalle, sp.links, y + 51, sp.rechts, y + 74);
    if (o.schwimmen_blau && ist_code(b.raum.view(), code_sw))
        s.unterlegen(druckfarben::schwimmen, sp.links, y + 51, sp.rechts, y + 74);
    if (o.foerder_gruen && ist_code(b.fach.view(), code_foe))
        s.unterlegen(druckfarben::foerder, sp.links, y + 26, sp.rechts, y + 49);
    if (o.foerder_gruen && ist_code(b.raum.view(), code_foe))
        s.unterlegen(druckfarben::foerder, sp.raumblock, y + 62, sp.rechts, y + 74);
}

// The texts of one occupancy in one cell: the whole cell in sizes 12 and 10,
// or one half of it in size 8.
void belegung_texte(Druckseite& s, const belegungtyp& b, int x, int y, bool halb)
{
    if (halb) {
        s.text(8, x, y + 4, b.lehrer.view());
        s.text(x, y + 29, b.fach.view());
        s.text(x, y + 54, b.raum.view());
    } else {
        s.text(12, x, y + 1, b.lehrer.view());
        s.text(10, x, y + 28, b.fach.view());
        s.text(x, y + 53, b.raum.view());
    }
}

} // namespace

void drucke_plan(Druckauftrag& auftrag, const Druckdaten& daten, int tag)
{
    const plantyp& plan = daten.plan;
    const Optionen& o = daten.optionen;
    constexpr int spalten = anzahl_klassen - 1; // the grid shows columns 1..19

    Druckseite s(auftrag, Ausrichtung::querformat);
    s.rechteck(0, 0, 1000, 750);

    s.stiftbreite(2);
    for (int x = 50; x <= 1000; x += 50)
        s.linie(x, 0, x, 750);
    for (int y = 75; y <= 750; y += 75)
        s.linie(0, y, 1000, y);

    s.stiftbreite(1);
    for (int j = 1; j <= anzahl_stunden; ++j) {
        s.linie(15, 75 * j + 25, 1000, 75 * j + 25);
        s.linie(15, 75 * j + 50, 1000, 75 * j + 50);
    }
    for (int c = 1; c <= spalten; ++c)
        s.linie(50 * c + 25, 50, 50 * c + 25, 75);

    for (int c = 1; c <= spalten; ++c) {
        const klassentyp& k = plan.klasse(c);
        s.text(12, 50 * c + 15, 15, k.klasse.view());
        s.text(8, 50 * c + 4, 53, k.klassenlehrer.view());
        s.text(50 * c + 29, 53, k.klassenraum.view());
    }

    for (int j = 1; j <= anzahl_stunden; ++j) {
        s.text(8, 15, 75 * j + 2, plan.zeit(j).beginn.view());
        s.text(15, 75 * j + 52, plan.zeit(j).ende.view());
        s.text(12, 2, 75 * j + 26, stunden_label(j, o.stunden_0_8));
    }

    for (int j = 1; j <= anzahl_stunden; ++j) {
        const int y = 75 * j;
        for (int c = 1; c <= spalten; ++c) {
            const int x = 50 * c;
            const zellentyp& z = plan.zelle(tag, j, c);
            if (!z.ist_doppelt()) {
                raum_fach_unterlagen(s, o, z.erste, {x + 1, x + 49, x + 25}, y);
                belegung_texte(s, z.erste, x + 15, y, false);
            } else {
                raum_fach_unterlagen(s, o, z.erste, {x + 1, x + 24, x + 12}, y);
                belegung_texte(s, z.erste, x + 4, y, true);
                raum_fach_unterlagen(s, o, z.zweite, {x + 26, x + 49, x + 38}, y);
                belegung_texte(s, z.zweite, x + 29, y, true);
                s.linie(x + 25, y, x + 25, y + 75);
            }
        }
    }

    s.text(12, 5, 15, tagkurz(tag));
    s.stand(5, 780, daten.datum);
    s.beenden();
}

} // namespace orbela
