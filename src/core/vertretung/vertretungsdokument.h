#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "core/vertretung/ganzer_tag.h"
#include "core/vertretung/vertretungsplan.h"
#include "core/vertretung/vertretungswoche.h"
#include "core/vertretung/wochenstunde.h"

namespace orbela {

// What a change of the substitution plan touched. `eintrag` names the
// substitute of one lesson (ort), `alles` any part of the week (another
// absent teacher, entries rebuilt from the timetable, a file opened, several
// substitutes at once), and `datei` only the file state: the file name, the
// week's folder and its counts, or the changed-mark. Every change may also
// have changed the file state.
struct Vertretungsaenderung {
    enum class Art { eintrag, alles, datei };
    Art art = Art::alles;
    Wochenstunde ort{};

    bool operator==(const Vertretungsaenderung&) const = default;
};

// The substitution plan being worked on: the week of one absent teacher
// with its substitutes, its file, the folder of the week's other plans with
// what they count, and whether substitutes would be lost. Outside it the
// plan is read-only; every change is one of the operations below, and each
// tells every listener what it touched. The timetable and the teacher list
// it derives the entries from are handed in by the caller. Texts are
// Windows-1252. One exists for the whole run.
class Vertretungsdokument {
public:
    Vertretungsdokument() = default;
    Vertretungsdokument(const Vertretungsdokument&) = delete;
    Vertretungsdokument& operator=(const Vertretungsdokument&) = delete;

    // --- what it holds
    const Vertretungsplan& plan() const { return plan_; }
    const vertretungtyp& eintrag(int tag, int stunde) const { return plan_.eintrag(tag, stunde); }
    // Empty until chosen, opened or restored.
    const std::string& abwesender_lehrer() const { return plan_.abwesender_lehrer; }
    // The file last opened or saved (a local path); empty for a new plan.
    const std::string& dateiname() const { return dateiname_; }
    // The folder of the plan last opened or saved, whose .vtp files make
    // up the week; empty until then.
    const std::string& ordner() const { return ordner_; }
    // The week's plans as last read from `ordner`, with the files that
    // could not be read.
    const Vertretungswoche& woche() const { return woche_; }
    // The week's counts, with this plan's unsaved substitutes.
    Vertretungsstand stand() const { return Vertretungsstand(woche_, plan_); }
    // True from an assignment until the plan is saved, opened or emptied.
    bool geaendert() const { return geaendert_; }

    // --- operations
    // "Neu": empties every entry and, when given, takes `abwesender` as the
    // absent teacher (otherwise the last one stays); the plan belongs to no
    // file, the week's folder stays and is read again.
    void neu(const plantyp& stundenplan, std::optional<std::string> abwesender);
    // Reads the file (Fehler when it cannot be read: nothing changes) and
    // reads the week of its folder.
    void oeffnen(const std::string& pfad, const plantyp& stundenplan);
    // Writes the plan to `pfad`, which becomes its file; its folder becomes
    // the week's and is read again.
    void speichern(const std::string& pfad);
    // Opening the window again: the substitutes assigned so far are
    // discarded; the absent teacher and the file stay, the week is read
    // again and the entries rebuilt from the timetable as it now stands.
    void verwerfen(const plantyp& stundenplan);
    // A recovery copy's 660 bytes as the unsaved state of the file
    // `dateiname` (empty: a plan never saved).
    void wiederherstellen(std::string_view bytes, const std::string& dateiname, const plantyp& stundenplan);
    // Sets the substitute of a lesson to cover (cut to 2 characters; empty
    // clears it). False, changing nothing, for any other lesson.
    bool setze_vertreter(Wochenstunde stunde, std::string_view code);
    // Gives `vertreter` every uncovered lesson of the day where they are
    // free (see ganzen_tag_vertreten).
    GanzerTag ganzer_tag(int tag, std::string_view vertreter, const plantyp& stundenplan, const Lehrerliste& liste);

    // --- listeners: told after every change; the number unregisters.
    using Beobachter = std::function<void(const Vertretungsaenderung&)>;
    int beobachten(Beobachter beobachter);
    void nicht_mehr_beobachten(int nummer);

    // Class, subject and room of every entry from the timetable as it now
    // stands; the substitutes stay.
    void aufbauen(const plantyp& stundenplan);

private:
    void eintraege_aufbauen(const plantyp& stundenplan);
    void datei_setzen(const std::string& pfad);
    void melden(const Vertretungsaenderung& aenderung);

    Vertretungsplan plan_;
    std::string dateiname_;
    std::string ordner_;
    Vertretungswoche woche_;
    bool geaendert_ = false;
    std::vector<std::pair<int, Beobachter>> beobachter_;
    int naechste_nummer_ = 0;
};

} // namespace orbela
