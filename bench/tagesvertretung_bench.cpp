// The day's cover on a full 20-class plan with a week's folder of 40
// substitution plans: reading the folder and building the day's list, and
// writing the screen page of that day and the next.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/vertretung/aushang.h"
#include "core/vertretung/tagesvertretung.h"
#include "core/vertretung/vertretungsseite.h"
#include "core/vertretung/vtp_datei.h"
#include "volle_schule.h"

using namespace orbela;

namespace {

// `anzahl` plans of absent teachers (codes repeat past the staff), each
// settling their Monday and Tuesday lessons in turn: a substitute, "##",
// "XX" or open.
std::string woche_anlegen(const plantyp& plan, int anzahl)
{
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("orbela-tag-" + std::to_string(anzahl));
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    for (int i = 0; i < anzahl; ++i) {
        Vertretungsplan vp;
        vp.abwesender_lehrer = bench::kuerzel(i % 32);
        vertretungen_aufbauen(vp, plan);
        for (int t = 1; t <= 2; ++t) {
            for (int s = 1; s <= anzahl_stunden; ++s) {
                if (!vp.zu_vertreten(t, s))
                    continue;
                const int art = (i + s) % 4;
                vp.eintrag(t, s).vertreter = art == 0 ? std::string("##") : art == 1 ? std::string("XX")
                                           : art == 2 ? bench::kuerzel((i + s + 7) % 30) : std::string();
            }
        }
        speichere_vertretungen((ordner / ("plan" + std::to_string(i) + ".vtp")).string(), vp);
    }
    return ordner.string();
}

void BM_TageslisteAusWochenordner(benchmark::State& state)
{
    const bench::Schule schule;
    const std::string ordner = woche_anlegen(*schule.plan, static_cast<int>(state.range(0)));
    std::size_t zeilen = 0;
    for (auto _ : state) {
        const Tagesvertretung tv = tagesvertretung(*schule.plan, lies_vertretungswoche(ordner), 1);
        zeilen = tv.stunden.size();
        benchmark::DoNotOptimize(tv);
    }
    state.counters["zeilen"] = static_cast<double>(zeilen);
    std::filesystem::remove_all(ordner);
}

void BM_VertretungsseiteSchreiben(benchmark::State& state)
{
    const bench::Schule schule;
    const std::string ordner = woche_anlegen(*schule.plan, 40);
    const Vertretungswoche woche = lies_vertretungswoche(ordner);
    const std::string datei = ordner + "/vertretungsplan.html";
    for (auto _ : state) {
        const Seitentag heute{"Heute", {2026, 12, 14}, aushang(tagesvertretung(*schule.plan, woche, 1), false)};
        const Seitentag morgen{"Morgen", {2026, 12, 15}, aushang(tagesvertretung(*schule.plan, woche, 2), false)};
        schreibe_vertretungsseite(datei, heute, morgen, "07:42");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(datei));
    std::filesystem::remove_all(ordner);
}

} // namespace

BENCHMARK(BM_TageslisteAusWochenordner)->Arg(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VertretungsseiteSchreiben)->Unit(benchmark::kMillisecond);
