// Plan files of any bytes: a file shorter than one record fails and leaves
// the model untouched; any other loads, and saving gives back its first
// record byte for byte.

#include <cstring>
#include <memory>

#include "core/fehler.h"
#include "core/plan_datei.h"
#include "fuzz_hilfe.h"

using namespace orbela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Arbeitsordner& ordner = fuzz::arbeitsordner();
    ordner.schreibe("plan.orb", daten, groesse);

    auto plan = std::make_unique<plantyp>();
    std::memset(static_cast<void*>(plan.get()), 0x5A, sizeof(plantyp));
    const auto vorher = std::make_unique<plantyp>(*plan);
    try {
        lade_plan(ordner.pfad("plan.orb"), *plan);
    } catch (const Fehler& e) {
        fuzz::pruefe(groesse < plan_groesse, "nur ein zu kurzer Plan scheitert");
        fuzz::pruefe(e.text() == "Versuch hinter dem Dateiende zu lesen", "Meldung des zu kurzen Plans");
        fuzz::pruefe(std::memcmp(plan.get(), vorher.get(), sizeof(plantyp)) == 0, "Modell unberührt");
        return 0;
    }
    fuzz::pruefe(groesse >= plan_groesse, "ein zu kurzer Plan scheitert");

    speichere_plan(ordner.pfad("zurueck.orb"), *plan);
    const std::string zurueck = ordner.lies("zurueck.orb");
    fuzz::pruefe(zurueck.size() == plan_groesse && std::memcmp(zurueck.data(), daten, plan_groesse) == 0,
                 "gespeichert wie geladen");
    return 0;
}
