#include <cstdint>

#include "core/wochen_zaehlung.h"
#include "views/bildstand.h"
#include "views/kurztext.h"
#include "views/plan_ansicht.h"
#include "views/seitenbild.h"

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
    seitenbild_wochenkopf(c, w.stunden_0_8 != 0, 20, 2);
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
    seitenbild_wochengitter(c, 20);
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

void PlanAnsicht::zwei_wochen(const Wochenkuerzel& woche, std::string_view erster, std::string_view zweiter,
                              int bild, bool mit_sperren)
{
    const std::string_view codes[2] = {erster, zweiter};
    for (int i = 0; i < 2; ++i) {
        const std::string_view code = codes[i];
        if (code.empty())
            continue;
        const lehrereintrag* sperren = mit_sperren ? liste_.erster_mit(code) : nullptr;
        const Wochenbild w = wochenbild(plan_, woche, code, sperren, optionen_.stunden_0_8);
        woche_in_bild(bilder_(bild + i), seiten_stand_[static_cast<std::size_t>(bild + i)], w, code);
    }
    host_.bild_sichtbar(bild, !erster.empty());
    host_.bild_sichtbar(bild + 1, !zweiter.empty());
}

void PlanAnsicht::aufbau_lehrerplan(std::string_view erster, std::string_view zweiter)
{
    if (optionen_.raum_lehrerplan_anzeigen)
        zwei_wochen(Wochenkuerzel::lehrer(plan_.plan), erster, zweiter, 2, true);
}

void PlanAnsicht::aufbau_raumplan(std::string_view erster, std::string_view zweiter)
{
    if (optionen_.raum_lehrerplan_anzeigen)
        zwei_wochen(Wochenkuerzel::raeume(plan_.plan), erster, zweiter, 4, false);
}

} // namespace orbela
