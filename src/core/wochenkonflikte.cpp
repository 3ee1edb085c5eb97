#include "core/wochenkonflikte.h"

#include <bit>

#include "core/konfliktregeln.h"

namespace orbela {

int Konflikt::erste_klasse() const
{
    return klassen == 0 ? 0 : std::countr_zero(klassen);
}

namespace {

constexpr int klasse_von(int k) { return (k + 1) / 2; }

// Adds one conflict of the kind for each distinct code whose occupancies
// `trifft(k)` selects, with all the class columns of that code in the row.
template <typename Feld, typename Trifft>
void sammle(std::vector<Konflikt>& liste, const plantyp& plan, int tag, int stunde, Konfliktart art, Feld feld,
            Trifft trifft)
{
    std::array<bool, belegungen_je_stunde + 1> erledigt{};
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        if (erledigt[k] || !trifft(k))
            continue;
        const std::string_view code = (plan.belegung(tag, stunde, k).*feld).view();
        Konflikt konflikt{tag, stunde, art, std::string(code), 0};
        for (int j = k; j <= belegungen_je_stunde; ++j) {
            if ((plan.belegung(tag, stunde, j).*feld).view() == code && trifft(j)) {
                erledigt[j] = true;
                konflikt.klassen |= 1u << klasse_von(j);
            }
        }
        liste.push_back(std::move(konflikt));
    }
}

} // namespace

std::vector<Konflikt> wochenkonflikte(const plantyp& plan, const Lehrerliste& liste, const Optionen& optionen)
{
    std::vector<Konflikt> konflikte;
    for (int tag = 1; tag <= anzahl_tage; ++tag) {
        for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
            if (optionen.doppelter_lehrereinsatz) {
                const Lehrerbefunde b = pruefe_lehrer(plan, liste, tag, stunde);
                const auto lehrer = &belegungtyp::lehrer;
                sammle(konflikte, plan, tag, stunde, Konfliktart::lehrer_doppelt, lehrer,
                       [&](int k) { return b[k].doppelt; });
                sammle(konflikte, plan, tag, stunde, Konfliktart::lehrer_gesperrt, lehrer,
                       [&](int k) { return b[k].gesperrt; });
                sammle(konflikte, plan, tag, stunde, Konfliktart::lehrer_ohne_karte, lehrer,
                       [&](int k) { return b[k].ohne_karte; });
            }
            if (optionen.doppelte_raumnutzung) {
                const Raumbefunde b = pruefe_raeume(plan, tag, stunde);
                sammle(konflikte, plan, tag, stunde, Konfliktart::raum_doppelt, &belegungtyp::raum,
                       [&](int k) { return b[k]; });
            }
        }
    }
    return konflikte;
}

} // namespace orbela
