#include "core/beschriftung.h"
#include "print/druckseite.h"
#include "print/plan_ausdrucke.h"

namespace orbela {

namespace {

// Written by hand into a lesson that has a teacher but no subject.
constexpr std::string_view marker = "[..................]";

struct Klassenbezug {
    std::string_view klassenlehrer;
    bool unterlegen;
    const Langnamen& namen;

    // A lesson is the class teacher's when its teacher code is the class
    // teacher's; a class without a class teacher has no such lessons.
    bool vom_klassenlehrer(const belegungtyp& b) const
    {
        return !klassenlehrer.empty() && b.lehrer == klassenlehrer;
    }
    std::string fach(const belegungtyp& b) const
    {
        if (!b.fach.empty() || b.lehrer.empty())
            return fachbezeichnung(namen.faecher, b.fach.view());
        return std::string(marker);
    }
    // The teacher's surname; an empty code names nobody.
    std::string lehrer(const belegungtyp& b) const
    {
        return b.lehrer.empty() ? std::string() : namen.lehrername(b.lehrer.view());
    }
};

// Names written out can be longer than their cell; a name is cut to what
// fits before `bis_x`, so that it never runs into the neighbouring half or
// day and both stay readable.
void text_bis(Druckseite& s, int x, int y, int bis_x, std::string text)
{
    const int platz = s.x(bis_x) - s.x(x);
    while (!text.empty() && s.canvas().text_breite(text) > platz)
        text.pop_back();
    s.text(x, y, text);
}

} // namespace

void drucke_klassenplan_2(Druckauftrag& auftrag, const Druckdaten& daten, int klasse, const Langnamen& namen)
{
    const plantyp& plan = daten.plan;
    const klassentyp& k = plan.klasse(klasse);
    const Klassenbezug bezug{k.klassenlehrer.view(), daten.optionen.klassenlehrer_unterlegen, namen};

    Druckseite s(auftrag, Ausrichtung::querformat);
    s.rechteck(0, 0, 1050, 750);

    s.stiftbreite(10);
    for (int x = 150; x <= 1050; x += 150)
        s.linie(x, 0, x, 750);
    for (int y = 75; y <= 750; y += 75)
        s.linie(0, y, 1050, y);

    s.stiftbreite(1);
    for (int i = 1; i <= anzahl_stunden; ++i) {
        s.linie(15, 75 * i + 25, 1050, 75 * i + 25);
        s.linie(15, 75 * i + 50, 1050, 75 * i + 50);
    }

    s.schriftgroesse(12);
    for (int i = 1; i <= anzahl_stunden; ++i)
        s.text(2, 75 * i + 26, stunden_label(i, daten.optionen.stunden_0_8));
    for (int d = 1; d <= anzahl_tage; ++d)
        s.text(150 * d + 15, 15, tagname(d));

    s.schriftgroesse(8);
    for (int i = 1; i <= anzahl_stunden; ++i) {
        s.text(15, 75 * i + 2, plan.zeit(i).beginn.view());
        s.text(15, 75 * i + 52, plan.zeit(i).ende.view());
    }

    for (int i = 1; i <= anzahl_stunden; ++i) {
        const int y = 75 * i;
        for (int d = 1; d <= anzahl_tage; ++d) {
            const int x = 150 * d;
            const zellentyp& z = plan.zelle(d, i, klasse);
            if (z.ist_doppelt()) {
                for (const auto& [b, l] : {std::pair{&z.erste, x}, std::pair{&z.zweite, x + 75}}) {
                    const bool eigen = bezug.vom_klassenlehrer(*b);
                    if (eigen && bezug.unterlegen)
                        s.unterlegen(druckfarben::klassenlehrer, l + 1, y + 1, l + 74, y + 24);
                    s.schriftgroesse(8);
                    text_bis(s, l + 4, y + 4, l + 74, bezug.fach(*b));
                    if (!eigen)
                        text_bis(s, l + 4, y + 29, l + 74, bezug.lehrer(*b));
                    text_bis(s, l + 4, y + 54, l + 74, raumbezeichnung(namen.raeume, b->raum.view()));
                }
                s.linie(x + 75, y, x + 75, y + 75);
            } else {
                const belegungtyp& b = z.erste;
                const bool eigen = bezug.vom_klassenlehrer(b);
                if (eigen && bezug.unterlegen)
                    s.unterlegen(druckfarben::klassenlehrer, x + 1, y + 1, x + 149, y + 24);
                s.schriftgroesse(12);
                text_bis(s, x + 15, y + 1, x + 149, bezug.fach(b));
                s.schriftgroesse(10);
                if (!eigen)
                    text_bis(s, x + 15, y + 28, x + 149, bezug.lehrer(b));
                text_bis(s, x + 15, y + 53, x + 149, raumbezeichnung(namen.raeume, b.raum.view()));
            }
        }
    }

    s.linie(100, 50, 100, 75);
    s.text(12, 15, 15, k.klasse.view());
    s.schriftgroesse(8);
    if (!k.klassenlehrer.empty())
        text_bis(s, 4, 53, 99, namen.lehrername(k.klassenlehrer.view()));
    s.text(104, 53, raumbezeichnung(namen.raeume, k.klassenraum.view()));
    s.beenden();
}

} // namespace orbela
