#include "core/plan_datei.h"

#include <array>
#include <memory>
#include <cerrno>
#include <cstring>

#include "core/fehler.h"
#include "core/lesedatei.h"
#include "core/sichere_datei.h"

namespace orbela {

void lade_plan(const std::string& dateiname, plantyp& plan)
{
    Lesedatei datei(dateiname, O_RDWR);
    if ((datei.rechte() & 0222) == 0)
        throw Fehler::aus_errno(EACCES);

    auto puffer = std::make_unique<std::array<unsigned char, plan_groesse>>();
    if (datei.lies(puffer->data(), plan_groesse) < plan_groesse)
        throw Fehler::dateiende();
    std::memcpy(static_cast<void*>(&plan), puffer->data(), plan_groesse);
}

void speichere_plan(const std::string& dateiname, const plantyp& plan)
{
    schreibe_datei_sicher(dateiname,
                          std::string_view(reinterpret_cast<const char*>(&plan), sizeof plan));
}

} // namespace orbela
