#include "core/kartei_dateien.h"

#include <cstring>

namespace orbela {

namespace {

// The first card with exactly this plan code, or nullptr.
const kartentyp* karte_mit_code(const Kartei& kartei, std::string_view code)
{
    for (int i = 1; i <= kartei.anzahl(); ++i) {
        if (kartei.karte_nr(i).kuerzel == code)
            return &kartei.karte_nr(i);
    }
    return nullptr;
}

} // namespace

void lade_kartei(Kartei& kartei, const std::string& dateiname)
{
    kartei.alle_loeschen();
    kartei.lies_kartei(dateiname);
    kartei.erster();
}

void lade_lehrdat(Kartei& kartei, const std::string& dateiname)
{
    kartei.alle_loeschen();
    kartei.lies_lehrdat(dateiname);
    kartei.erster();
}

void speichere_kartei(Kartei& kartei, const std::string& dateiname)
{
    if (kartei.position() != 0 || !kartei.karte.ist_leer())
        kartei.einsortieren();
    kartei.schreibe_kartei(dateiname);
}

void alle_lehrer(Kartei& kartei, Lehrerliste& liste)
{
    liste.eintraege.clear();
    liste.eintraege.reserve(static_cast<std::size_t>(kartei.anzahl()));
    for (int i = 1; i <= kartei.anzahl(); ++i) {
        const kartentyp& karte = kartei.karte_nr(i);
        lehrereintrag eintrag{};
        eintrag.kuerzel.assign(karte.kuerzel.view());
        eintrag.stunden.assign(karte.unterrichtsstunden.view());
        static_assert(sizeof eintrag.gesperrt == sizeof karte.gesperrt);
        std::memcpy(eintrag.gesperrt, karte.gesperrt, sizeof eintrag.gesperrt);
        liste.eintraege.push_back(eintrag);
    }
    kartei.erster();
}

std::string lehrername(const Kartei& kartei, std::string_view code)
{
    const kartentyp* karte = karte_mit_code(kartei, code);
    std::string name = karte != nullptr ? karte->nachname.str() : std::string();
    // Cut at the first comma, unless the only comma is the last character.
    const auto komma = name.find(',');
    if (komma != std::string::npos && komma + 1 < name.size())
        name.resize(komma);
    if (name.empty() && !code.empty())
    {
        name.reserve(code.size() + 2);
        name.push_back('[');
        name.append(code);
        name.push_back(']');
    }
    return name;
}

std::string lehrerkuerzel(const Kartei& kartei, std::string_view code)
{
    const kartentyp* karte = karte_mit_code(kartei, code);
    return karte != nullptr ? karte->kuerzel4.str() : std::string();
}

} // namespace orbela
