#include "core/lehrer_ersetzen.h"

namespace orbela {

int lehrer_ersetzen(plantyp& plan, std::string_view alt, std::string_view neu)
{
    int ersetzt = 0;
    for (int klasse = 1; klasse <= anzahl_klassen; ++klasse) {
        for (int tag = 1; tag <= anzahl_tage; ++tag) {
            for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
                zellentyp& zelle = plan.zelle(tag, stunde, klasse);
                for (belegungtyp* b : {&zelle.zweite, &zelle.erste}) {
                    if (b->lehrer == alt) {
                        b->lehrer.assign(neu);
                        ++ersetzt;
                    }
                }
            }
        }
    }
    return ersetzt;
}

} // namespace orbela
