// Publishing a full 20-class school: every web page (index, a page per
// class, teacher and room in both layouts, the style sheet) written as one
// folder swapped in whole, and every teacher's and class's calendar file.
// Each includes writing the files to disk and syncing them.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/veroeffentlichen/kalender.h"
#include "core/veroeffentlichen/webseiten.h"
#include "volle_schule.h"

using namespace orbela;
using namespace orbela::bench;
using namespace std::chrono;

namespace {

// A folder under the temporary folder, removed with what is in it.
struct Arbeitsordner {
    std::string pfad;
    Arbeitsordner()
    {
        pfad = (std::filesystem::temp_directory_path() / "orbela-bench-XXXXXX").string();
        if (::mkdtemp(pfad.data()) == nullptr)
            std::abort();
    }
    ~Arbeitsordner() { std::filesystem::remove_all(pfad); }
};

struct Namen {
    Namenstabelle faecher;
    Namenstabelle raeume;
    Plannamen plannamen{faecher, raeume, [](std::string_view k) { return "Lehrkraft " + std::string(k); }};

    Namen()
    {
        faecher.zeilen = {{"De", "Deutsch"}, {"Ma", "Mathematik"}, {"Sa", "Sachunterricht"}, {"Ku", "Kunst"},
                          {"Mu", "Musik"},   {"Sp", "Sport"},      {"En", "Englisch"},       {"Re", "Religion"}};
        for (int r = 0; r < 24; ++r)
            raeume.zeilen.push_back({mit_zahl("R", r), mit_zahl("Raum ", r)});
    }
};

void BM_AlleWebseitenVollerSchule(benchmark::State& state)
{
    const Schule schule;
    const Namen namen;
    const Arbeitsordner ordner;
    int seiten = 0;
    for (auto _ : state)
        seiten = webseiten_speichern(ordner.pfad + "/Webseiten", *schule.plan, Optionen{}, namen.plannamen,
                                     {"Volle Schule", "10.12.2026"});
    state.counters["Seiten"] = seiten;
}

// The same pages made in memory only: what the disk adds above.
void BM_WebseitenImSpeicher(benchmark::State& state)
{
    const Schule schule;
    const Namen namen;
    for (auto _ : state) {
        const auto dateien = webseiten(*schule.plan, Optionen{}, namen.plannamen, {"Volle Schule", "10.12.2026"});
        benchmark::DoNotOptimize(dateien.data());
    }
}

void BM_AlleKalenderVollerSchule(benchmark::State& state)
{
    const Schule schule;
    const Namen namen;
    const Arbeitsordner ordner;
    int dateien = 0;
    for (auto _ : state)
        dateien = kalender_speichern(ordner.pfad + "/Kalender", *schule.plan, Optionen{}, namen.plannamen,
                                     {2026y / 9 / 1, 2027y / 7 / 16}, 1'797'000'000);
    state.counters["Dateien"] = dateien;
}

} // namespace

BENCHMARK(BM_AlleWebseitenVollerSchule)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WebseitenImSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlleKalenderVollerSchule)->Unit(benchmark::kMillisecond)->UseRealTime();
