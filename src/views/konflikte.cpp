#include <array>

#include "views/plan_ansicht.h"
#include "views/plan_raster.h"

namespace orbela {

using namespace raster;

namespace {

// The teacher or room codes of one lesson row's 40 occupancies; index k is
// occupancy k (odd: first of class (k+1)/2, even: second of class k/2).
using Codes = std::array<std::string_view, belegungen_je_stunde + 1>;
using Marken = std::array<bool, belegungen_je_stunde + 1>;

Codes codes_der_stunde(const plantyp& plan, int tag, int stunde, Code code)
{
    Codes codes{};
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const belegungtyp& b = plan.belegung(tag, stunde, k);
        codes[k] = (code == Code::lehrer ? b.lehrer : b.raum).view();
    }
    return codes;
}

// Marks every non-empty code that occurs more than once in the row, at each
// of its places.
Marken doppelte(const Codes& codes)
{
    Marken marken{};
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

// Writes every code of the row again in the colour `farbe(k)` gives, on
// yellow in the selected class column, and leaves the font colour black.
template <typename FarbeVon>
void schreibe_zeile(Canvas& bild, const plantyp& plan, int tag, int stunde, bool hervorgehoben,
                    int klasse, Code code, const Codes& codes, FarbeVon farbe)
{
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const int c = (k + 1) / 2;
        const bool gelb = hervorgehoben && c == klasse;
        bild.setze_pinsel_farbe(gelb ? farben::gelb : farben::weiss);
        bild.setze_schrift_farbe(farbe(k));
        const Textplatz platz = plan.zelle(tag, stunde, c).ist_doppelt()
                                    ? geteilt(code, k % 2 == 0, stunde, c)
                                    : einzeln(code, stunde, c);
        schreibe(bild, platz, codes[k]);
    }
    bild.setze_schrift_farbe(farben::schwarz);
}

bool ist_stunde(int tag, int stunde)
{
    return tag >= 1 && tag <= anzahl_tage && stunde >= 1 && stunde <= anzahl_stunden;
}

} // namespace

void PlanAnsicht::check_1(int tag, int stunde, bool hervorgehoben, int klasse)
{
    if (!optionen_.doppelter_lehrereinsatz || !ist_stunde(tag, stunde))
        return;
    const Codes codes = codes_der_stunde(plan_, tag, stunde, Code::lehrer);
    const Marken marken = doppelte(codes);

    auto farbe = [&](int k) {
        if (marken[k])
            return farben::rot;
        if (codes[k].empty())
            return farben::schwarz;
        // Every entry of the list counts, however many cards there are.
        bool gelistet = false;
        for (const lehrereintrag& e : liste_.eintraege) {
            if (e.kuerzel == codes[k]) {
                if (e.ist_gesperrt(tag, stunde))
                    return farben::rot;
                gelistet = true;
            }
        }
        return gelistet ? farben::schwarz : farben::lila;
    };
    schreibe_zeile(bilder_(1), plan_, tag, stunde, hervorgehoben, klasse, Code::lehrer, codes,
                   farbe);
}

void PlanAnsicht::check_2(int tag, int stunde, bool hervorgehoben, int klasse)
{
    if (!optionen_.doppelte_raumnutzung || !ist_stunde(tag, stunde))
        return;
    const Codes codes = codes_der_stunde(plan_, tag, stunde, Code::raum);
    const Marken marken = doppelte(codes);
    schreibe_zeile(bilder_(1), plan_, tag, stunde, hervorgehoben, klasse, Code::raum, codes,
                   [&](int k) { return marken[k] ? farben::rot : farben::schwarz; });
}

} // namespace orbela
