// The pictures of the main window over a plan and a teacher list of any
// bytes, through recording canvases: the grid of every day and the side
// views of a few selected cells draw only inside their images. Conversion
// errors of nonsense numbers may be thrown; nothing else.

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "canvas/aufzeichnungs_canvas.h"
#include "core/fehler.h"
#include "views/plan_ansicht.h"
#include "fuzz_hilfe.h"

using namespace orbela;

namespace {

// The area each picture is laid out in, index 1..11. The window's bitmaps
// clip a few of them: the grid and the class statistics place class column
// 20 just beyond what they show (1000 of 1050, 500 of 525 pixels), the
// statistics show 90 of 100 lines, the class week and tallies 150 of 151,
// the teacher tallies 60 of 61.
struct Groesse {
    int breite;
    int hoehe;
};
constexpr std::array<Groesse, Bildflaechen::anzahl + 1> groessen = {{
    {0, 0},
    {1050, 750},
    {140, 150}, {140, 150}, {140, 150}, {140, 150},
    {525, 100}, {280, 151}, {80, 151}, {80, 151},
    {500, 61}, {500, 61},
}};

class StummerHost final : public AnsichtsHost {
public:
    void statuszeilen_leeren() override {}
    void tag_reiter_setzen(int) override {}
    void bild_sichtbar(int, bool) override {}
};

bool innen(int wert, int grenze)
{
    return wert >= 0 && wert <= grenze;
}

void pruefe_bild(const AufzeichnungsCanvas& canvas, int n)
{
    const Groesse g = groessen[static_cast<std::size_t>(n)];
    for (const auto& op : canvas.operationen()) {
        const bool text = op.art == AufzeichnungsCanvas::Art::text;
        const bool drin = text ? op.x1 >= 0 && op.x1 < g.breite && op.y1 >= 0 && op.y1 < g.hoehe
                               : innen(op.x1, g.breite) && innen(op.x2, g.breite) && innen(op.y1, g.hoehe)
                                     && innen(op.y2, g.hoehe);
        if (!drin)
            std::fprintf(stderr, "Bild %d: Art %d bei (%d, %d, %d, %d) \"%s\"\n", n, static_cast<int>(op.art), op.x1,
                         op.y1, op.x2, op.y2, op.text.c_str());
        fuzz::pruefe(drin, "nur im Bild gezeichnet");
    }
}

// Runs one drawing step; a number that is no number may be reported.
template <class F>
void zeichne(F schritt)
{
    try {
        schritt();
    } catch (const Fehler& e) {
        fuzz::pruefe(e.text().ends_with("ist kein gültiger Integerwert"), "nur Zahlfehler");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    // Options, three selected cells (day, lesson, class each), the plan
    // record, then teacher list entries of 64 bytes.
    fuzz::Leser leser(daten, groesse);
    Optionen optionen;
    const std::uint8_t schalter = leser.byte();
    optionen.doppelter_lehrereinsatz = schalter & 1;
    optionen.doppelte_raumnutzung = schalter & 2;
    optionen.klassenplan_anzeigen = schalter & 4;
    optionen.raum_lehrerplan_anzeigen = schalter & 8;
    optionen.statistik_anzeigen = schalter & 16;
    optionen.lehrereinsatz_anzeigen = schalter & 32;
    optionen.stunden_0_8 = schalter & 64;
    std::array<std::array<int, 3>, 3> auswahl{};
    for (auto& a : auswahl)
        a = {leser.byte() % 8, leser.byte() % 11, leser.byte() % 22}; // also just outside
    auto plan = std::make_unique<plantyp>();
    leser.kopiere(plan.get(), sizeof(plantyp));
    Lehrerliste liste;
    while (leser.rest() >= sizeof(lehrereintrag)) {
        liste.eintraege.emplace_back();
        leser.kopiere(&liste.eintraege.back(), sizeof(lehrereintrag));
    }

    std::array<AufzeichnungsCanvas, Bildflaechen::anzahl + 1> canvases;
    Bildflaechen bilder;
    for (int n = 1; n <= Bildflaechen::anzahl; ++n)
        bilder.bild[static_cast<std::size_t>(n)] = &canvases[static_cast<std::size_t>(n)];
    StummerHost host;
    PlanAnsicht ansicht(*plan, optionen, liste, bilder, host);

    zeichne([&] { ansicht.aufbau_plan(); });
    for (int tag = 1; tag <= anzahl_tage; ++tag)
        zeichne([&] { ansicht.anzeigen(tag); });
    for (const auto& a : auswahl) {
        zeichne([&] { ansicht.feld(a[0], a[1], true, a[2]); });
        zeichne([&] { ansicht.feld(a[0], a[1], false, a[2]); });
    }
    zeichne([&] { ansicht.leere_felder(); });

    for (int n = 1; n <= Bildflaechen::anzahl; ++n)
        pruefe_bild(canvases[static_cast<std::size_t>(n)], n);
    return 0;
}
