#pragma once

#include <string_view>

#include "core/plantyp.h"

namespace orbela {

// Operations on whole class columns: every day and lesson of the column
// together with its class record. A class number outside 1..20 changes
// nothing.

// Inserts an empty column at `klasse`: columns klasse..19 move one place to
// the right (flags and the bytes behind the lengths included), the former
// column 20 is lost, and column `klasse` and its class record are cleared.
void spalte_einfuegen(plantyp& plan, int klasse);

// Deletes column `klasse`: the columns to its right move one place to the
// left and column 20 is left cleared.
void spalte_loeschen(plantyp& plan, int klasse);

// The class has no weekly-hours text; the automatic fill is not offered then
// and the caller shows this notice instead.
inline constexpr std::string_view text_zuerst_wochenstunden = "Zuerst Wochenstunden eingeben!";
bool wochenstunden_fehlen(const plantyp& plan, int klasse);

struct Fuellergebnis {
    int gesetzt = 0;            // lessons given to the class teacher
    bool abgeschnitten = false; // more weekly hours than the 45 weekday slots

    // Fewer than one weekly hour only clears the column; the class page
    // then stays open.
    bool neu_zeichnen() const { return gesetzt > 0; }
};

// Fills the class's weekly hours with its class teacher and class room,
// lesson by lesson across Monday to Friday (lesson 1 of every weekday, then
// lesson 2, ...), after clearing the whole column. A weekly-hours text that
// is not a whole number throws Fehler before anything is changed. Saturday
// is never filled; hours beyond lesson 9 of Friday are dropped.
Fuellergebnis klasse_automatisch_fuellen(plantyp& plan, int klasse);

} // namespace orbela
