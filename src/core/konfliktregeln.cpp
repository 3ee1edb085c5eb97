#include "core/konfliktregeln.h"

#include <cstdint>

namespace orbela {

namespace {

// A code of up to 7 bytes as one number: equal numbers, equal codes; the
// empty code is 0. Comparing numbers keeps the row checks cheap.
std::uint64_t schluessel(std::string_view code)
{
    std::uint64_t s = code.size();
    for (const char c : code.substr(0, 7))
        s = s << 8 | static_cast<unsigned char>(c);
    return s;
}

using Schluessel = std::array<std::uint64_t, belegungen_je_stunde + 1>;

template <typename Feld>
Schluessel codes_der_stunde(const plantyp& plan, int tag, int stunde, Feld feld)
{
    Schluessel codes{};
    for (int k = 1; k <= belegungen_je_stunde; ++k)
        codes[k] = schluessel((plan.belegung(tag, stunde, k).*feld).view());
    return codes;
}

// Marks every non-empty code that occurs more than once in the row, at each
// of its places.
std::array<bool, belegungen_je_stunde + 1> doppelte(const Schluessel& codes)
{
    std::array<bool, belegungen_je_stunde + 1> marken{};
    for (int i = 1; i <= belegungen_je_stunde; ++i) {
        if (codes[i] == 0 || marken[i])
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

Lehrerbefunde pruefe_lehrer(const plantyp& plan, const Lehrerliste& liste, int tag, int stunde)
{
    const Schluessel codes = codes_der_stunde(plan, tag, stunde, &belegungtyp::lehrer);
    const auto marken = doppelte(codes);
    Lehrerbefunde befunde{};
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        befunde[k].doppelt = marken[k];
        befunde[k].ohne_karte = codes[k] != 0;
    }
    // Every entry counts, however many cards carry a code.
    for (const lehrereintrag& e : liste.eintraege) {
        const std::uint64_t code = schluessel(e.kuerzel.view());
        if (code == 0)
            continue;
        const bool gesperrt = e.ist_gesperrt(tag, stunde);
        for (int k = 1; k <= belegungen_je_stunde; ++k) {
            if (codes[k] == code) {
                befunde[k].ohne_karte = false;
                befunde[k].gesperrt = befunde[k].gesperrt || gesperrt;
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
