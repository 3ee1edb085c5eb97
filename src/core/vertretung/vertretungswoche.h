#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/plantyp.h"
#include "core/vertretung/vertretungsplan.h"

namespace orbela {

// The substitution plans of one week, which the school keeps as one .vtp
// file per absent teacher in one folder.
struct Vertretungswoche {
    struct Plan {
        std::string datei;      // the file's name within the folder
        std::string abwesender; // Windows-1252
        PString<2> vertreter[anzahl_tage][anzahl_stunden];
    };
    std::vector<Plan> plaene;           // in order of file name
    std::vector<std::string> unlesbar;  // files skipped: unreadable or not 660 bytes
};

// Reads every file ending in ".vtp" (any case) of the folder. A file that
// cannot be read or does not have the size of a substitution plan is named
// in `unlesbar` and skipped; a folder that cannot be listed is named there
// itself. An empty folder name gives an empty week. Never throws Fehler.
Vertretungswoche lies_vertretungswoche(const std::string& ordner);

// What the week says about each teacher, with the open plan standing in for
// the folder's file (or files) of the same absent teacher, so its unsaved
// assignments count and its saved state does not count twice.
class Vertretungsstand {
public:
    Vertretungsstand(const Vertretungswoche& woche, const Vertretungsplan& offen);

    // Lessons the teacher covers this week.
    int anzahl(std::string_view lehrer) const;
    // The absent teacher of another plan of the week in which `lehrer`
    // already covers (tag, stunde), or nullptr.
    const std::string* doppelt(std::string_view lehrer, int tag, int stunde) const;
    // Whether `lehrer` is absent on `tag` themselves: their own plan of the
    // week (the open plan for its absent teacher, else their file in the
    // folder) settles at least one lesson of that day, with a substitute,
    // "##" or "XX". Such a teacher is not free to cover anyone that day.
    // This is the one place of that rule.
    bool selbst_abwesend(std::string_view lehrer, int tag) const;
    // Every substitute (teacher code, not "##"/"XX") with their count.
    const std::map<std::string, int, std::less<>>& zaehlung() const { return zaehlung_; }

private:
    std::map<std::string, int, std::less<>> zaehlung_;
    struct Belegung {
        std::string vertreter;
        std::string abwesender;
    };
    std::vector<Belegung> andere_[anzahl_tage][anzahl_stunden];
    std::vector<std::string> abwesend_[anzahl_tage]; // absent teachers of each day
};

// Whether a substitute text names a teacher: not empty, "##" or "XX".
bool ist_lehrer_vertreter(std::string_view vertreter);

} // namespace orbela
