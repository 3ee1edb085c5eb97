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
void PlanAnsicht::check_1(int, int, bool, int) {}
void PlanAnsicht::check_2(int, int, bool, int) {}
void PlanAnsicht::aufbau_lehrerplan(std::string_view, std::string_view) {}
void PlanAnsicht::aufbau_raumplan(std::string_view, std::string_view) {}
void PlanAnsicht::aufbau_statistik() {}
void PlanAnsicht::aufbau_klassenplan(int) {}
void PlanAnsicht::aufbau_lehrer(int, int, int) {}

} // namespace orbela
