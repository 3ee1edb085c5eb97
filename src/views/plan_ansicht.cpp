#include "views/plan_ansicht.h"

namespace orbela {

PlanAnsicht::PlanAnsicht(const plantyp& plan, const Optionen& optionen, const Lehrerliste& liste,
                         Bildflaechen bilder, AnsichtsHost& host)
    : plan_(plan)
    , optionen_(optionen)
    , liste_(liste)
    , bilder_(bilder)
    , host_(host)
{
}

void PlanAnsicht::aufbau_plan() {}
void PlanAnsicht::anzeigen(int) {}
void PlanAnsicht::feld(int, int, bool, int) {}
void PlanAnsicht::leere_felder() {}

} // namespace orbela
