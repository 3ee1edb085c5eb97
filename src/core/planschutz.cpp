#include "core/planschutz.h"

namespace orbela {

void Planschutz::geoeffnet(const std::string& pfad, Plansperre sperre, bool schreibgeschuetzt,
                           std::optional<Dateistand> stand)
{
    // Reopening the plan this program already holds keeps the lock it has.
    if (pfad == pfad_ && sperre_.haelt())
        sperre.loslassen();
    else
        sperre_ = std::move(sperre);
    pfad_ = pfad;
    schreibgeschuetzt_ = schreibgeschuetzt;
    stand_ = std::move(stand);
}

void Planschutz::gespeichert(const std::string& pfad, Plansperre sperre)
{
    if (pfad == pfad_ && sperre_.haelt()) {
        sperre.loslassen(); // the same lock file, which ours keeps
    } else {
        if (!sperre.haelt())
            sperre.nehmen(pfad);
        sperre_ = std::move(sperre);
    }
    pfad_ = pfad;
    schreibgeschuetzt_ = schreibgeschuetzt_ && !sperre_.haelt();
    stand_ = Dateistand::von(pfad);
}

void Planschutz::sperre_verwerfen(const std::string& pfad, Plansperre& sperre) const
{
    if (pfad == pfad_ && sperre_.haelt())
        sperre.loslassen();
}

void Planschutz::geschlossen()
{
    sperre_.freigeben();
    pfad_.clear();
    schreibgeschuetzt_ = false;
    stand_.reset();
}

bool Planschutz::unveraendert(const std::string& pfad) const
{
    if (pfad != pfad_ || !stand_)
        return true;
    const std::optional<Dateistand> jetzt = Dateistand::von(pfad);
    return !jetzt || *jetzt == *stand_;
}

} // namespace orbela
