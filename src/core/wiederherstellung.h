#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dateistand.h"
#include "core/prozesskennung.h"

namespace orbela {

// One recovery copy: the unsaved content, the file it belongs to and when
// it was written.
struct Sicherung {
    std::string pfad;       // the copy itself
    std::string inhalt;     // the record bytes, exactly as a save would write them
    std::string dateiname;  // the plan's own file; empty for a plan never saved
    std::int64_t zeit = 0;  // seconds since 1970
    // The file as it was loaded or last saved, for the check before the
    // first save after restoring.
    std::optional<Dateistand> stand;
};

// The recovery copies of one kind of document ("plan", "vertretung") in the
// user's state folder. Each running program keeps its own copy, named after
// its process, so two programs never write over each other's; the copies of
// programs that have ended without removing them (crash, power cut, killed)
// are offered at the next start.
class Wiederherstellung {
public:
    // `groesse` is the length every copy of this kind must have.
    Wiederherstellung(std::string ordner, std::string art, std::size_t groesse);

    // $XDG_STATE_HOME/orbela, else ~/.local/state/orbela.
    static std::string standardordner();

    // Writes this program's copy atomically (temporary file, then rename),
    // making the folder when needed. Throws Fehler.
    void sichern(std::string_view inhalt, const std::string& dateiname, const std::optional<Dateistand>& stand);
    // Removes this program's copy, if there is one.
    void entfernen();

    // The copies of ended programs of this kind, newest first. Damaged
    // copies and those of running programs are left out.
    std::vector<Sicherung> verwaiste() const;
    static void entfernen(const Sicherung& sicherung);
    // Makes a restored copy this program's own; where this program has
    // written its own copy already, that newer one stays and the restored
    // one goes.
    void uebernehmen(const Sicherung& sicherung);

    const std::string& eigene_datei() const { return datei_; }

private:
    std::string ordner_;
    std::string art_;
    std::size_t groesse_;
    Prozesskennung ich_;
    std::string datei_;
};

} // namespace orbela
