#pragma once

#include <optional>
#include <string>

#include "core/dateistand.h"
#include "core/plansperre.h"

namespace orbela {

// Guards the open plan's file against other programs: holds its lock,
// remembers what the file was when it was loaded or last saved, and knows
// whether it was opened read-only (then "Speichern" asks for a new name).
class Planschutz {
public:
    // The plan was loaded from `pfad` (or restored as its unsaved state,
    // with `stand` what the file was then); `sperre` is the lock taken for
    // it, or none.
    void geoeffnet(const std::string& pfad, Plansperre sperre, bool schreibgeschuetzt,
                   std::optional<Dateistand> stand);
    void geoeffnet(const std::string& pfad, Plansperre sperre, bool schreibgeschuetzt)
    {
        geoeffnet(pfad, std::move(sperre), schreibgeschuetzt, Dateistand::von(pfad));
    }
    // The plan was saved to `pfad`, with `sperre` the lock taken for it
    // before writing (none: it is taken now when it can be). The old lock
    // goes. A plan opened read-only stays so unless this lock is held.
    void gespeichert(const std::string& pfad, Plansperre sperre = {});
    // A lock taken for `pfad` goes unused (loading or saving failed): where
    // it is the lock this program holds for the plan open now, that stays.
    void sperre_verwerfen(const std::string& pfad, Plansperre& sperre) const;
    // "Neu": the lock goes, the file is forgotten.
    void geschlossen();

    // False when the file at `pfad` is no longer what was loaded or last
    // saved: another program has written it meanwhile. A file that is gone,
    // cannot be read, or of which nothing is known counts as unchanged.
    bool unveraendert(const std::string& pfad) const;

    bool schreibgeschuetzt() const { return schreibgeschuetzt_; }
    const std::optional<Dateistand>& stand() const { return stand_; }
    bool gesperrt() const { return sperre_.haelt(); }

private:
    std::string pfad_;
    Plansperre sperre_;
    bool schreibgeschuetzt_ = false;
    std::optional<Dateistand> stand_;
};

} // namespace orbela
