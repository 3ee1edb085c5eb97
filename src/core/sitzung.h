#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/auswahl.h"
#include "core/lehrerliste.h"
#include "core/lehrertyp.h"
#include "core/optionen.h"
#include "core/planschutz.h"
#include "core/plantyp.h"
#include "core/planverlauf.h"

namespace orbela {

// The state of one run of the program: the timetable, the current selection,
// the option check marks, the teacher list, the card index, the working
// directory and the plan's file name, with a mark for unsaved changes. The
// main window shows it; the other windows, the printouts and the export
// receive it.
class Sitzung {
public:
    // `programmpfad` is the folder of the side files, ending in '/'. Every
    // byte of the timetable is zero until "Neu" or "Laden...".
    explicit Sitzung(std::string programmpfad);
    // The same with the working directory as `programmpfad`.
    Sitzung();

    plantyp& plan() { return *plan_; }
    const plantyp& plan() const { return *plan_; }
    Auswahl& auswahl() { return auswahl_; }
    const Auswahl& auswahl() const { return auswahl_; }
    Optionen& optionen() { return optionen_; }
    const Optionen& optionen() const { return optionen_; }
    Lehrerliste& lehrerliste() { return lehrerliste_; }
    const Lehrerliste& lehrerliste() const { return lehrerliste_; }
    lehrertyp& kartei() { return kartei_; }
    const lehrertyp& kartei() const { return kartei_; }

    const std::string& programmpfad() const { return programmpfad_; }

    // The plan's file (a local path); empty until the plan is loaded or saved.
    const std::string& dateiname() const { return dateiname_; }
    void setze_dateiname(std::string name) { dateiname_ = std::move(name); }

    // True until "Neu" or "Laden..." has made a plan; the grid ignores clicks.
    bool kein_plan() const { return kein_plan_; }
    void setze_kein_plan(bool kein_plan) { kein_plan_ = kein_plan; }

    // Every change of the timetable ends with `markiere_geaendert`: it
    // records the plan for undo and sets the changed-mark. Consecutive
    // changes with the same non-empty key (keystrokes in one field of one
    // cell) are one undo step.
    void markiere_geaendert(const std::string& schluessel = {});
    // The plan was saved: the mark clears, undo stays.
    void markiere_unveraendert();
    // The plan was loaded or made anew: the mark clears, the history starts
    // empty. A plan restored from its recovery copy begins marked as changed.
    void plan_begonnen(bool gespeichert = true);
    // True while the plan differs from the state last loaded, made or saved
    // (undoing back to it clears the mark).
    bool geaendert() const { return geaendert_; }

    bool kann_rueckgaengig() const { return verlauf_.kann_rueckgaengig(); }
    bool kann_wiederholen() const { return verlauf_.kann_wiederholen(); }
    // Put the plan one step back or forward; false when there is none.
    bool rueckgaengig();
    bool wiederholen();

    // All changes made while a Schritt lives are one undo step: a command
    // that writes several fields (the copy button, "autom.") is undone at
    // once. Nested steps count as the outermost.
    class Schritt {
    public:
        explicit Schritt(Sitzung& sitzung);
        ~Schritt();
        Schritt(const Schritt&) = delete;
        Schritt& operator=(const Schritt&) = delete;

    private:
        Sitzung& sitzung_;
    };

    // Runs `rueckruf` whenever the plan, the changed-mark or what undo and
    // redo can do changes, until signed off with the number returned (not
    // from inside a call).
    int bei_aenderung(std::function<void()> rueckruf);
    void abmelden(int nummer);

    // The lock and the last known state of the plan's file.
    Planschutz& planschutz() { return planschutz_; }
    const Planschutz& planschutz() const { return planschutz_; }

private:
    void verlauf_geaendert();

    std::unique_ptr<plantyp> plan_;
    Auswahl auswahl_;
    Optionen optionen_;
    Lehrerliste lehrerliste_;
    lehrertyp kartei_;
    std::string programmpfad_;
    std::string dateiname_;
    bool kein_plan_ = true;
    bool geaendert_ = false;
    Planverlauf verlauf_;
    int schritt_tiefe_ = 0;
    std::string schritt_schluessel_; // the key of the open step's first change
    unsigned long schritt_nummer_ = 0;
    std::vector<std::pair<int, std::function<void()>>> zuhoerer_;
    int letzter_zuhoerer_ = 0;
    Planschutz planschutz_;
};

} // namespace orbela
