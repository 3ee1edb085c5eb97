#pragma once

#include <cassert>
#include <cstddef>
#include <type_traits>

#include "core/records.h"

namespace orbela {

inline constexpr int anzahl_tage = 6;
inline constexpr int anzahl_stunden = 9;
inline constexpr int anzahl_klassen = 20;
inline constexpr int belegungen_je_stunde = 2 * anzahl_klassen;
inline constexpr int anzahl_zeiten = 10;

// The cells of the week: days 1..6 x lessons 1..9 x class columns 1..20.
// All indices of the accessors are one-based, as everywhere in the program.
struct stundenplan {
    zellentyp zellen[anzahl_tage][anzahl_stunden][anzahl_klassen];

    zellentyp& zelle(int tag, int stunde, int klasse)
    {
        assert(tag >= 1 && tag <= anzahl_tage && stunde >= 1 && stunde <= anzahl_stunden);
        assert(klasse >= 1 && klasse <= anzahl_klassen);
        return zellen[tag - 1][stunde - 1][klasse - 1];
    }
    const zellentyp& zelle(int tag, int stunde, int klasse) const
    {
        return const_cast<stundenplan*>(this)->zelle(tag, stunde, klasse);
    }

    // The same bytes read as 40 occupancies per lesson: k odd is `erste` of
    // class (k+1)/2, k even is `zweite` of class k/2.
    belegungtyp& belegung(int tag, int stunde, int k)
    {
        assert(k >= 1 && k <= belegungen_je_stunde);
        zellentyp& z = zelle(tag, stunde, (k + 1) / 2);
        return (k % 2 == 1) ? z.erste : z.zweite;
    }
    const belegungtyp& belegung(int tag, int stunde, int k) const
    {
        return const_cast<stundenplan*>(this)->belegung(tag, stunde, k);
    }
};

// The whole timetable; its memory image is the 37340-byte plan file record.
struct plantyp {
    stundenplan plan;
    klassentyp klassen[anzahl_klassen];
    stundentyp stundenzeiten[anzahl_zeiten];

    zellentyp& zelle(int tag, int stunde, int klasse) { return plan.zelle(tag, stunde, klasse); }
    const zellentyp& zelle(int tag, int stunde, int klasse) const { return plan.zelle(tag, stunde, klasse); }
    belegungtyp& belegung(int tag, int stunde, int k) { return plan.belegung(tag, stunde, k); }
    const belegungtyp& belegung(int tag, int stunde, int k) const { return plan.belegung(tag, stunde, k); }

    klassentyp& klasse(int c)
    {
        assert(c >= 1 && c <= anzahl_klassen);
        return klassen[c - 1];
    }
    const klassentyp& klasse(int c) const { return const_cast<plantyp*>(this)->klasse(c); }

    stundentyp& zeit(int i)
    {
        assert(i >= 1 && i <= anzahl_zeiten);
        return stundenzeiten[i - 1];
    }
    const stundentyp& zeit(int i) const { return const_cast<plantyp*>(this)->zeit(i); }
};

inline constexpr std::size_t plan_groesse = 37340;

static_assert(std::is_trivially_copyable_v<stundenplan> && std::is_standard_layout_v<stundenplan>);
static_assert(sizeof(stundenplan) == 36720 && alignof(stundenplan) == 1);
static_assert(std::is_trivially_copyable_v<plantyp> && std::is_standard_layout_v<plantyp>);
static_assert(sizeof(plantyp) == plan_groesse && alignof(plantyp) == 1);
static_assert(offsetof(plantyp, plan) == 0);
static_assert(offsetof(plantyp, klassen) == 36720);
static_assert(offsetof(plantyp, stundenzeiten) == 37120);

} // namespace orbela
