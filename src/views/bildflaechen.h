#pragma once

#include <array>
#include <cassert>

#include "canvas/canvas.h"

namespace orbela {

// The canvases of the main window's images: 1 is the plan grid, 2..11 the
// side views. Each image keeps its own canvas (and so its own pen, brush and
// font) for the whole run.
struct Bildflaechen {
    static constexpr int anzahl = 11;
    std::array<Canvas*, anzahl + 1> bild{}; // index 0 unused

    Canvas& operator()(int n) const
    {
        assert(n >= 1 && n <= anzahl && bild[static_cast<std::size_t>(n)] != nullptr);
        return *bild[static_cast<std::size_t>(n)];
    }
};

// What the pictures need from the window that shows them.
class AnsichtsHost {
public:
    virtual ~AnsichtsHost() = default;
    // Empties status panels 1, 2 and 0 (start of a full redraw).
    virtual void statuszeilen_leeren() = 0;
    // Moves the day tab to the day without running the tab's change handler.
    virtual void tag_reiter_setzen(int tag) = 0;
    // Shows or hides side-view image n (2..5).
    virtual void bild_sichtbar(int bild, bool sichtbar) = 0;
};

} // namespace orbela
