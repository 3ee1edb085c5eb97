#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/auswahl.h"
#include "core/lehrerliste.h"
#include "core/lehrertyp.h"
#include "core/optionen.h"
#include "core/plantyp.h"

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

    // Set by every change of the timetable, cleared when the plan is loaded,
    // saved or made anew. The callback runs whenever the mark changes.
    bool geaendert() const { return geaendert_; }
    void markiere_geaendert() { setze_geaendert(true); }
    void markiere_unveraendert() { setze_geaendert(false); }
    void bei_aenderung(std::function<void()> rueckruf) { bei_aenderung_ = std::move(rueckruf); }

private:
    void setze_geaendert(bool geaendert);

    std::unique_ptr<plantyp> plan_;
    Auswahl auswahl_;
    Optionen optionen_;
    Lehrerliste lehrerliste_;
    lehrertyp kartei_;
    std::string programmpfad_;
    std::string dateiname_;
    bool kein_plan_ = true;
    bool geaendert_ = false;
    std::function<void()> bei_aenderung_;
};

} // namespace orbela
