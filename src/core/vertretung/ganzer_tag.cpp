#include "core/vertretung/ganzer_tag.h"

#include <optional>

namespace orbela {

namespace {

std::optional<Hindernis> hindernis(const Vertretungsplan& vp, const plantyp& plan, const Lehrerliste& liste,
                                   const Vertretungsstand& stand, int tag, int stunde, std::string_view vertreter)
{
    if (vertreter == vp.abwesender_lehrer || stand.selbst_abwesend(vertreter, tag))
        return Hindernis::abwesend;
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        if (plan.belegung(tag, stunde, k).lehrer.view() == vertreter)
            return Hindernis::unterrichtet;
    }
    const lehrereintrag* karte = liste.erster_mit(vertreter);
    if (karte != nullptr && karte->ist_gesperrt(tag, stunde))
        return Hindernis::gesperrt;
    if (stand.doppelt(vertreter, tag, stunde) != nullptr)
        return Hindernis::doppelt;
    return std::nullopt;
}

} // namespace

GanzerTag ganzen_tag_vertreten(Vertretungsplan& vp, const plantyp& plan, const Lehrerliste& liste,
                               const Vertretungsstand& stand, int tag, std::string_view vertreter)
{
    GanzerTag ergebnis;
    for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
        vertretungtyp& e = vp.eintrag(tag, stunde);
        if (!vp.zu_vertreten(tag, stunde) || !e.vertreter.empty())
            continue;
        if (const auto grund = hindernis(vp, plan, liste, stand, tag, stunde, vertreter)) {
            ergebnis.uebersprungen.push_back({stunde, *grund});
            continue;
        }
        e.vertreter = vertreter;
        ergebnis.eingetragen.push_back(stunde);
    }
    return ergebnis;
}

} // namespace orbela
