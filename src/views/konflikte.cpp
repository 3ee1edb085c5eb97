#include "core/konfliktregeln.h"
#include "views/plan_ansicht.h"
#include "views/plan_raster.h"

namespace orbela {

using namespace raster;

namespace {

// Writes every code of the row again in the colour `farbe(k)` gives, on
// yellow in the selected class column, and leaves the font colour black.
template <typename FarbeVon>
void schreibe_zeile(Canvas& bild, const plantyp& plan, int tag, int stunde, bool hervorgehoben,
                    int klasse, Code code, FarbeVon farbe)
{
    for (int k = 1; k <= belegungen_je_stunde; ++k) {
        const int c = (k + 1) / 2;
        const bool gelb = hervorgehoben && c == klasse;
        bild.setze_pinsel_farbe(gelb ? farben::gelb : farben::weiss);
        bild.setze_schrift_farbe(farbe(k));
        const Textplatz platz = plan.zelle(tag, stunde, c).ist_doppelt()
                                    ? geteilt(code, k % 2 == 0, stunde, c)
                                    : einzeln(code, stunde, c);
        const belegungtyp& b = plan.belegung(tag, stunde, k);
        schreibe(bild, platz, (code == Code::lehrer ? b.lehrer : b.raum).view());
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
    const Lehrerbefunde befunde = pruefe_lehrer(plan_, liste_, tag, stunde);
    // A double or blocked teacher is red, one without a card purple.
    auto farbe = [&](int k) {
        const Lehrerbefund& b = befunde[k];
        if (b.doppelt || b.gesperrt)
            return farben::rot;
        return b.ohne_karte ? farben::lila : farben::schwarz;
    };
    schreibe_zeile(bilder_(1), plan_, tag, stunde, hervorgehoben, klasse, Code::lehrer, farbe);
}

void PlanAnsicht::check_2(int tag, int stunde, bool hervorgehoben, int klasse)
{
    if (!optionen_.doppelte_raumnutzung || !ist_stunde(tag, stunde))
        return;
    const Raumbefunde doppelt = pruefe_raeume(plan_, tag, stunde);
    schreibe_zeile(bilder_(1), plan_, tag, stunde, hervorgehoben, klasse, Code::raum,
                   [&](int k) { return doppelt[k] ? farben::rot : farben::schwarz; });
}

} // namespace orbela
