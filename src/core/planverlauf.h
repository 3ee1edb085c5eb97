#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "core/plantyp.h"

namespace orbela {

// The undo history of the timetable: the states of the plan after each
// change, up to `tiefe` steps back. A change is recorded after it is made;
// consecutive changes with the same non-empty key (keystrokes in one field
// of one cell) are folded into one step. The history also knows which state
// was last saved, so the changed-mark can follow undo and redo.
class Planverlauf {
public:
    static constexpr int tiefe = 100;

    // An empty history starting at `stand`, which counts as saved unless
    // `gespeichert` is false (a plan restored from its recovery copy).
    void beginnen(const plantyp& stand, bool gespeichert = true);
    // The plan after a change.
    void aufzeichnen(const plantyp& stand, const std::string& schluessel = {});

    bool kann_rueckgaengig() const { return position_ > 0; }
    bool kann_wiederholen() const { return position_ + 1 < staende_.size(); }
    // Copy the state one step back or forward into `plan`; false when there
    // is none.
    bool rueckgaengig(plantyp& plan);
    bool wiederholen(plantyp& plan);

    void als_gespeichert_markieren();
    // True when the current state is the one last saved (or begun with).
    bool ist_gespeichert() const { return gespeichert_ && *gespeichert_ == position_; }

private:
    std::deque<std::unique_ptr<plantyp>> staende_;
    std::size_t position_ = 0;
    std::string letzter_schluessel_;
    std::optional<std::size_t> gespeichert_;
};

} // namespace orbela
