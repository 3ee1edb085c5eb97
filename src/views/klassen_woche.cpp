#include "views/plan_ansicht.h"

namespace orbela {

void PlanAnsicht::aufbau_klassenplan(int) {}

} // namespace orbela
