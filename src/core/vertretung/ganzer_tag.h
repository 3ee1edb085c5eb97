#pragma once

#include <string_view>
#include <vector>

#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "core/vertretung/vertretungsplan.h"
#include "core/vertretung/vertretungswoche.h"

namespace orbela {

// Why a lesson of the day was not given to the substitute.
// `abwesend`: the substitute is the absent teacher or absent that day too.
enum class Hindernis { abwesend, unterrichtet, gesperrt, doppelt };

struct GanzerTag {
    std::vector<int> eingetragen; // lessons now covered by the substitute
    struct Luecke {
        int stunde;
        Hindernis grund;
    };
    std::vector<Luecke> uebersprungen; // uncovered lessons left open
};

// Assigns the substitute to every lesson of the day that is to cover and
// still has no substitute, where the substitute is free: not the absent
// teacher, not absent that day by the week's plans, teaching in no
// occupancy of that lesson (not even a dispensable one), not blocked on the first card carrying the code, and not covering
// that lesson in another plan of the week.
GanzerTag ganzen_tag_vertreten(Vertretungsplan& vp, const plantyp& plan, const Lehrerliste& liste,
                               const Vertretungsstand& stand, int tag, std::string_view vertreter);

} // namespace orbela
