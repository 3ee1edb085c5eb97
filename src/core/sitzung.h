#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/auswahl.h"
#include "core/dokument.h"
#include "core/lehrerliste.h"
#include "core/kartei.h"
#include "core/optionen.h"
#include "core/planschutz.h"
#include "core/plantyp.h"
#include "core/vertretung/vertretungsdokument.h"

namespace orbela {

// The state of one run of the program: the plan document, the current
// selection, the option check marks, the teacher list, the card index, the
// substitution plan and the working directory. The main window shows it; the other windows, the
// printouts and the export receive it.
class Sitzung {
public:
    // `programmpfad` is the folder of the side files, ending in '/'.
    explicit Sitzung(std::string programmpfad);
    // The same with the working directory as `programmpfad`.
    Sitzung();

    // The plan being edited; every change goes through the document.
    Dokument& dokument() { return dokument_; }
    const Dokument& dokument() const { return dokument_; }
    const plantyp& plan() const { return dokument_.plan(); }
    // The substitution plan the substitution window works on; it keeps its
    // state across plans loaded or made anew.
    Vertretungsdokument& vertretung() { return vertretung_; }
    const Vertretungsdokument& vertretung() const { return vertretung_; }
    Auswahl& auswahl() { return auswahl_; }
    const Auswahl& auswahl() const { return auswahl_; }
    const Optionen& optionen() const { return optionen_; }
    Lehrerliste& lehrerliste() { return lehrerliste_; }
    const Lehrerliste& lehrerliste() const { return lehrerliste_; }
    Kartei& kartei() { return kartei_; }
    const Kartei& kartei() const { return kartei_; }

    const std::string& programmpfad() const { return programmpfad_; }

    // Sets a check mark of "Optionen" and tells the listeners.
    void setze_option(Optionen::Art option, bool wert);
    // Rebuilds the teacher list from the card index (after the card window)
    // and tells the listeners.
    void kartei_uebernehmen();

    // Listeners are told every change of the plan as the document tells it,
    // and the changes of the options and the teacher list; the number
    // unregisters.
    int beobachten(Dokument::Beobachter beobachter);
    void nicht_mehr_beobachten(int nummer);

    // At program start: reads the card index from the first card file there
    // is (see kartei_beim_start_lesen).
    void karten_beim_start_lesen();
    Sitzung(const Sitzung&) = delete;
    Sitzung& operator=(const Sitzung&) = delete;

    // "Neu": an empty week whose teacher list holds every teacher of the
    // cards. Everything that can fail is done aside first: on Fehler the
    // plan, its file name and the cards stay as they were.
    void neu();
    // "Laden...": reads the plan file, then reloads the cards and rebuilds
    // the teacher list. A plan that cannot be read changes nothing. `sperre`
    // is the file's lock taken by the caller, or none.
    void laden(const std::string& pfad, Plansperre sperre = {}, bool schreibgeschuetzt = false);
    // A recovery copy's plan as the unsaved state of the file `dateiname`
    // (empty: a plan never saved), which was `stand` then.
    void wiederherstellen(const plantyp& plan, const std::string& dateiname, Plansperre sperre,
                          bool schreibgeschuetzt, std::optional<Dateistand> stand);

    // The lock and the last known state of the plan's file.
    Planschutz& planschutz() { return planschutz_; }
    const Planschutz& planschutz() const { return planschutz_; }

private:
    void melden(const Aenderung& aenderung);

    Dokument dokument_;
    Vertretungsdokument vertretung_;
    Auswahl auswahl_;
    Optionen optionen_;
    Lehrerliste lehrerliste_;
    Kartei kartei_;
    std::string programmpfad_;
    Planschutz planschutz_;
    std::vector<std::pair<int, Dokument::Beobachter>> beobachter_;
    int naechste_nummer_ = 0;
};

} // namespace orbela
