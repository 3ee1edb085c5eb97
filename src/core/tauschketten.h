#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/lehrerliste.h"
#include "core/optionen.h"
#include "core/plantyp.h"
#include "core/wochenkonflikte.h"
#include "core/zellort.h"

namespace orbela {

// Swap chains: what else must move so that a lesson can go where it clashes.
//
// A chain is a list of exchanges of two cells of one class column (a move
// when one of them is empty); whole cells move, both occupancies with their
// dispensability marks. No cell takes part in two exchanges, so no lesson
// moves twice. A chain is legal when, after all of it, no lesson row holds
// a conflict that was not there before: a teacher twice in the row, a room
// twice (each only while its option of the "Optionen" menu is on) or a
// teacher in a lesson their card blocks (always). A conflict that was there
// may stay or shrink to fewer class columns. A teacher code without a card
// is one wherever its lesson stands; moving it neither makes nor mends one.

struct Tauschkette {
    std::vector<Tausch> tausche;
    int tage = 0;         // days whose cells the chain touches
    int verzichtbare = 0; // dispensable marks of the lessons it moves

    // Lessons moved besides the one it is for.
    int laenge() const { return static_cast<int>(tausche.size()) - 1; }
    friend bool operator==(const Tauschkette&, const Tauschkette&) = default;
};

// The bound of every search: besides the lesson itself, at most this many
// others move; at most this many chains are offered.
inline constexpr int hoechste_kettenlaenge = 3;
inline constexpr int angebotene_ketten = 10;

// What a target of a dragged lesson needs: nothing else moved (`frei`), a
// chain of 1..3 other lessons, or none within the bound.
inline constexpr int kette_frei = 0;
inline constexpr int keine_kette = -1;

// Searches chains on one plan as it stands; cheap to make, one per drag.
class Kettensuche {
public:
    Kettensuche(const plantyp& plan, const Lehrerliste& liste, const Optionen& optionen);
    ~Kettensuche();
    Kettensuche(const Kettensuche&) = delete;
    Kettensuche& operator=(const Kettensuche&) = delete;

    // For the lesson at `herkunft` and each lesson row of day `tag` in the
    // same class column: `kette_frei` when the plain exchange is legal, the
    // length of the shortest legal chain, or `keine_kette`. Index 0 unused;
    // the origin's own place is `kette_frei`.
    std::array<int, anzahl_stunden + 1> kettenlaengen(Zellort herkunft, int tag);

    // The legal chains whose first exchange takes the lesson at `herkunft`
    // to `ziel` (same class column), at most `anzahl`, best first: fewer
    // lessons moved, then fewer days touched, then fewer dispensable marks
    // moved. Empty when the plain exchange is legal or nothing is found.
    std::vector<Tauschkette> ketten(Zellort herkunft, Zellort ziel, int anzahl = angebotene_ketten);

    // Chains that remove `konflikt` (none of its kind and code left in its
    // lesson row) without making another, starting with a lesson of it.
    std::vector<Tauschkette> loesungen(const Konflikt& konflikt, int anzahl = angebotene_ketten);

private:
    struct Daten;
    std::unique_ptr<Daten> d_;
};

} // namespace orbela
