#include "print/wochen_ausdrucke.h"

#include "print/druckseite.h"

namespace orbela {

namespace {

constexpr int seitenende = 1020; // the footer line is below
constexpr int zeilenabstand = 24;
constexpr int kopfabstand = 36;

void fuss(Druckseite& s, const std::string& titel, const std::string& datum)
{
    s.schriftgroesse(12);
    s.text(15, 1050, titel);
    s.stand(400, 1050, datum);
}

void fett(Druckseite& s, bool an)
{
    s.canvas().setze_schrift_fett(an);
}

} // namespace

void drucke_vertretungszahlen(Druckauftrag& auftrag, const std::vector<std::pair<std::string, int>>& zeilen,
                              const std::string& ordner, const std::string& datum)
{
    const std::string titel = "Vertretungen je Lehrer";
    Druckseite s(auftrag, Ausrichtung::hochformat);
    int y = 0;
    const auto kopf = [&] {
        fett(s, true);
        s.text(16, 15, 15, titel);
        fett(s, false);
        s.text(10, 15, 50, ordner);
        fett(s, true);
        s.text(12, 15, 90, "Lehrer");
        s.text(12, 150, 90, "Vertretungen");
        fett(s, false);
        s.linie(15, 112, 300, 112);
        y = 120;
    };
    kopf();
    for (const auto& [lehrer, anzahl] : zeilen) {
        if (y + zeilenabstand > seitenende) {
            fuss(s, titel, datum);
            s.neue_seite();
            kopf();
        }
        s.text(12, 15, y, lehrer);
        s.text(12, 150, y, std::to_string(anzahl));
        y += zeilenabstand;
    }
    fuss(s, titel, datum);
    s.beenden();
}

void drucke_vertretungszettel(Druckauftrag& auftrag, const std::vector<Vertretungszettel>& zettel,
                              const std::string& abwesender, const std::string& datum)
{
    const std::string titel = "Vertretungszettel: " + abwesender;
    Druckseite s(auftrag, Ausrichtung::hochformat);
    int y = 0; // top of the next block
    const auto neue_seite = [&] {
        fuss(s, titel, datum);
        s.neue_seite();
        y = 0;
    };
    for (const Vertretungszettel& z : zettel) {
        const int hoehe = 15 + kopfabstand + zeilenabstand * static_cast<int>(z.zeilen.size()) + 15;
        if (y > 0 && y + hoehe > seitenende)
            neue_seite();
        if (y > 0)
            s.linie(0, y, 800, y); // cut here
        fett(s, true);
        s.text(14, 15, y + 15, zettel_kopf(z));
        fett(s, false);
        int zeile_y = y + 15 + kopfabstand;
        for (const std::string& zeile : z.zeilen) {
            if (zeile_y + zeilenabstand > seitenende) {
                neue_seite();
                zeile_y = 15;
            }
            s.text(11, 30, zeile_y, zeile);
            zeile_y += zeilenabstand;
        }
        y = zeile_y + 15;
    }
    fuss(s, titel, datum);
    s.beenden();
}

} // namespace orbela
