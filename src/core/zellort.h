#pragma once

namespace orbela {

// A cell of the week.
struct Zellort {
    int tag = 0;
    int stunde = 0;
    int klasse = 0;
    friend bool operator==(const Zellort&, const Zellort&) = default;
};

// An exchange of two cells: the lesson at `von` goes to `nach` and what
// stood at `nach` (if anything) to `von`.
struct Tausch {
    Zellort von;
    Zellort nach;
    friend bool operator==(const Tausch&, const Tausch&) = default;
};

} // namespace orbela
