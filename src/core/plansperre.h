#pragma once

#include <cstdint>
#include <string>

#include "core/prozesskennung.h"

namespace orbela {

// Who holds a plan open: the user, the program's process and since when.
struct Sperrinhaber {
    std::string benutzer;
    Prozesskennung prozess;
    std::int64_t seit = 0; // seconds since 1970
    bool lesbar = true;    // false: a lock file that names nobody ("unbekannt")
};

// The lock file beside an open plan ("Plan.orb.sperre"), telling other
// programs on the same folder - also on other computers of a shared folder -
// that the plan is open. A lock whose program has ended (on this computer)
// is stale and taken over. Released when the object goes; a lock another
// program has taken over meanwhile is left to it.
class Plansperre {
public:
    enum class Ergebnis {
        genommen,     // the lock is ours
        belegt,       // another running program holds it: see inhaber()
        ohne_sperre,  // the folder takes no lock file (read-only share)
    };

    Plansperre() = default;
    ~Plansperre() { freigeben(); }
    Plansperre(Plansperre&& andere) noexcept;
    Plansperre& operator=(Plansperre&& andere) noexcept;
    Plansperre(const Plansperre&) = delete;
    Plansperre& operator=(const Plansperre&) = delete;

    static std::string sperrdatei(const std::string& plan) { return plan + ".sperre"; }

    // Tries to lock the plan; a lock left by this program counts as ours.
    // `trotzdem` takes over a lock that another program holds.
    Ergebnis nehmen(const std::string& plan, bool trotzdem = false);
    // Removes the lock file if it is still ours.
    void freigeben();
    // Forgets the lock without removing it (another object holds it).
    void loslassen() { datei_.clear(); }

    bool haelt() const { return !datei_.empty(); }
    // The holder found by the last nehmen() that gave `belegt`.
    const Sperrinhaber& inhaber() const { return inhaber_; }

private:
    std::string datei_; // the lock file while we hold it
    Sperrinhaber ich_;
    Sperrinhaber inhaber_;
};

} // namespace orbela
