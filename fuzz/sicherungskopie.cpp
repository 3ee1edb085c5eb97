// A recovery copy of any bytes in the state folder (a shared home folder
// lets another computer's program write there): the scan offers it only
// whole, a header and exactly one record, and taking it over or removing it
// works. "maschine=*" and "boot=*" stand for this computer's, so that a
// copy of an ended program is reached too.

#include <filesystem>

#include "core/vertretung/vtp_datei.h"
#include "core/wiederherstellung.h"
#include "fuzz_hilfe.h"

using namespace orbela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Arbeitsordner& ordner = fuzz::arbeitsordner();
    ordner.leeren();
    const std::string text = fuzz::mit_eigenen_werten(std::string(reinterpret_cast<const char*>(daten), groesse));
    ordner.schreibe("vertretung-fremd.sicherung", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());

    Wiederherstellung ablage(ordner.pfad(""), "vertretung", vtp_groesse);
    const std::vector<Sicherung> gefunden = ablage.verwaiste();
    fuzz::pruefe(gefunden.size() <= 1, "höchstens die eine Datei");
    for (const Sicherung& s : gefunden) {
        fuzz::pruefe(s.inhalt.size() == vtp_groesse, "genau ein Satz");
        fuzz::pruefe(text.ends_with(s.inhalt), "der Satz steht am Ende");
        Vertretungsplan vp;
        vertretungen_aus_bytes(s.inhalt, vp);
        fuzz::pruefe(vp.abwesender_lehrer.size() <= 2, "Kürzel aus 2 Zeichen");
        ablage.uebernehmen(s);
        fuzz::pruefe(!std::filesystem::exists(s.pfad) && std::filesystem::exists(ablage.eigene_datei()),
                     "übernommen");
        ablage.entfernen();
    }
    return 0;
}
