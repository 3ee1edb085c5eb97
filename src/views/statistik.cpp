#include "views/plan_ansicht.h"

namespace orbela {

void PlanAnsicht::aufbau_statistik() {}
void PlanAnsicht::aufbau_lehrer(int, int, int) {}

} // namespace orbela
