#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>

#include "core/plantyp.h"

namespace orbela {

// What a change edited, for folding keystrokes into one undo step: one field
// of one cell, of one class record or of one lesson time, or one command
// made of several changes. Changes without a key are never folded.
struct Faltschluessel {
    enum class Art { keiner, code, klassenfeld, zeit, befehl };
    Art art = Art::keiner;
    int tag = 0;
    int stunde = 0;
    int klasse = 0;
    int feld = 0;
    unsigned long befehl = 0; // the number of the command, for Art::befehl

    bool operator==(const Faltschluessel&) const = default;
};

// The undo history of the timetable: the states of the plan after each
// change, up to `tiefe` steps back. A change is recorded after it is made;
// consecutive changes with the same key (keystrokes in one field of one
// cell) are folded into one step. The history also knows which state
// was last saved, so the changed-mark can follow undo and redo.
class Planverlauf {
public:
    static constexpr int tiefe = 100;

    // An empty history starting at `stand`, which counts as saved unless
    // `gespeichert` is false (a plan restored from its recovery copy).
    void beginnen(const plantyp& stand, bool gespeichert = true);
    // The plan after a change.
    void aufzeichnen(const plantyp& stand, const Faltschluessel& schluessel = {});
    // A step of changes begins: until the next one, the changes it records
    // can still be split off from the step they folded into (`abspalten`).
    void schritt_beginnen() { schritt_ = Schrittstand::leer; }
    // The step's changes are a step of their own from now on, under
    // `schluessel`: where its first change folded into the step before, that
    // step gets back its own state.
    void abspalten(const Faltschluessel& schluessel);

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
    void kuerzen();

    // How the open step was recorded: nothing yet, as a state of its own,
    // or folded into the step before, whose state `vor_faltung_` then keeps.
    enum class Schrittstand { leer, eigen, gefaltet };

    std::deque<std::unique_ptr<plantyp>> staende_;
    std::unique_ptr<plantyp> vor_faltung_;
    Schrittstand schritt_ = Schrittstand::eigen;
    std::size_t position_ = 0;
    Faltschluessel letzter_schluessel_;
    std::optional<std::size_t> gespeichert_;
};

} // namespace orbela
