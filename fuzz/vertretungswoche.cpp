// A week's folder of any files, with any names and contents, as a colleague
// can leave them on a shared folder: the scan names every file ending in
// ".vtp" either as a plan or as unreadable, and the week's counts, double
// bookings and absences answer without fault.

#include <filesystem>
#include <set>

#include "core/vertretung/vertretungswoche.h"
#include "core/vertretung/vtp_datei.h"
#include "fuzz_hilfe.h"

using namespace orbela;

namespace {

// A name from the input: any bytes but '/' and NUL, never "." or "..",
// ending in ".vtp", ".VTP" or nothing more, as the input says.
std::string dateiname(fuzz::Leser& leser)
{
    std::string name;
    const int laenge = leser.byte() % 24;
    for (int i = 0; i < laenge; ++i) {
        const char c = static_cast<char>(leser.byte());
        name += c == '/' || c == '\0' ? '_' : c;
    }
    static const char* const endungen[] = {".vtp", ".VTP", ".Vtp", ""};
    name += endungen[leser.byte() % 4];
    if (name.empty() || name == "." || name == "..")
        name = "_" + name;
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Arbeitsordner& ordner = fuzz::arbeitsordner();
    ordner.leeren();
    fuzz::Leser leser(daten, groesse);
    std::set<std::string> vtp_dateien;
    const int anzahl = leser.byte() % 6;
    for (int n = 0; n < anzahl; ++n) {
        const std::string name = dateiname(leser);
        // Mostly the size of a plan, else a short or long file.
        const std::uint8_t art = leser.byte();
        const std::size_t laenge = art % 4 != 0 ? vtp_groesse : std::size_t{art} * 5;
        std::string inhalt(laenge, '\0');
        leser.kopiere(inhalt.data(), laenge);
        ordner.schreibe(name, reinterpret_cast<const std::uint8_t*>(inhalt.data()), laenge);
        // ".vtp" alone names a hidden file without an extension.
        const std::string endung = std::filesystem::path(name).extension().string();
        if (endung == ".vtp" || endung == ".VTP" || endung == ".Vtp")
            vtp_dateien.insert(name);
    }

    const Vertretungswoche woche = lies_vertretungswoche(ordner.pfad(""));
    std::set<std::string> gesehen(woche.unlesbar.begin(), woche.unlesbar.end());
    for (const Vertretungswoche::Plan& plan : woche.plaene) {
        fuzz::pruefe(plan.abwesender.size() <= 2, "Kürzel aus 2 Zeichen");
        gesehen.insert(plan.datei);
    }
    fuzz::pruefe(gesehen == vtp_dateien, "jede .vtp-Datei gelesen oder als unlesbar genannt");

    Vertretungsplan offen;
    offen.abwesender_lehrer = woche.plaene.empty() ? std::string("Ab") : woche.plaene.front().abwesender;
    const Vertretungsstand stand(woche, offen);
    int summe = 0;
    for (const auto& [code, zahl] : stand.zaehlung()) {
        fuzz::pruefe(ist_lehrer_vertreter(code) && zahl > 0, "nur Lehrer werden gezählt");
        summe += zahl;
    }
    fuzz::pruefe(summe <= static_cast<int>(woche.plaene.size()) * anzahl_tage * anzahl_stunden,
                 "höchstens eine Vertretung je Stunde und Plan");
    for (const Vertretungswoche::Plan& plan : woche.plaene) {
        for (int t = 1; t <= anzahl_tage; ++t) {
            stand.selbst_abwesend(plan.abwesender, t);
            for (int s = 1; s <= anzahl_stunden; ++s)
                stand.doppelt(plan.vertreter[t - 1][s - 1].view(), t, s);
        }
    }
    return 0;
}
