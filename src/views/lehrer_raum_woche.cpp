#include <cstdint>

#include "core/beschriftung.h"
#include "core/wochen_zaehlung.h"
#include "views/bildstand.h"
#include "views/kurztext.h"
#include "views/plan_ansicht.h"
#include "views/seitenbild.h"
#include "views/zahltext.h"

namespace orbela {

namespace {

constexpr int bild_breite = 140;
constexpr int bild_hoehe = 150;

// Everything one week picture of a teacher or room shows.
struct Wochenbild {
    Kurztext code;
    std::uint8_t stunden_0_8 = 0;
    Kurztext text[anzahl_tage][anzahl_stunden]; // class name or "##"
    std::uint8_t kreuz[anzahl_tage][anzahl_stunden] = {};
};

// In each lesson the class in which the code is placed, "##" when it is
// placed more than once; with a teacher entry, the red crosses of its blocked
// lessons.
Wochenbild wochenbild(const plantyp& plan, const Wochenkuerzel& woche, std::string_view code,
                      const lehrereintrag* sperren, bool stunden_0_8)
{
    Wochenbild w;
    w.code.setze(code);
    w.stunden_0_8 = stunden_0_8 ? 1 : 0;
    const Kuerzelschluessel schluessel = kuerzel_schluessel(code);
    for (int d = 1; d <= anzahl_tage; ++d) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            const Fundstellen f = fundstellen(woche, d, l, schluessel);
            if (f.anzahl > 1)
                w.text[d - 1][l - 1].setze("##");
            else if (f.anzahl == 1)
                w.text[d - 1][l - 1].setze(plan.klasse(f.erste_klasse).klasse.view());
            if (sperren != nullptr && sperren->ist_gesperrt(d, l))
                w.kreuz[d - 1][l - 1] = 1;
        }
    }
    return w;
}

void zeichne(Canvas& c, const Wochenbild& w, std::string_view code)
{
    seitenbild_leeren(c, bild_breite, bild_hoehe);
    for (int l = 1; l <= anzahl_stunden; ++l)
        c.text(2, 15 * l, Zahltext(w.stunden_0_8 ? l - 1 : l).view());
    for (int d = 1; d <= anzahl_tage; ++d)
        c.text(20 * d + 2, 1, tagkurz(d));
    for (int d = 1; d <= anzahl_tage; ++d) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            c.text(20 * d, 15 * l, w.text[d - 1][l - 1].view());
            if (w.kreuz[d - 1][l - 1]) {
                c.setze_stift_breite(1);
                c.setze_stift_farbe(farben::rot);
                c.linie(20 * d + 1, 15 * l + 1, 20 * d + 19, 15 * l + 14);
                c.linie(20 * d + 1, 15 * l + 14, 20 * d + 19, 15 * l + 1);
                c.setze_stift_farbe(farben::schwarz);
            }
        }
    }
    c.text(2, 1, code);
    c.setze_stift_breite(1);
    for (int k = 1; k <= 7; ++k)
        c.linie(20 * k, 0, 20 * k, bild_hoehe);
    for (int k = 1; k <= 10; ++k)
        c.linie(0, 15 * k, bild_breite, 15 * k);
}

// The week of one code into one image; an empty code leaves the image as it
// is. A picture that would come out as it already is is not drawn again.
void woche_in_bild(Canvas& c, Bildstand& stand, const Wochenbild& w, std::string_view code)
{
    if (code.empty())
        return;
    // A code that does not fit the record is never cached: it could not be
    // told apart from its first four characters.
    if (code.size() <= sizeof w.code.zeichen && schon_gezeichnet(stand, w)) {
        seitenbild_zustand_nach_zeichnen(c, bild_breite, 15 * 10);
        return;
    }
    stand.clear();
    zeichne(c, w, code);
    if (code.size() <= sizeof w.code.zeichen)
        als_gezeichnet_merken(stand, w);
}

} // namespace

void PlanAnsicht::aufbau_lehrerplan(std::string_view erster, std::string_view zweiter)
{
    if (!optionen_.raum_lehrerplan_anzeigen)
        return;
    const Wochenkuerzel woche = Wochenkuerzel::lehrer(plan_.plan);
    const bool stunden_0_8 = optionen_.stunden_0_8;
    if (!erster.empty()) {
        const Wochenbild w = wochenbild(plan_, woche, erster, liste_.erster_mit(erster), stunden_0_8);
        woche_in_bild(bilder_(2), seiten_stand_[2], w, erster);
    }
    if (!zweiter.empty()) {
        const Wochenbild w = wochenbild(plan_, woche, zweiter, liste_.erster_mit(zweiter), stunden_0_8);
        woche_in_bild(bilder_(3), seiten_stand_[3], w, zweiter);
    }
    host_.bild_sichtbar(2, !erster.empty());
    host_.bild_sichtbar(3, !zweiter.empty());
}

void PlanAnsicht::aufbau_raumplan(std::string_view erster, std::string_view zweiter)
{
    if (!optionen_.raum_lehrerplan_anzeigen)
        return;
    const Wochenkuerzel woche = Wochenkuerzel::raeume(plan_.plan);
    const bool stunden_0_8 = optionen_.stunden_0_8;
    if (!erster.empty()) {
        const Wochenbild w = wochenbild(plan_, woche, erster, nullptr, stunden_0_8);
        woche_in_bild(bilder_(4), seiten_stand_[4], w, erster);
    }
    if (!zweiter.empty()) {
        const Wochenbild w = wochenbild(plan_, woche, zweiter, nullptr, stunden_0_8);
        woche_in_bild(bilder_(5), seiten_stand_[5], w, zweiter);
    }
    host_.bild_sichtbar(4, !erster.empty());
    host_.bild_sichtbar(5, !zweiter.empty());
}

} // namespace orbela
