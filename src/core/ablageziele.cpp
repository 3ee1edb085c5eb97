#include "core/ablageziele.h"

#include <cstdint>
#include <string_view>

#include "core/konfliktregeln.h"

namespace orbela {

namespace {

// Up to four codes of the dragged lesson to look for: its teachers, its rooms.
struct Gesucht {
    std::array<std::string_view, 2> codes{};
    int anzahl = 0;
    bool doppelt = false; // the lesson holds the same code in both occupancies

    void aufnehmen(std::string_view code)
    {
        if (code.empty())
            return;
        for (int i = 0; i < anzahl; ++i) {
            if (codes[static_cast<std::size_t>(i)] == code) {
                doppelt = true;
                return;
            }
        }
        codes[static_cast<std::size_t>(anzahl++)] = code;
    }
};

// Bit c set for every class column of the row that holds one of the codes.
template <typename Feld>
std::uint32_t klassen_mit(const plantyp& plan, int tag, int stunde, const Gesucht& gesucht, Feld feld)
{
    std::uint32_t klassen = 0;
    if (gesucht.anzahl == 0)
        return klassen;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const std::string_view code = (plan.belegung(tag, stunde, k).*feld).view();
        if (code.empty())
            continue;
        for (int i = 0; i < gesucht.anzahl; ++i) {
            if (code == gesucht.codes[static_cast<std::size_t>(i)])
                klassen |= 1u << ((k + 1) / 2);
        }
    }
    return klassen;
}

} // namespace

Ablageziele ablageziele(const plantyp& plan, const Lehrerliste& liste, const Optionen& optionen,
                        Zellort herkunft, int tag, bool verschieben)
{
    Ablageziele ziele;
    ziele.tag = tag;
    ziele.herkunft = herkunft;
    const zellentyp& zelle = plan.zelle(herkunft.tag, herkunft.stunde, herkunft.klasse);

    Gesucht lehrer, raeume;
    if (optionen.doppelter_lehrereinsatz) {
        lehrer.aufnehmen(zelle.erste.lehrer.view());
        lehrer.aufnehmen(zelle.zweite.lehrer.view());
    }
    if (optionen.doppelte_raumnutzung) {
        raeume.aufnehmen(zelle.erste.raum.view());
        raeume.aufnehmen(zelle.zweite.raum.view());
    }
    const bool in_sich_doppelt = lehrer.doppelt || raeume.doppelt;

    for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
        // The class columns where a teacher or room of the lesson already is.
        std::uint32_t belegt = klassen_mit(plan, tag, stunde, lehrer, &belegungtyp::lehrer)
                               | klassen_mit(plan, tag, stunde, raeume, &belegungtyp::raum);
        // Moved or swapped within its own lesson, the origin is left or takes
        // the target's lesson, which then stays in this lesson: the target
        // cell counts too.
        const bool eigene_stunde = verschieben && herkunft.tag == tag && herkunft.stunde == stunde;
        if (eigene_stunde)
            belegt &= ~(1u << herkunft.klasse);
        bool gesperrt = false;
        for (int i = 0; i < lehrer.anzahl && !gesperrt; ++i)
            gesperrt = lehrer_gesperrt(liste, lehrer.codes[static_cast<std::size_t>(i)], tag, stunde);
        for (int klasse = 1; klasse <= anzahl_klassen; ++klasse) {
            const bool anderswo = (belegt & (eigene_stunde ? ~0u : ~(1u << klasse))) != 0;
            ziele.ziel[static_cast<std::size_t>(stunde)][static_cast<std::size_t>(klasse)] =
                in_sich_doppelt || gesperrt || anderswo ? Ablage::konflikt : Ablage::frei;
        }
    }
    return ziele;
}

} // namespace orbela
