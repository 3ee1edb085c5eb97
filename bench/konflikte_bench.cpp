// How long the conflict logic takes on a full 20-class plan: the scan of the
// whole week for the conflict list, the drop targets of a whole day while a
// lesson is dragged (and their tint drawn over the grid), and the conflict
// window filled anew, as after every keystroke while it is open.

#include <benchmark/benchmark.h>

#include <QImage>

#include "canvas/qt_canvas.h"
#include "core/ablageziele.h"
#include "core/sitzung.h"
#include "core/wochenkonflikte.h"
#include "ui/konflikte_fenster.h"
#include "views/ablage_toenung.h"
#include "volle_schule.h"

using namespace orbela;
using namespace orbela::bench;

namespace {

void BM_Wochenkonflikte(benchmark::State& state)
{
    Schule schule;
    const Optionen optionen;
    std::size_t anzahl = 0;
    for (auto _ : state) {
        const auto konflikte = wochenkonflikte(*schule.plan, schule.liste, optionen);
        anzahl = konflikte.size();
        benchmark::DoNotOptimize(konflikte.data());
    }
    state.counters["Konflikte"] = static_cast<double>(anzahl);
}

// A double cell dragged over each day in turn.
void BM_AblagezieleEinesTages(benchmark::State& state)
{
    Schule schule;
    const Optionen optionen;
    int tag = 0;
    for (auto _ : state) {
        const Ablageziele ziele = ablageziele(*schule.plan, schule.liste, optionen, {1, 1, 4}, tag++ % 6 + 1, true);
        benchmark::DoNotOptimize(&ziele);
    }
}

void BM_AblagezieleZeichnen(benchmark::State& state)
{
    Schule schule;
    const Ablageziele ziele = ablageziele(*schule.plan, schule.liste, Optionen{}, {1, 1, 4}, 1, true);
    QImage bild(1000, 750, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QtCanvas canvas(bild, 96);
    for (auto _ : state) {
        zeichne_ablageziele(canvas, ziele);
        canvas.abschliessen();
    }
}

void BM_KonflikteFensterAuffrischen(benchmark::State& state)
{
    Schule schule;
    Sitzung sitzung("/nonexistent/");
    sitzung.plan() = *schule.plan;
    sitzung.lehrerliste() = schule.liste;
    KonflikteFenster fenster(sitzung);
    // /0 types a subject, which leaves the lines as they are; /1 a teacher,
    // which changes them.
    belegungtyp& b = sitzung.plan().zelle(3, 4, 7).erste;
    auto& feld = state.range(0) == 0 ? b.fach : b.lehrer;
    int i = 0;
    for (auto _ : state) {
        feld = kuerzel(i++ % 5);
        fenster.aktualisieren();
    }
}

} // namespace

BENCHMARK(BM_Wochenkonflikte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AblagezieleEinesTages)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AblagezieleZeichnen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KonflikteFensterAuffrischen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
