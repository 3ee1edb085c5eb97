#include <cstdint>

#include "core/ganzzahl.h"
#include "core/wochen_zaehlung.h"
#include "views/bildstand.h"
#include "views/kurztext.h"
#include "views/plan_ansicht.h"
#include "views/seitenbild.h"
#include "views/zahltext.h"

namespace orbela {

namespace {

constexpr int streifen_breite = 500;

// "ist" is red when more lessons are planned than due. The due text is read
// as a number only here, when it is compared, so a text that is no number
// stops the drawing at this point. An empty text is never read.
bool zu_viele(const Kurztext& soll, int ist)
{
    return !soll.empty() && als_ganzzahl(soll.view()) < ist;
}

// Due and planned lessons of every class column.
struct Klassenstatistik {
    struct Spalte {
        Kurztext name;
        Kurztext soll;
        std::uint8_t ist = 0;
    } spalten[anzahl_klassen];
};

Klassenstatistik klassenstatistik(const plantyp& plan)
{
    Klassenstatistik s;
    for (int c = 1; c <= anzahl_klassen; ++c) {
        Klassenstatistik::Spalte& sp = s.spalten[c - 1];
        sp.name.setze(plan.klasse(c).klasse.view());
        sp.soll.setze(plan.klasse(c).wochenstunden.view());
        sp.ist = static_cast<std::uint8_t>(belegte_stunden(plan.plan, c));
    }
    return s;
}

void zeichne_statistik(Canvas& c, const Klassenstatistik& s)
{
    seitenbild_leeren(c, streifen_breite, 100);
    for (int k = 1; k <= anzahl_klassen; ++k)
        c.text(25 * k + 3, 5, s.spalten[k - 1].name.view());
    c.text(3, 35, "soll");
    c.text(3, 65, "ist");
    for (int k = 1; k <= anzahl_klassen; ++k) {
        const Klassenstatistik::Spalte& sp = s.spalten[k - 1];
        if (sp.name.empty())
            continue;
        c.text(25 * k + 3, 35, sp.soll.view());
        if (zu_viele(sp.soll, sp.ist))
            c.setze_schrift_farbe(farben::rot);
        c.text(25 * k + 3, 65, Zahltext(sp.ist).view());
        c.setze_schrift_farbe(farben::schwarz);
    }
    c.setze_stift_breite(1);
    for (int k = 1; k <= anzahl_klassen; ++k)
        c.linie(25 * k, 0, 25 * k, 100);
    for (int y = 30; y <= 90; y += 30)
        c.linie(0, y, streifen_breite, y);
}

// The list entries shown in the teacher strips: 1..19 in the first image,
// 20..38 in the second.
constexpr int gezeigte_lehrer = 38;
constexpr int lehrer_je_bild = 19;

// What the teacher strips show for one list entry.
struct Lehrerspalte {
    Kurztext code;
    Kurztext soll;
    std::uint8_t ist = 0;
    std::uint8_t frei = 0;
    std::uint8_t nebenan = 0; // teaches the lesson before or after
    std::uint8_t in_klasse = 0;
};

struct Lehrereinsatz {
    Kurztext klasse;
    Lehrerspalte spalten[gezeigte_lehrer];
};

Lehrereinsatz lehrereinsatz(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde,
                            int klasse)
{
    Lehrereinsatz e;
    e.klasse.setze(plan.klasse(klasse).klasse.view());
    const Wochenkuerzel woche = Wochenkuerzel::lehrer(plan.plan);
    const int n = liste.anzahl() < gezeigte_lehrer ? liste.anzahl() : gezeigte_lehrer;
    for (int t = 1; t <= n; ++t) {
        const lehrereintrag& eintrag = liste.eintrag(t);
        if (eintrag.kuerzel.empty())
            continue;
        Lehrerspalte& sp = e.spalten[t - 1];
        const Kuerzelschluessel code = kuerzel_schluessel(eintrag.kuerzel.view());
        sp.code.setze(eintrag.kuerzel.view());
        sp.soll.setze(eintrag.stunden.view());
        sp.ist = static_cast<std::uint8_t>(stunden_mit(woche, code));
        sp.frei = !woche.in_stunde(tag, stunde, code);
        const bool vorher = stunde > 1 && woche.in_stunde(tag, stunde - 1, code);
        const bool nachher = stunde < anzahl_stunden && woche.in_stunde(tag, stunde + 1, code);
        sp.nebenan = vorher || nachher;
        sp.in_klasse = static_cast<std::uint8_t>(stunden_in_klasse(woche, klasse, code));
    }
    return e;
}

void zeichne_spalte(Canvas& c, int k, const Lehrerspalte& sp)
{
    const int x = 25 * k + 3;
    c.text(x, 0, sp.code.view());
    c.text(x, 15, sp.soll.view());
    if (zu_viele(sp.soll, sp.ist))
        c.setze_schrift_farbe(farben::rot);
    c.text(x, 30, Zahltext(sp.ist).view());
    c.setze_schrift_farbe(farben::schwarz);
    // The fourth row: free teachers on colour, green when the lesson adds no
    // gap to their day; the number is their lessons in the current class.
    if (sp.frei) {
        const Farbe farbe = sp.nebenan ? farben::gruen : farben::gelb;
        c.setze_pinsel_farbe(farbe);
        c.setze_stift_farbe(farbe);
        c.rechteck(25 * k + 1, 46, 25 * k + 25, 59);
        c.setze_stift_farbe(farben::schwarz);
        if (sp.in_klasse > 0)
            c.text(x, 45, Zahltext(sp.in_klasse).view());
        c.setze_pinsel_farbe(farben::weiss);
    } else if (sp.in_klasse > 0) {
        c.text(x, 45, Zahltext(sp.in_klasse).view());
    }
}

void lehrer_gitter(Canvas& c)
{
    c.setze_stift_breite(1);
    for (int k = 1; k <= 20; ++k)
        c.linie(25 * k, 0, 25 * k, 60);
    for (int y = 0; y <= 45; y += 15)
        c.linie(0, y, streifen_breite, y);
}

} // namespace

void PlanAnsicht::aufbau_statistik()
{
    if (!optionen_.statistik_anzeigen)
        return;
    Canvas& c = bilder_(6);
    Bildstand& stand = seiten_stand_[6];
    const Klassenstatistik s = klassenstatistik(plan_);
    if (schon_gezeichnet(stand, s)) {
        seitenbild_zustand_nach_zeichnen(c, streifen_breite, 90);
        return;
    }
    stand.clear();
    zeichne_statistik(c, s);
    als_gezeichnet_merken(stand, s);
}

void PlanAnsicht::aufbau_lehrer(int tag, int stunde, int klasse)
{
    if (!optionen_.lehrereinsatz_anzeigen)
        return;
    // Only a real cell has a deployment to show.
    if (tag < 1 || tag > anzahl_tage || stunde < 1 || stunde > anzahl_stunden || klasse < 1
        || klasse > anzahl_klassen)
        return;
    Canvas& erstes = bilder_(10);
    Canvas& zweites = bilder_(11);
    Bildstand& stand = seiten_stand_[10];
    const Lehrereinsatz e = lehrereinsatz(plan_, liste_, tag, stunde, klasse);
    if (schon_gezeichnet(stand, e)) {
        seitenbild_zustand_nach_zeichnen(erstes, streifen_breite, 45);
        seitenbild_zustand_nach_zeichnen(zweites, streifen_breite, 45);
        return;
    }
    stand.clear();
    for (Canvas* c : {&erstes, &zweites}) {
        seitenbild_leeren(*c, streifen_breite, 61);
        c->text(3, 15, "soll");
        c->text(3, 30, "ist");
        c->text(3, 45, e.klasse.view());
    }
    for (int t = 1; t <= gezeigte_lehrer; ++t) {
        const Lehrerspalte& sp = e.spalten[t - 1];
        if (sp.code.empty())
            continue;
        if (t <= lehrer_je_bild)
            zeichne_spalte(erstes, t, sp);
        else
            zeichne_spalte(zweites, t - lehrer_je_bild, sp);
    }
    lehrer_gitter(erstes);
    lehrer_gitter(zweites);
    als_gezeichnet_merken(stand, e);
}

} // namespace orbela
