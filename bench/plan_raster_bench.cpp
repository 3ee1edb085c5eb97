// How long the plan grid takes to draw into real bitmaps: one keystroke in
// an edit field (one cell, its lesson row's conflict colours and the side
// views) and one full redraw of a day.

#include <benchmark/benchmark.h>

#include <QImage>
#include <array>
#include <memory>
#include <string>

#include "canvas/qt_canvas.h"
#include "core/plantyp.h"
#include "views/plan_ansicht.h"
#include "volle_schule.h"

using namespace orbela;
using namespace orbela::bench;

namespace {

class StillerHost final : public AnsichtsHost {
public:
    void statuszeilen_leeren() override {}
    void tag_reiter_setzen(int) override {}
    void bild_sichtbar(int, bool) override {}
};

// The main window's images as bitmaps of their real sizes, at 96 dpi.
struct Bilder {
    static constexpr std::array<std::array<int, 2>, Bildflaechen::anzahl + 1> groessen{{
        {0, 0}, {1000, 750}, {140, 150}, {140, 150}, {140, 150}, {140, 150}, {500, 100},
        {280, 151}, {80, 151}, {80, 151}, {500, 61}, {500, 61},
    }};
    std::array<std::unique_ptr<QImage>, Bildflaechen::anzahl + 1> bilder;
    std::array<std::unique_ptr<QtCanvas>, Bildflaechen::anzahl + 1> canvases;
    Bildflaechen flaechen;

    Bilder()
    {
        for (int i = 1; i <= Bildflaechen::anzahl; ++i) {
            const auto n = static_cast<std::size_t>(i);
            bilder[n] = std::make_unique<QImage>(groessen[n][0], groessen[n][1],
                                                 QImage::Format_RGB32);
            bilder[n]->fill(Qt::white);
            canvases[n] = std::make_unique<QtCanvas>(*bilder[n], 96);
            flaechen.bild[n] = canvases[n].get();
        }
    }
    // What the window does before it shows the bitmaps.
    void abschliessen()
    {
        for (int i = 1; i <= Bildflaechen::anzahl; ++i)
            canvases[static_cast<std::size_t>(i)]->abschliessen();
    }
};

struct Aufbau {
    Schule schule;
    Optionen optionen;
    Bilder bilder;
    StillerHost host;
    PlanAnsicht ansicht{*schule.plan, optionen, schule.liste, bilder.flaechen, host};

    explicit Aufbau(bool seitenansichten)
    {
        optionen.klassenplan_anzeigen = seitenansichten;
        optionen.raum_lehrerplan_anzeigen = seitenansichten;
        optionen.statistik_anzeigen = seitenansichten;
        optionen.lehrereinsatz_anzeigen = seitenansichten;
        ansicht.leere_felder();
        ansicht.aufbau_plan();
        ansicht.anzeigen(1);
        bilder.abschliessen();
    }
};

// One keystroke: the first teacher code of the selected cell changes, as
// the edit field's change handler writes it, and the cell is drawn anew.
void tastendruck(benchmark::State& state, bool seitenansichten)
{
    Aufbau a(seitenansichten);
    const int t = 3, l = 4, c = 7;
    a.ansicht.feld(t, l, true, c);
    int i = 0;
    for (auto _ : state) {
        a.schule.plan->zelle(t, l, c).erste.lehrer = kuerzel(i++ % 5);
        a.ansicht.feld(t, l, true, c);
        a.bilder.abschliessen();
    }
}

void BM_Tastendruck(benchmark::State& state) { tastendruck(state, true); }
void BM_TastendruckOhneSeitenansichten(benchmark::State& state) { tastendruck(state, false); }

// A full redraw of a day: the blank frame, then every cell and every row's
// conflict colours.
void BM_Neuaufbau(benchmark::State& state)
{
    Aufbau a(true);
    int tag = 0;
    for (auto _ : state) {
        a.ansicht.aufbau_plan();
        a.ansicht.anzeigen(tag++ % anzahl_tage + 1);
        a.bilder.abschliessen();
    }
}

} // namespace

BENCHMARK(BM_Tastendruck)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastendruckOhneSeitenansichten)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Neuaufbau)->Unit(benchmark::kMicrosecond);
