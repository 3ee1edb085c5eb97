#pragma once

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/kartei_dateien.h"
#include "core/kartei.h"
#include "core/lehrerliste.h"
#include "core/plan_datei.h"
#include "core/plantyp.h"
#include "testhilfe.h"

// The demo school the build writes, and its files read the way the program
// reads them.
namespace demo {

inline std::string datei(const std::string& name)
{
    return std::string(ORBELA_DEMO_DIR) + "/" + name;
}

inline std::unique_ptr<orbela::plantyp> plan()
{
    auto p = leerer_plan();
    orbela::lade_plan(datei("Beispielschule.orb"), *p);
    return p;
}

inline orbela::Lehrerliste lehrerliste()
{
    orbela::Kartei kartei;
    orbela::lade_kartei(kartei, datei("adresslehrdat.int"));
    orbela::Lehrerliste liste;
    orbela::alle_lehrer(kartei, liste);
    return liste;
}

} // namespace demo
