#include "core/sitzung.h"

#include <cstring>
#include <filesystem>

namespace orbela {

Sitzung::Sitzung(std::string programmpfad)
    : plan_(std::make_unique<plantyp>())
    , programmpfad_(std::move(programmpfad))
{
    std::memset(static_cast<void*>(plan_.get()), 0, sizeof(plantyp));
}

Sitzung::Sitzung()
    : Sitzung(std::filesystem::current_path().string() + "/")
{
}

void Sitzung::setze_geaendert(bool geaendert)
{
    if (geaendert_ == geaendert)
        return;
    geaendert_ = geaendert;
    if (bei_aenderung_)
        bei_aenderung_();
}

} // namespace orbela
