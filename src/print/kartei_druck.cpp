#include "print/kartei_druck.h"

#include <algorithm>
#include <vector>

#include "core/geburtstage.h"
#include "print/listenzeilen.h"
#include "print/text_kuerzen.h"

namespace orbela {

namespace {

constexpr int wert_punkte = 10;
constexpr int beschriftung_punkte = 8;

void schrift(Druckseite& seite, int punkte, bool fett)
{
    seite.canvas().setze_schrift(Schrift{"Arial", punkte, farben::schwarz, fett});
}

// A frame of four lines through the corners.
void rahmen(Druckseite& seite, int x1, int y1, int x2, int y2)
{
    seite.linie(x1, y1, x2, y1);
    seite.linie(x2, y1, x2, y2);
    seite.linie(x2, y2, x1, y2);
    seite.linie(x1, y2, x1, y1);
}

constexpr std::string_view monatsnamen[12] = {
    "Januar", "Februar", "M\xE4rz",    "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember",
};

} // namespace

void drucke_feld(Druckseite& seite, int x1, int y1, int x2, int y2, std::string_view beschriftung_1252,
                 std::string_view wert_1252)
{
    rahmen(seite, x1, y1, x2, y2);
    schrift(seite, wert_punkte, false);
    seite.text(x1 + 5, y1 + 9, wert_1252);
    schrift(seite, beschriftung_punkte, false);
    seite.text(x1 + 1, y1 + 1, beschriftung_1252);
}

void drucke_adressliste(Druckauftrag& auftrag, const Kartei& kartei, bool nur_lehrer)
{
    Druckseite seite(auftrag, Ausrichtung::hochformat);
    Listenzeilen zeilen;
    for (int i = 1; i <= kartei.anzahl(); ++i) {
        const kartentyp& k = kartei.karte_nr(i);
        if (nur_lehrer && k.ist_lehrer == 0)
            continue;
        const Listenzeilen::Platz p = zeilen.naechste();
        if (p.neue_seite_vorher)
            seite.neue_seite();
        drucke_feld(seite, 50, p.y, 250, p.y + 30, "Name", k.nachname.view());
        drucke_feld(seite, 250, p.y, 450, p.y + 30, "Stra\xDF" "e", k.strasse.view());
        drucke_feld(seite, 450, p.y, 650, p.y + 30, "PLZ Ort", k.ort.view());
        drucke_feld(seite, 650, p.y, 750, p.y + 30, "Telefon", k.telefon.view());
    }
    seite.beenden();
}

void drucke_geburtstagskalender(Druckauftrag& auftrag, const Kartei& kartei)
{
    Druckseite seite(auftrag, Ausrichtung::hochformat);
    rahmen(seite, 50, 50, 750, 80);
    schrift(seite, wert_punkte, true);
    seite.text(330, 55, "Geburtstagskalender");

    for (int m = 1; m <= 12; ++m) {
        const int bx = 250 * ((m - 1) % 3) + 50;
        const int by = 250 * ((m - 1) / 3) + 130;
        rahmen(seite, bx, by, bx + 200, by + 200);
        seite.linie(bx, by + 30, bx + 200, by + 30);
        schrift(seite, wert_punkte, true);
        seite.text(bx + 70, by + 5, monatsnamen[m - 1]);
        // Eleven lines of 15 units fit into a box. A longer month closes up
        // its lines, in a smaller font, rather than writing into the box
        // below or off the page.
        const std::vector<int> karten = geburtstage_im_monat(kartei, m);
        const int anzahl = static_cast<int>(karten.size());
        const int abstand = anzahl > 11 ? 150 / (anzahl - 1) : 15;
        schrift(seite, anzahl > 11 ? std::max(4, wert_punkte * abstand / 15) : wert_punkte, false);

        int k = 0;
        for (const int nr : karten) {
            const kartentyp& karte = kartei.karte_nr(nr);
            const int y = by + 40 + abstand * k;
            ++k;
            // The widths are page units, measured in the printer's pixels.
            Canvas& c = seite.canvas();
            seite.text(bx + 5, y, auf_breite_gekuerzt(c, karte.geburtsdatum.view().substr(0, 2), seite.x(30)));
            seite.text(bx + 35, y, auf_breite_gekuerzt(c, karte.nachname.view(), seite.x(160)));
        }
    }
    seite.beenden();
}

void drucke_karte(Druckauftrag& auftrag, const kartentyp& karte)
{
    Druckseite seite(auftrag, Ausrichtung::hochformat);
    const bool lehrer = karte.ist_lehrer != 0;
    drucke_feld(seite, 50, 50, 400, 80, "Name", karte.nachname.view());
    drucke_feld(seite, 50, 80, 400, 110, "Stra\xDF" "e", karte.strasse.view());
    drucke_feld(seite, 50, 110, 400, 140, "PLZ Ort", karte.ort.view());
    drucke_feld(seite, 50, 140, 400, 170, "Telefon", karte.telefon.view());
    drucke_feld(seite, 50, 180, 400, 210, "Funktion", karte.funktion.view());
    drucke_feld(seite, 50, 220, 400, 250, "Bemerkungen", karte.bemerkung.view());
    drucke_feld(seite, 250, 260, 400, 290, "Geburtsdatum", karte.geburtsdatum.view());
    drucke_feld(seite, 50, 260, 200, 290, "Lehrer", lehrer ? "Lehrer" : "--");
    if (lehrer) {
        drucke_feld(seite, 50, 300, 125, 330, "K\xFCrzel", karte.kuerzel4.view());
        drucke_feld(seite, 175, 300, 250, 330, "Klassenlehrer der", karte.klassenlehrer1.view());
        drucke_feld(seite, 300, 300, 400, 330, "Pflichtstunden", karte.pflichtstunden.view());
        drucke_feld(seite, 50, 330, 400, 360, "F\xE4" "cher", karte.faecher.view());
    }
    seite.beenden();
}

} // namespace orbela
