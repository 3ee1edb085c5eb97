// A lock file of any bytes beside a plan, as another computer's program or a
// damaged share can leave it: taking the lock ends in one of its three
// results without fault; a lock another program holds is left as it was,
// and one taken is released again. "maschine=*" and "boot=*" in the input
// stand for this computer's, so that the process test is reached too.

#include <filesystem>

#include "core/plansperre.h"
#include "fuzz_hilfe.h"

using namespace orbela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Arbeitsordner& ordner = fuzz::arbeitsordner();
    const std::string plan = ordner.pfad("Plan.orb");
    const std::string datei = Plansperre::sperrdatei(plan);
    const std::string text = fuzz::mit_eigenen_werten(std::string(reinterpret_cast<const char*>(daten), groesse));
    ordner.schreibe("Plan.orb.sperre", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());

    Plansperre::Ergebnis ergebnis;
    {
        Plansperre sperre;
        ergebnis = sperre.nehmen(plan);
        fuzz::pruefe(sperre.haelt() == (ergebnis == Plansperre::Ergebnis::genommen), "gehalten, wenn genommen");
        if (ergebnis == Plansperre::Ergebnis::belegt)
            fuzz::pruefe(ordner.lies("Plan.orb.sperre") == text, "eine fremde Sperre bleibt, wie sie ist");
        fuzz::pruefe(ergebnis != Plansperre::Ergebnis::ohne_sperre, "der Ordner nimmt Sperren");
    }
    if (ergebnis == Plansperre::Ergebnis::genommen)
        fuzz::pruefe(!std::filesystem::exists(datei), "die eigene Sperre geht mit ihr");
    std::error_code ec;
    std::filesystem::remove(datei, ec);
    return 0;
}
