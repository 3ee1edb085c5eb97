#pragma once

#include <cstdint>

namespace orbela {

// The current selection of the grid. Lesson 0 with a class selects the class
// header, class 0 with a lesson the lesson header, both 0 nothing.
struct Auswahl {
    std::uint16_t akt_tag = 1;
    std::uint16_t akt_stunde = 0;
    std::uint16_t akt_klasse = 0;

    bool ist_zelle() const { return akt_stunde >= 1 && akt_klasse >= 1; }
    bool ist_klassenkopf() const { return akt_stunde == 0 && akt_klasse >= 1; }
    bool ist_stundenkopf() const { return akt_stunde >= 1 && akt_klasse == 0; }
};

} // namespace orbela
