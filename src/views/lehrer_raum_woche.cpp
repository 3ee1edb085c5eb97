#include "views/plan_ansicht.h"

namespace orbela {

void PlanAnsicht::aufbau_lehrerplan(std::string_view, std::string_view) {}
void PlanAnsicht::aufbau_raumplan(std::string_view, std::string_view) {}

} // namespace orbela
