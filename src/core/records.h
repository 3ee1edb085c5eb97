#pragma once

#include <cstddef>
#include <type_traits>

#include "core/pstring.h"

namespace orbela {

// One occupancy of a cell: teacher, subject and room code plus the
// dispensability flag. 17 bytes, exactly as in the plan file.
struct belegungtyp {
    PString<4> lehrer;
    PString<4> fach;
    PString<4> raum;
    PString<1> verzichtbar;

    // Every reader tests the character byte alone, never the length byte.
    bool ist_verzichtbar() const { return verzichtbar.data[0] == 'v'; }
    void setze_verzichtbar(char zeichen) { verzichtbar.data[0] = zeichen; }
    // Clearing for column operations: three empty codes, flag length 0 and ' '.
    void leeren()
    {
        lehrer.clear();
        fach.clear();
        raum.clear();
        verzichtbar.len = 0;
        verzichtbar.data[0] = ' ';
    }
};

// One cell: one class in one lesson of one day.
struct zellentyp {
    belegungtyp erste;
    belegungtyp zweite;

    // Drawn in two halves when any code of the second occupancy is set.
    bool ist_doppelt() const
    {
        return !zweite.lehrer.empty() || !zweite.fach.empty() || !zweite.raum.empty();
    }
    bool ist_leer() const
    {
        return erste.lehrer.empty() && erste.fach.empty() && erste.raum.empty() && !ist_doppelt();
    }
};

// One class column's header record.
struct klassentyp {
    PString<4> klasse;
    PString<4> klassenlehrer;
    PString<4> klassenraum;
    PString<4> wochenstunden;

    void leeren()
    {
        klasse.clear();
        klassenlehrer.clear();
        klassenraum.clear();
        wochenstunden.clear();
    }
};

// Begin and end of one lesson row, free text.
struct stundentyp {
    PString<10> beginn;
    PString<10> ende;
};

static_assert(std::is_trivially_copyable_v<belegungtyp> && std::is_standard_layout_v<belegungtyp>);
static_assert(sizeof(belegungtyp) == 17 && alignof(belegungtyp) == 1);
static_assert(offsetof(belegungtyp, lehrer) == 0);
static_assert(offsetof(belegungtyp, fach) == 5);
static_assert(offsetof(belegungtyp, raum) == 10);
static_assert(offsetof(belegungtyp, verzichtbar) == 15);

static_assert(std::is_trivially_copyable_v<zellentyp> && std::is_standard_layout_v<zellentyp>);
static_assert(sizeof(zellentyp) == 34);
static_assert(offsetof(zellentyp, erste) == 0);
static_assert(offsetof(zellentyp, zweite) == 17);

static_assert(std::is_trivially_copyable_v<klassentyp> && std::is_standard_layout_v<klassentyp>);
static_assert(sizeof(klassentyp) == 20);
static_assert(offsetof(klassentyp, klasse) == 0);
static_assert(offsetof(klassentyp, klassenlehrer) == 5);
static_assert(offsetof(klassentyp, klassenraum) == 10);
static_assert(offsetof(klassentyp, wochenstunden) == 15);

static_assert(std::is_trivially_copyable_v<stundentyp> && std::is_standard_layout_v<stundentyp>);
static_assert(sizeof(stundentyp) == 22);
static_assert(offsetof(stundentyp, beginn) == 0);
static_assert(offsetof(stundentyp, ende) == 11);

} // namespace orbela
