// How long the swap chain search takes on the full 20-class plan, with every
// lesson of the week as the dragged one: the chain lengths of all targets of
// its day (what the drag tints), and the chains offered for one target that
// a plain drop would make clash. Reports median, 95th percentile and maximum
// over the lessons in milliseconds, as wall time and as the thread's
// processor time (which other load on the machine does not inflate). Each
// runs once: the figures are already spread over a thousand searches.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <chrono>
#include <ctime>
#include <vector>

#include "core/tauschketten.h"
#include "core/wochenkonflikte.h"
#include "volle_schule.h"

using namespace orbela;
using namespace orbela::bench;

namespace {

using Uhr = std::chrono::steady_clock;

double cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Wall and processor time of one run.
struct Messung {
    Uhr::time_point wand = Uhr::now();
    double cpu = cpu_ms();
};

struct Zeiten {
    std::vector<double> wand, cpu;
    void dazu(const Messung& m)
    {
        wand.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - m.wand).count());
        cpu.push_back(cpu_ms() - m.cpu);
    }
};

void melde(benchmark::State& state, const std::string& vorne, std::vector<double> zeiten)
{
    std::sort(zeiten.begin(), zeiten.end());
    if (zeiten.empty())
        return;
    state.counters[vorne + "median_ms"] = zeiten[zeiten.size() / 2];
    state.counters[vorne + "p95_ms"] = zeiten[zeiten.size() * 95 / 100];
    state.counters[vorne + "max_ms"] = zeiten.back();
}

void melde(benchmark::State& state, Zeiten zeiten)
{
    state.counters["laeufe"] = static_cast<double>(zeiten.wand.size());
    melde(state, "", std::move(zeiten.wand));
    melde(state, "cpu_", std::move(zeiten.cpu));
}

// The search made anew for each drag, as the grid does.
void BM_KettenlaengenEinesTages(benchmark::State& state)
{
    Schule schule;
    const Optionen optionen;
    Zeiten zeiten;
    for (auto _ : state) {
        zeiten = {};
        for (int t = 1; t <= anzahl_tage; ++t)
            for (int l = 1; l <= anzahl_stunden; ++l)
                for (int c = 1; c <= anzahl_klassen; ++c) {
                    const Messung messung;
                    Kettensuche suche(*schule.plan, schule.liste, optionen);
                    const auto laengen = suche.kettenlaengen({t, l, c}, t);
                    benchmark::DoNotOptimize(laengen.data());
                    zeiten.dazu(messung);
                }
    }
    melde(state, std::move(zeiten));
}

// For each lesson the first target of its day (from the next lesson on) where
// the plain drop clashes, whether a chain exists there or not.
void BM_KettenEinesZiels(benchmark::State& state)
{
    Schule schule;
    const Optionen optionen;
    std::vector<std::pair<Zellort, Zellort>> faelle;
    {
        Kettensuche suche(*schule.plan, schule.liste, optionen);
        for (int t = 1; t <= anzahl_tage; ++t)
            for (int l = 1; l <= anzahl_stunden; ++l)
                for (int c = 1; c <= anzahl_klassen; ++c) {
                    const auto laengen = suche.kettenlaengen({t, l, c}, t);
                    for (int i = 1; i < anzahl_stunden; ++i) {
                        const int ziel = (l - 1 + i) % anzahl_stunden + 1;
                        if (laengen[static_cast<std::size_t>(ziel)] != kette_frei) {
                            faelle.push_back({{t, l, c}, {t, ziel, c}});
                            break;
                        }
                    }
                }
    }
    Zeiten zeiten;
    std::size_t ketten = 0;
    for (auto _ : state) {
        zeiten = {};
        ketten = 0;
        for (const auto& [von, nach] : faelle) {
            const Messung messung;
            Kettensuche suche(*schule.plan, schule.liste, optionen);
            const auto gefunden = suche.ketten(von, nach);
            ketten += gefunden.empty() ? 0 : 1;
            zeiten.dazu(messung);
        }
    }
    melde(state, std::move(zeiten));
    state.counters["mit_kette"] = static_cast<double>(ketten);
}

// "Lösen..." for every conflict of the week's list.
void BM_LoesungenJeKonflikt(benchmark::State& state)
{
    Schule schule;
    const Optionen optionen;
    const auto konflikte = wochenkonflikte(*schule.plan, schule.liste, optionen);
    Zeiten zeiten;
    for (auto _ : state) {
        zeiten = {};
        for (const Konflikt& k : konflikte) {
            const Messung messung;
            Kettensuche suche(*schule.plan, schule.liste, optionen);
            benchmark::DoNotOptimize(suche.loesungen(k).size());
            zeiten.dazu(messung);
        }
    }
    melde(state, std::move(zeiten));
}

} // namespace

BENCHMARK(BM_LoesungenJeKonflikt)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KettenlaengenEinesTages)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KettenEinesZiels)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);
