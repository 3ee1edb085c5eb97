// A subject or room name table of any bytes: it loads, saves and loads again
// to the same rows, and every look-up answers with a row's name or the code.

#include "core/fehler.h"
#include "core/namenstabelle.h"
#include "fuzz_hilfe.h"

using namespace orbela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Arbeitsordner& ordner = fuzz::arbeitsordner();
    ordner.schreibe(faecher_datei, daten, groesse);
    Namenstabelle tabelle;
    tabelle.lesen(ordner.pfad(faecher_datei));
    tabelle.schreiben(ordner.pfad("zurueck.int"));
    Namenstabelle wieder;
    wieder.lesen(ordner.pfad("zurueck.int"));
    fuzz::pruefe(wieder.zeilen == tabelle.zeilen, "laden, speichern, laden gibt dieselbe Tabelle");

    for (const Namenseintrag& z : tabelle.zeilen) {
        const std::string name = tabelle.bezeichnung(z.code);
        fuzz::pruefe(!name.empty() || z.code.empty(), "ein Kürzel hat eine Bezeichnung");
    }
    return 0;
}
