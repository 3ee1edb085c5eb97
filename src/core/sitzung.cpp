#include "core/sitzung.h"

#include <filesystem>
#include <memory>

#include "core/init_plan.h"
#include "core/kartei_dateien.h"
#include "core/kartei_laden.h"
#include "core/plan_datei.h"

namespace orbela {

Sitzung::Sitzung(std::string programmpfad)
    : programmpfad_(std::move(programmpfad))
{
    dokument_.beobachten([this](const Aenderung& a) { melden(a); });
}

Sitzung::Sitzung()
    : Sitzung(std::filesystem::current_path().string() + "/")
{
}

void Sitzung::karten_beim_start_lesen()
{
    kartei_beim_start_lesen(kartei_, programmpfad_);
}

void Sitzung::neu()
{
    const auto plan = std::make_unique<plantyp>();
    Lehrerliste liste;
    init_plan(*plan, liste);
    Kartei kartei;
    const bool karten_gelesen = kartei_fuer_neuen_plan_lesen(kartei, programmpfad_);
    alle_lehrer(karten_gelesen ? kartei : kartei_, liste);

    if (karten_gelesen)
        kartei_ = std::move(kartei);
    lehrerliste_ = std::move(liste);
    planschutz_.geschlossen();
    dokument_.beginnen(*plan);
}

void Sitzung::laden(const std::string& pfad, Plansperre sperre, bool schreibgeschuetzt)
{
    // The file name is taken over only once the plan has been read, so a
    // failed load never lets "Speichern" overwrite that file with the old
    // plan. A card file that cannot be read is reported with the plan loaded.
    const auto plan = std::make_unique<plantyp>();
    try {
        lade_plan(pfad, *plan);
    } catch (...) {
        // Reloading the plan open now: its lock stays ours.
        planschutz_.sperre_verwerfen(pfad, sperre);
        throw;
    }
    planschutz_.geoeffnet(pfad, std::move(sperre), schreibgeschuetzt);
    try {
        lehrerliste_nach_plan_laden(kartei_, lehrerliste_, programmpfad_);
    } catch (...) {
        dokument_.beginnen(*plan, pfad);
        throw;
    }
    dokument_.beginnen(*plan, pfad);
}

void Sitzung::wiederherstellen(const plantyp& plan, const std::string& dateiname, Plansperre sperre,
                               bool schreibgeschuetzt, std::optional<Dateistand> stand)
{
    planschutz_.geoeffnet(dateiname, std::move(sperre), schreibgeschuetzt, stand);
    try {
        lehrerliste_nach_plan_laden(kartei_, lehrerliste_, programmpfad_);
    } catch (...) {
        dokument_.beginnen(plan, dateiname, false);
        throw;
    }
    dokument_.beginnen(plan, dateiname, false);
}

void Sitzung::setze_option(Optionen::Art option, bool wert)
{
    optionen_.wert(option) = wert;
    melden({Aenderung::Art::option, {}, option});
}

void Sitzung::kartei_uebernehmen()
{
    alle_lehrer(kartei_, lehrerliste_);
    melden({Aenderung::Art::kartei});
}

void Sitzung::melden(const Aenderung& aenderung)
{
    // A listener may register or unregister others while it is told.
    const auto beobachter = beobachter_;
    for (const auto& [nummer, b] : beobachter)
        b(aenderung);
}

int Sitzung::beobachten(Dokument::Beobachter beobachter)
{
    beobachter_.emplace_back(++naechste_nummer_, std::move(beobachter));
    return naechste_nummer_;
}

void Sitzung::nicht_mehr_beobachten(int nummer)
{
    std::erase_if(beobachter_, [nummer](const auto& b) { return b.first == nummer; });
}

} // namespace orbela
