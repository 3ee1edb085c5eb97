#include "core/konfliktregeln.h"

namespace orbela {

namespace {

using Codes = std::array<std::string_view, belegungen_je_stunde + 1>;

template <typename Feld>
Codes codes_der_stunde(const plantyp& plan, int tag, int stunde, Feld feld)
{
    Codes codes{};
    for (int k = 1; k <= belegungen_je_stunde; ++k)
        codes[k] = (plan.belegung(tag, stunde, k).*feld).view();
    return codes;
}

// Marks every non-empty code that occurs more than once in the row, at each
// of its places.
std::array<bool, belegungen_je_stunde + 1> doppelte(const Codes& codes)
{
    std::array<bool, belegungen_je_stunde + 1> marken{};
    for (int i = 1; i <= belegungen_je_stunde; ++i) {
        if (codes[i].empty() || marken[i])
            continue;
        for (int j = i + 1; j <= belegungen_je_stunde; ++j) {
            if (codes[j] == codes[i]) {
                marken[i] = true;
                marken[j] = true;
            }
        }
    }
    return marken;
}

} // namespace

bool lehrer_gesperrt(const Lehrerliste& liste, std::string_view code, int tag, int stunde)
{
    // Every entry counts, however many cards carry the code.
    for (const lehrereintrag& e : liste.eintraege) {
        if (e.kuerzel == code && e.ist_gesperrt(tag, stunde))
            return true;
    }
    return false;
}

bool lehrer_gelistet(const Lehrerliste& liste, std::string_view code)
{
    return liste.erster_mit(code) != nullptr;
}

Lehrerbefunde pruefe_lehrer(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde)
{
    const Codes codes = codes_der_stunde(plan, tag, stunde, &belegungtyp::lehrer);
    const auto marken = doppelte(codes);
    Lehrerbefunde befunde{};
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        if (codes[k].empty())
            continue;
        Lehrerbefund& b = befunde[k];
        b.doppelt = marken[k];
        b.ohne_karte = true;
        for (const lehrereintrag& e : liste.eintraege) {
            if (e.kuerzel == codes[k]) {
                b.ohne_karte = false;
                b.gesperrt = b.gesperrt || e.ist_gesperrt(tag, stunde);
            }
        }
    }
    return befunde;
}

Raumbefunde pruefe_raeume(const plantyp& plan, int tag, int stunde)
{
    return doppelte(codes_der_stunde(plan, tag, stunde, &belegungtyp::raum));
}

} // namespace orbela
