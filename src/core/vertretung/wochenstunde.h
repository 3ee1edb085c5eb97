#pragma once

namespace orbela {

// One lesson of the substitution week: day 1..6, lesson 1..9; a 0 in
// either means none (nothing selected).
struct Wochenstunde {
    int tag = 0;
    int stunde = 0;

    bool gesetzt() const { return tag != 0 && stunde != 0; }
    bool operator==(const Wochenstunde&) const = default;
};

} // namespace orbela
