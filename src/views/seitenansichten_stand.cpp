#include "views/plan_ansicht.h"

namespace orbela {

void PlanAnsicht::seitenansichten_vergessen()
{
    for (auto& stand : seiten_stand_)
        stand.clear();
}

} // namespace orbela
