#include "core/klassen_spalten.h"

#include "core/ganzzahl.h"

namespace orbela {

namespace {

constexpr int wochentage = 5; // Monday to Friday

bool gueltige_klasse(int klasse)
{
    return klasse >= 1 && klasse <= anzahl_klassen;
}

// The two occupancies of a class in the 40-occupancy view of a lesson.
int erste_belegung(int klasse)
{
    return 2 * klasse - 1;
}

// Copies both occupancies of column `von` onto column `nach` on every day
// and lesson, 17 bytes each, and the class record with them.
void spalte_kopieren(plantyp& plan, int von, int nach)
{
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int i = 0; i < 2; ++i)
                plan.belegung(t, l, erste_belegung(nach) + i) = plan.belegung(t, l, erste_belegung(von) + i);
        }
    }
    plan.klasse(nach) = plan.klasse(von);
}

void spalte_leeren(plantyp& plan, int klasse)
{
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int i = 0; i < 2; ++i)
                plan.belegung(t, l, erste_belegung(klasse) + i).leeren();
        }
    }
}

} // namespace

void spalte_einfuegen(plantyp& plan, int klasse)
{
    if (!gueltige_klasse(klasse))
        return;
    for (int k = anzahl_klassen - 1; k >= klasse; --k)
        spalte_kopieren(plan, k, k + 1);
    plan.klasse(klasse).leeren();
    spalte_leeren(plan, klasse);
}

void spalte_loeschen(plantyp& plan, int klasse)
{
    if (!gueltige_klasse(klasse))
        return;
    for (int k = klasse; k <= anzahl_klassen - 1; ++k)
        spalte_kopieren(plan, k + 1, k);
    plan.klasse(anzahl_klassen).leeren();
    spalte_leeren(plan, anzahl_klassen);
}

bool wochenstunden_fehlen(const plantyp& plan, int klasse)
{
    return gueltige_klasse(klasse) && plan.klasse(klasse).wochenstunden.empty();
}

Fuellergebnis klasse_automatisch_fuellen(plantyp& plan, int klasse)
{
    Fuellergebnis ergebnis;
    if (!gueltige_klasse(klasse))
        return ergebnis;
    // Read the number before touching the column, so a typing error in the
    // weekly hours costs the class nothing.
    const int wochenstunden = als_ganzzahl(plan.klasse(klasse).wochenstunden.view());
    spalte_leeren(plan, klasse);

    const klassentyp& k = plan.klasse(klasse);
    int tag = 1;
    int stunde = 1;
    for (int n = 0; n < wochenstunden; ++n) {
        if (stunde > anzahl_stunden) {
            ergebnis.abgeschnitten = true;
            break;
        }
        belegungtyp& b = plan.zelle(tag, stunde, klasse).erste;
        b.lehrer.assign(k.klassenlehrer.view());
        b.raum.assign(k.klassenraum.view());
        ++ergebnis.gesetzt;
        if (++tag > wochentage) {
            tag = 1;
            ++stunde;
        }
    }
    return ergebnis;
}

} // namespace orbela
