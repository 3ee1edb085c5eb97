// Every plan printout over a plan of any bytes, through a recording print
// job: each is one job of one page, and everything it draws starts inside
// the page. Conversion errors of nonsense numbers may be thrown; nothing
// else.

#include <memory>

#include "core/fehler.h"
#include "fuzz_hilfe.h"
#include "print/aufzeichnungs_druckauftrag.h"
#include "print/plan_ausdrucke.h"

using namespace orbela;

namespace {

// The page of a printer at 300 dpi, as the PDF output uses.
constexpr int breite_hoch = 2480;
constexpr int hoehe_hoch = 3508;

template <class F>
void drucke(F ausdruck)
{
    AufzeichnungsDruckauftrag auftrag(breite_hoch, hoehe_hoch);
    try {
        ausdruck(auftrag);
    } catch (const Fehler& e) {
        fuzz::pruefe(e.text().ends_with("ist kein gültiger Integerwert"), "nur Zahlfehler");
        return;
    }
    fuzz::pruefe(auftrag.beendet() && auftrag.seitenzahl() == 1, "ein Auftrag mit einer Seite");
    const int b = auftrag.seitenbreite();
    const int h = auftrag.seitenhoehe();
    for (const auto& op : auftrag.seite().operationen()) {
        // Texts start inside the page; a long one may run past its edge.
        const bool text = op.art == AufzeichnungsCanvas::Art::text;
        const bool drin = op.x1 >= 0 && op.y1 >= 0 && op.x1 <= b && op.y1 <= h
                          && (text || (op.x2 >= 0 && op.y2 >= 0 && op.x2 <= b && op.y2 <= h));
        fuzz::pruefe(drin, "nur auf der Seite gezeichnet");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    // Options, a day, a class column, a code, then the plan record.
    fuzz::Leser leser(daten, groesse);
    Optionen optionen;
    const std::uint8_t schalter = leser.byte();
    optionen.sporthalle_gelb = schalter & 1;
    optionen.schwimmen_blau = schalter & 2;
    optionen.foerder_gruen = schalter & 4;
    optionen.klassenlehrer_unterlegen = schalter & 8;
    optionen.stunden_0_8 = schalter & 16;
    const int tag = 1 + leser.byte() % anzahl_tage;
    const int klasse = 1 + leser.byte() % anzahl_klassen;
    std::string kuerzel(2, '\0');
    leser.kopiere(kuerzel.data(), kuerzel.size());
    auto plan = std::make_unique<plantyp>();
    leser.kopiere(plan.get(), sizeof(plantyp));

    const Druckdaten d{*plan, optionen, "09.12.26"};
    const Namenstabelle faecher{{{"DE", "Deutsch"}, {"MA", std::string(200, 'M')}}};
    const Namenstabelle raeume{{{"TU", "Turnhalle"}}};
    const Langnamen namen{faecher, raeume, [](std::string_view k) { return std::string(k) + " Lehrername"; }};

    drucke([&](Druckauftrag& a) { drucke_plan(a, d, tag); });
    drucke([&](Druckauftrag& a) { drucke_klassenplan(a, d, klasse); });
    drucke([&](Druckauftrag& a) { drucke_klassenplan_2(a, d, klasse, namen); });
    drucke([&](Druckauftrag& a) { drucke_lehrerplan(a, d, kuerzel); });
    drucke([&](Druckauftrag& a) { drucke_raumplan(a, d, kuerzel); });
    drucke([&](Druckauftrag& a) { drucke_kurzplan(a, d); });
    drucke([&](Druckauftrag& a) { drucke_kurzplan2(a, d); });
    drucke([&](Druckauftrag& a) { drucke_kurzplan3(a, d); });
    return 0;
}
