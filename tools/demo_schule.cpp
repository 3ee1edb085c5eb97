// Writes a demo primary school into the folder named on the command line:
// the plan Beispielschule.orb, the card file adresslehrdat.int and the
// subject and room name tables faecherkrz.int and raumkrz.int. Everything is
// made with the program's own records and file routines, so the files are
// exactly what the program itself would write.

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/fehler.h"
#include "core/kartei.h"
#include "core/plan_datei.h"
#include "core/sichere_datei.h"
#include "demo_kartei.h"
#include "demo_namen.h"
#include "demo_plan.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Aufruf: " << (argc > 0 ? argv[0] : "demo_schule") << " ORDNER\n";
        return 2;
    }
    try {
        const std::filesystem::path ordner = argv[1];
        std::filesystem::create_directories(ordner);

        const orbela::plantyp plan = orbela::demo_plan();
        orbela::speichere_plan((ordner / "Beispielschule.orb").string(), plan);

        orbela::Kartei kartei;
        orbela::fuelle_demo_kartei(kartei, plan);
        kartei.schreibe_kartei((ordner / "adresslehrdat.int").string());

        orbela::schreibe_datei_sicher((ordner / "faecherkrz.int").string(), orbela::demo_faecher());
        orbela::schreibe_datei_sicher((ordner / "raumkrz.int").string(), orbela::demo_raeume());
    } catch (const std::exception& e) {
        std::cerr << "demo_schule: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
