#include "views/plan_ansicht.h"

#include "core/beschriftung.h"
#include "views/plan_raster.h"

namespace orbela {

using namespace raster;

namespace {

// The font of the hidden label the grid takes its typeface from.
const Schrift label_schrift{"Arial", gross, farben::schwarz, false};

bool ist_tag(int tag) { return tag >= 1 && tag <= anzahl_tage; }

// Class teacher and class room under the class name.
void zeichne_klassenkopf(Canvas& bild, const klassentyp& k, int klasse)
{
    const int x = links(klasse);
    schreibe(bild, {x + 15, 15, gross}, k.klasse.view());
    schreibe(bild, {x + 4, 53, klein}, k.klassenlehrer.view());
    schreibe(bild, {x + 29, 53, klein}, k.klassenraum.view());
}

// The short lines of the header column, begin and end time, and the label.
void zeichne_stundenkopf(Canvas& bild, const stundentyp& zeit, const std::string& label,
                         int stunde)
{
    const int y = oben(stunde);
    bild.linie(15, y + 25, spalte, y + 25);
    bild.linie(15, y + 50, spalte, y + 50);
    schreibe(bild, {15, y + 2, klein}, zeit.beginn.view());
    schreibe(bild, {15, y + 52, klein}, zeit.ende.view());
    schreibe(bild, {2, y + 26, gross}, label);
}

// A green box marking a dispensable occupancy; afterwards the pen is black
// and the brush the cell's background again.
void zeichne_kaestchen(Canvas& bild, int x1, int y1, int x2, int y2, Farbe hintergrund)
{
    bild.setze_pinsel_farbe(farben::gruen);
    bild.setze_stift_farbe(farben::gruen);
    bild.rechteck(x1, y1, x2, y2);
    bild.setze_stift_farbe(farben::schwarz);
    bild.setze_pinsel_farbe(hintergrund);
}

void zeichne_belegung(Canvas& bild, const belegungtyp& b, bool zweite, int stunde, int klasse)
{
    schreibe(bild, geteilt(Code::lehrer, zweite, stunde, klasse), b.lehrer.view());
    schreibe(bild, geteilt(Code::fach, zweite, stunde, klasse), b.fach.view());
    schreibe(bild, geteilt(Code::raum, zweite, stunde, klasse), b.raum.view());
}

// The codes of one cell in its single or split layout. With `hintergrund`
// given, dispensable occupancies get their green box (only `feld` does that).
void zeichne_zelle(Canvas& bild, const zellentyp& z, int stunde, int klasse,
                   const Farbe* hintergrund)
{
    const int x = links(klasse);
    const int y = oben(stunde);
    if (!z.ist_doppelt()) {
        schreibe(bild, einzeln(Code::lehrer, stunde, klasse), z.erste.lehrer.view());
        schreibe(bild, einzeln(Code::fach, stunde, klasse), z.erste.fach.view());
        schreibe(bild, einzeln(Code::raum, stunde, klasse), z.erste.raum.view());
        if (hintergrund != nullptr && z.erste.ist_verzichtbar())
            zeichne_kaestchen(bild, x + 40, y + 16, x + 49, y + 25, *hintergrund);
        return;
    }
    zeichne_belegung(bild, z.erste, false, stunde, klasse);
    if (hintergrund != nullptr && z.erste.ist_verzichtbar())
        zeichne_kaestchen(bild, x + 15, y + 16, x + 25, y + 25, *hintergrund);
    zeichne_belegung(bild, z.zweite, true, stunde, klasse);
    if (hintergrund != nullptr && z.zweite.ist_verzichtbar())
        zeichne_kaestchen(bild, x + 39, y + 16, x + 49, y + 25, *hintergrund);
    bild.linie(x + 25, y, x + 25, y + zeile);
}

} // namespace

PlanAnsicht::PlanAnsicht(const plantyp& plan, const Optionen& optionen, const Lehrerliste& liste,
                         Bildflaechen bilder, AnsichtsHost& host)
    : plan_(plan)
    , optionen_(optionen)
    , liste_(liste)
    , bilder_(bilder)
    , host_(host)
{
}

void PlanAnsicht::aufbau_plan()
{
    Canvas& bild = bilder_(1);
    bild.setze_schrift(label_schrift);
    host_.statuszeilen_leeren();

    // Blank the whole image with whatever pen and brush are set (white).
    bild.rechteck(0, 0, bild_breite, bild_hoehe);

    bild.setze_stift_breite(2);
    for (int k = 1; k <= anzahl_klassen; ++k)
        bild.linie(links(k), 0, links(k), bild_hoehe);
    for (int k = 1; k <= anzahl_stunden + 1; ++k)
        bild.linie(0, oben(k), bild_breite, oben(k));

    bild.setze_stift_breite(1);
    for (int k = 1; k <= anzahl_stunden; ++k) {
        bild.linie(15, oben(k) + 25, bild_breite, oben(k) + 25);
        bild.linie(15, oben(k) + 50, bild_breite, oben(k) + 50);
    }
    for (int k = 1; k <= anzahl_klassen; ++k)
        bild.linie(links(k) + 25, 50, links(k) + 25, zeile);

    for (int l = 1; l <= anzahl_stunden; ++l)
        schreibe(bild, {2, oben(l) + 26, gross}, stunden_label(l, optionen_.stunden_0_8));
    for (int c = 1; c <= anzahl_klassen; ++c)
        zeichne_klassenkopf(bild, plan_.klasse(c), c);
    for (int l = 1; l <= anzahl_stunden; ++l)
        zeichne_stundenkopf(bild, plan_.zeit(l), stunden_label(l, optionen_.stunden_0_8), l);
}

void PlanAnsicht::anzeigen(int tag)
{
    if (!ist_tag(tag))
        return;
    Canvas& bild = bilder_(1);
    for (int l = 1; l <= anzahl_stunden; ++l) {
        // Column 20 is not visible; only the checks draw into it.
        for (int c = 1; c < anzahl_klassen; ++c)
            zeichne_zelle(bild, plan_.zelle(tag, l, c), l, c, nullptr);
        check_1(tag, l, false, anzahl_klassen);
        check_2(tag, l, false, anzahl_klassen);
    }
    schreibe(bild, {5, 15, gross}, tagkurz(tag));
    host_.tag_reiter_setzen(tag);
}

void PlanAnsicht::feld(int tag, int stunde, bool hervorgehoben, int klasse)
{
    if (!ist_tag(tag) || stunde < 0 || stunde > anzahl_stunden || klasse < 0
        || klasse > anzahl_klassen)
        return;
    Canvas& bild = bilder_(1);
    const Farbe hintergrund = hervorgehoben ? farben::gelb : farben::weiss;
    const int x = links(klasse);
    const int y = oben(stunde);

    bild.setze_pinsel_farbe(hintergrund);
    bild.setze_stift_breite(1);
    bild.setze_stift_farbe(farben::schwarz);
    bild.rechteck(x, y, x + spalte, y + zeile);

    if (stunde == 0 && klasse == 0) {
        schreibe(bild, {5, 15, gross}, tagkurz(tag));
    } else if (stunde == 0) {
        bild.linie(x + 25, 50, x + 25, zeile);
        zeichne_klassenkopf(bild, plan_.klasse(klasse), klasse);
    } else if (klasse == 0) {
        zeichne_stundenkopf(bild, plan_.zeit(stunde), stunden_label(stunde, optionen_.stunden_0_8),
                            stunde);
    } else {
        bild.linie(x, y + 25, x + spalte, y + 25);
        bild.linie(x, y + 50, x + spalte, y + 50);
        const zellentyp& z = plan_.zelle(tag, stunde, klasse);
        zeichne_zelle(bild, z, stunde, klasse, &hintergrund);
        check_1(tag, stunde, hervorgehoben, klasse);
        check_2(tag, stunde, hervorgehoben, klasse);
        aufbau_lehrerplan(z.erste.lehrer.view(), z.zweite.lehrer.view());
        aufbau_raumplan(z.erste.raum.view(), z.zweite.raum.view());
        aufbau_statistik();
        aufbau_klassenplan(klasse);
        aufbau_lehrer(tag, stunde, klasse);
    }
    // Also after the corner, so no later drawing inherits the yellow.
    bild.setze_pinsel_farbe(farben::weiss);
}

void PlanAnsicht::leere_felder()
{
    struct Groesse {
        int bild, breite, hoehe;
    };
    static constexpr Groesse groessen[] = {
        {2, 140, 150}, {3, 140, 150}, {4, 140, 150}, {5, 140, 150}, {6, 500, 100},
        {7, 280, 151}, {8, 80, 151},  {9, 80, 151},  {10, 500, 61}, {11, 500, 61},
    };
    for (const Groesse& g : groessen)
        bilder_(g.bild).rechteck(0, 0, g.breite, g.hoehe);
    seitenansichten_vergessen();
}

void PlanAnsicht::neu_zeichnen(int tag)
{
    aufbau_plan();
    anzeigen(tag);
}

void PlanAnsicht::zeige_aenderung(const Aenderung& aenderung, const Auswahl& a, bool kein_plan)
{
    const Zellort& o = aenderung.ort;
    const auto gewaehlt = [&](int stunde, int klasse) { return a.akt_stunde == stunde && a.akt_klasse == klasse; };
    switch (aenderung.art) {
    case Aenderung::Art::zelle:
        if (o.tag == a.akt_tag)
            feld(o.tag, o.stunde, gewaehlt(o.stunde, o.klasse), o.klasse);
        break;
    case Aenderung::Art::stunde:
        feld(a.akt_tag, o.stunde, gewaehlt(o.stunde, 0), 0);
        break;
    case Aenderung::Art::klasse:
        feld(a.akt_tag, 0, gewaehlt(0, o.klasse), o.klasse);
        break;
    case Aenderung::Art::neuer_plan:
        leere_felder();
        [[fallthrough]];
    case Aenderung::Art::alles:
        neu_zeichnen(a.akt_tag);
        break;
    case Aenderung::Art::datei:
        break;
    case Aenderung::Art::option:
        if (Optionen::betrifft_raster(aenderung.option))
            neu_zeichnen(a.akt_tag);
        else if (Optionen::betrifft_seitenansicht(aenderung.option))
            leere_felder();
        break;
    case Aenderung::Art::kartei:
        // The codes, lesson counts and blocked lessons may have changed.
        if (!kein_plan) {
            leere_felder();
            neu_zeichnen(a.akt_tag);
        }
        break;
    }
}

} // namespace orbela
