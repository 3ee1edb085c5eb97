#include <cstdint>

#include "core/strichliste.h"
#include "views/bildstand.h"
#include "views/kurztext.h"
#include "views/plan_ansicht.h"
#include "views/seitenbild.h"
#include "views/zahltext.h"

namespace orbela {

namespace {

constexpr int woche_breite = 280;
constexpr int liste_breite = 80;
constexpr int bild_hoehe = 151;

// Everything the class page shows: the class's name and the codes of its
// week, from which both tallies follow.
struct Klassenwoche {
    Kurztext klasse;
    std::uint8_t stunden_0_8 = 0;
    struct Stunde {
        Kurztext lehrer, zweiter_lehrer, fach, zweites_fach;
    } stunden[anzahl_tage][anzahl_stunden];
};

Klassenwoche klassenwoche(const plantyp& plan, int klasse, bool stunden_0_8)
{
    Klassenwoche w;
    w.klasse.setze(plan.klasse(klasse).klasse.view());
    w.stunden_0_8 = stunden_0_8 ? 1 : 0;
    for (int d = 1; d <= anzahl_tage; ++d) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            const zellentyp& z = plan.zelle(d, l, klasse);
            Klassenwoche::Stunde& s = w.stunden[d - 1][l - 1];
            s.lehrer.setze(z.erste.lehrer.view());
            s.zweiter_lehrer.setze(z.zweite.lehrer.view());
            s.fach.setze(z.erste.fach.view());
            s.zweites_fach.setze(z.zweite.fach.view());
        }
    }
    return w;
}

void zeichne_woche(Canvas& c, const Klassenwoche& w)
{
    seitenbild_leeren(c, woche_breite, bild_hoehe);
    seitenbild_wochenkopf(c, w.stunden_0_8 != 0, 40, 10);
    for (int d = 1; d <= anzahl_tage; ++d) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            const Klassenwoche::Stunde& s = w.stunden[d - 1][l - 1];
            c.text(40 * d + 1, 15 * l, s.lehrer.view());
            // Only the second teacher decides whether the lesson is split.
            if (s.zweiter_lehrer.empty()) {
                c.text(40 * d + 21, 15 * l, s.fach.view());
            } else {
                c.text(40 * d + 21, 15 * l, s.zweiter_lehrer.view());
                c.linie(40 * d + 20, 15 * l, 40 * d + 20, 15 * l + 15);
            }
        }
    }
    c.text(2, 1, w.klasse.view());
    seitenbild_wochengitter(c, 40);
}

// A teacher counts once per place (teacher and second teacher of one cell
// count two); a subject counts once per lesson.
void zaehle(const Klassenwoche& w, Strichliste& lehrer, Strichliste& faecher)
{
    for (int d = 1; d <= anzahl_tage; ++d) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            const Klassenwoche::Stunde& s = w.stunden[d - 1][l - 1];
            if (!s.lehrer.empty())
                lehrer.zaehle(s.lehrer.view());
            if (!s.zweiter_lehrer.empty())
                lehrer.zaehle(s.zweiter_lehrer.view());
            if (!s.fach.empty())
                faecher.zaehle(s.fach.view());
            if (!s.zweites_fach.empty() && s.zweites_fach.view() != s.fach.view())
                faecher.zaehle(s.zweites_fach.view());
        }
    }
}

// Two columns of ten entries, each a code with its count.
void zeichne_strichliste(Canvas& c, const Strichliste& liste)
{
    seitenbild_leeren(c, liste_breite, bild_hoehe);
    for (int g = 0; g <= 1; ++g) {
        for (int r = 1; r <= 10; ++r) {
            const Strichliste::Eintrag& e = liste.eintrag(g * 10 + r);
            if (e.code.empty())
                continue;
            c.text(40 * g + 1, 15 * (r - 1), e.code.view());
            c.text(40 * g + 20, 15 * (r - 1), Zahltext(e.zahl).view());
        }
    }
}

void strichliste_gitter(Canvas& c)
{
    for (int x = 0; x <= liste_breite; x += 40)
        c.linie(x, 0, x, 150);
    for (int r = 0; r <= 10; ++r)
        c.linie(0, 15 * r, liste_breite, 15 * r);
}

} // namespace

void PlanAnsicht::aufbau_klassenplan(int klasse)
{
    if (!optionen_.klassenplan_anzeigen || klasse < 1 || klasse > anzahl_klassen)
        return;
    Canvas& woche_bild = bilder_(7);
    Canvas& lehrer_bild = bilder_(8);
    Canvas& faecher_bild = bilder_(9);
    Bildstand& stand = seiten_stand_[7];

    const Klassenwoche w = klassenwoche(plan_, klasse, optionen_.stunden_0_8);
    if (schon_gezeichnet(stand, w)) {
        seitenbild_zustand_nach_zeichnen(woche_bild, woche_breite, 150);
        seitenbild_zustand_nach_zeichnen(lehrer_bild, liste_breite, 150);
        seitenbild_zustand_nach_zeichnen(faecher_bild, liste_breite, 150);
        return;
    }
    stand.clear();
    zeichne_woche(woche_bild, w);

    Strichliste lehrer;
    Strichliste faecher;
    zaehle(w, lehrer, faecher);
    zeichne_strichliste(lehrer_bild, lehrer);
    zeichne_strichliste(faecher_bild, faecher);
    strichliste_gitter(lehrer_bild);
    strichliste_gitter(faecher_bild);
    als_gezeichnet_merken(stand, w);
}

} // namespace orbela
