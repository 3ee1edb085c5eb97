#pragma once

#include <cstddef>
#include <type_traits>

#include "core/pstring.h"

namespace orbela {

// One day and lesson of a substitution plan, 12 bytes, exactly as in the
// .vtp file: class, subject and room of the absent teacher's lesson and the
// substitute chosen for it.
struct vertretungtyp {
    PString<2> klasse;    // first 2 characters of the class text
    PString<2> fach;      // "##" when the teacher's occupancies differ
    PString<2> raum;      // "##" when they differ
    PString<2> vertreter; // a teacher code, "##" split up, "XX" dropped, empty open

    // Empties all four fields; the bytes behind the lengths stay.
    void leeren()
    {
        klasse.clear();
        fach.clear();
        raum.clear();
        vertreter.clear();
    }
};

static_assert(std::is_trivially_copyable_v<vertretungtyp> && std::is_standard_layout_v<vertretungtyp>);
static_assert(sizeof(vertretungtyp) == 12 && alignof(vertretungtyp) == 1);
static_assert(offsetof(vertretungtyp, klasse) == 0);
static_assert(offsetof(vertretungtyp, fach) == 3);
static_assert(offsetof(vertretungtyp, raum) == 6);
static_assert(offsetof(vertretungtyp, vertreter) == 9);

// The substitute texts with a meaning of their own.
inline constexpr const char* vertreter_aufgeteilt = "##";
inline constexpr const char* vertreter_entfaellt = "XX";

} // namespace orbela
