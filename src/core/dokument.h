#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/klassen_spalten.h"
#include "core/optionen.h"
#include "core/plantyp.h"
#include "core/planverlauf.h"
#include "core/zellort.h"

namespace orbela {

// The six codes of a cell, in the order of the fields of page "Plan".
enum class Codefeld { lehrer, fach, raum, lehrer2, fach2, raum2 };
enum class Klassenfeld { klasse, klassenlehrer, klassenraum, wochenstunden };
enum class Zeitfeld { beginn, ende };

// What a change of the plan touched. `zelle` names one cell, `stunde` the
// times of one lesson row (ort.stunde), `klasse` the record of one class
// column (ort.klasse), `alles` any part of the week, `neuer_plan` all of it
// (a plan made anew or loaded), and `datei` only the file state: the file
// name, the changed-mark or what undo and redo can do. Every change may also
// have changed the file state. The session adds what is not the plan but is
// drawn with it: `option` (one check mark of "Optionen") and `kartei` (the
// teacher list taken over from the card index).
struct Aenderung {
    enum class Art { zelle, stunde, klasse, alles, neuer_plan, datei, option, kartei };
    Art art = Art::alles;
    Zellort ort{};
    Optionen::Art option{}; // for `option`

    bool operator==(const Aenderung&) const = default;
};

// The timetable being edited, with its undo history, its changed-mark and
// its file name. Every change goes through one of the operations below;
// each is one undo step (keystrokes into one field of one cell fold into
// one) and tells every listener what it touched. Texts are Windows-1252.
class Dokument {
public:
    // Every byte of the timetable is zero until `beginnen`.
    Dokument();
    ~Dokument();
    Dokument(const Dokument&) = delete;
    Dokument& operator=(const Dokument&) = delete;

    const plantyp& plan() const { return *plan_; }
    // True until a plan has been made or loaded; the grid ignores clicks.
    bool kein_plan() const { return kein_plan_; }
    // The plan's file (a local path); empty until the plan is loaded or saved.
    const std::string& dateiname() const { return dateiname_; }
    // True while the plan differs from the state last loaded, made or saved
    // (undoing back to it clears the mark).
    bool geaendert() const { return geaendert_; }
    bool kann_rueckgaengig() const { return verlauf_.kann_rueckgaengig(); }
    bool kann_wiederholen() const { return verlauf_.kann_wiederholen(); }

    // --- the plan as a whole
    // Takes `plan` (made anew, or read from the file `dateiname`) as the
    // plan; the history starts empty and the mark clears, unless the plan
    // is not what that file holds (`gespeichert` false: a recovery copy).
    void beginnen(const plantyp& plan, std::string dateiname = {}, bool gespeichert = true);
    // Writes the plan to its file; the mark clears, undo stays.
    void speichern();
    // Writes the plan to `pfad`, which becomes its file once written.
    void speichern_unter(const std::string& pfad);
    // Put the plan one step back or forward; false when there is none.
    bool rueckgaengig();
    bool wiederholen();

    // --- edits; those returning bool tell whether the plan changed
    bool setze_code(Zellort ort, Codefeld feld, std::string_view text);
    bool setze_klassenfeld(int klasse, Klassenfeld feld, std::string_view text);
    bool setze_zeit(int stunde, Zeitfeld feld, std::string_view text);
    void spalte_einfuegen(int klasse);
    void spalte_loeschen(int klasse);
    // Fills the class's weekly hours with its class teacher (see
    // klasse_automatisch_fuellen); Fehler for hours that are no number.
    Fuellergebnis automatisch_fuellen(int klasse);
    // The number of teacher entries replaced.
    int lehrer_ersetzen(std::string_view alt, std::string_view neu);
    // Sets the dispensability character of the cell's first occupancy, or
    // of its second when `zweite` and the cell is double.
    bool setze_verzichtbar(Zellort ort, bool zweite, char zeichen);
    // Empties the six codes and both dispensability marks.
    bool loesche_zelle(Zellort ort);
    // Whole cells with both occupancies and their marks: `verschiebe`
    // leaves `von` empty as `loesche_zelle` does, `tausche` exchanges them,
    // `kopiere` puts a copy of `von` into `nach`.
    bool verschiebe(Zellort von, Zellort nach);
    bool tausche(Zellort a, Zellort b);
    bool kopiere(Zellort von, Zellort nach);
    // The exchanges of a swap chain one after the other, as one step.
    bool tausche_kette(const std::vector<Tausch>& kette);

    // All changes made while a Schritt lives are one undo step. Nested steps
    // count as the outermost. A step that changes one field of one cell (a
    // keystroke) folds with the keystrokes before and after it into that
    // field; one that changes more, or is opened as a `befehl` (the copy
    // button), is a step of its own and never folds with typing.
    class Schritt {
    public:
        enum class Art { faltbar, befehl };
        explicit Schritt(Dokument& dokument, Art art = Art::faltbar);
        ~Schritt();
        Schritt(const Schritt&) = delete;
        Schritt& operator=(const Schritt&) = delete;

    private:
        Dokument& dokument_;
    };

    // Listeners are told after every change; the number unregisters.
    using Beobachter = std::function<void(const Aenderung&)>;
    int beobachten(Beobachter beobachter);
    void nicht_mehr_beobachten(int nummer);

private:
    // Records the changed plan for undo and tells the listeners.
    void geaendert_durch(const Aenderung& aenderung, const Faltschluessel& schluessel = {});
    void melden(const Aenderung& aenderung);
    // After a step back or forward through the history, when there was one.
    bool verlauf_gegangen(bool getan);
    zellentyp& zelle(Zellort ort);

    std::unique_ptr<plantyp> plan_;
    Planverlauf verlauf_;
    std::string dateiname_;
    bool kein_plan_ = true;
    bool geaendert_ = false;
    int schritt_tiefe_ = 0;
    Faltschluessel schritt_schluessel_; // the open step's, once it changed something
    bool schritt_befehl_ = false;       // the open step is a command: it never folds
    unsigned long befehl_nummer_ = 0;
    std::vector<std::pair<int, Beobachter>> beobachter_;
    int naechste_nummer_ = 0;
};

} // namespace orbela
