#include "core/kartei_laden.h"

#include "core/kartei_dateien.h"
#include "core/satz_datei.h"

namespace orbela {

void kartei_beim_start_lesen(Kartei& kartei, const std::string& programmpfad)
{
    kartei.alle_loeschen();
    if (datei_vorhanden(programmpfad + kartei_datei))
        kartei.lies_kartei(programmpfad + kartei_datei);
    else if (datei_vorhanden(programmpfad + lehrdat_datei))
        kartei.lies_lehrdat(programmpfad + lehrdat_datei);
    else if (datei_vorhanden(programmpfad + lehrer_datei))
        kartei.lies_lehrer(programmpfad + lehrer_datei);
}

bool kartei_fuer_neuen_plan_lesen(Kartei& kartei, const std::string& programmpfad)
{
    if (!datei_vorhanden(programmpfad + kartei_datei) && datei_vorhanden(programmpfad + lehrdat_datei)) {
        lade_lehrdat(kartei, programmpfad + lehrdat_datei);
        speichere_kartei(kartei, programmpfad + kartei_datei);
    }
    if (!datei_vorhanden(programmpfad + kartei_datei))
        return false;
    lade_kartei(kartei, programmpfad + kartei_datei);
    return true;
}

void lehrerliste_fuer_neuen_plan_laden(Kartei& kartei, Lehrerliste& liste,
                                       const std::string& programmpfad)
{
    kartei_fuer_neuen_plan_lesen(kartei, programmpfad);
    alle_lehrer(kartei, liste);
}

void lehrerliste_nach_plan_laden(Kartei& kartei, Lehrerliste& liste,
                                 const std::string& programmpfad)
{
    if (datei_vorhanden(programmpfad + kartei_datei))
        lade_kartei(kartei, programmpfad + kartei_datei);
    alle_lehrer(kartei, liste);
}

} // namespace orbela
