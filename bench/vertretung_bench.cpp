// The substitution window over a week's folder of substitution plans: opening
// it reads every plan of the folder, counts each teacher's covers, redraws
// the week and rebuilds the four proposal lists of the selected lesson with
// their counts and double bookings.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QListWidget>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/kartei_laden.h"
#include "core/plan_datei.h"
#include "core/vertretung/vertretungsplan.h"
#include "core/vertretung/vtp_datei.h"
#include "ui/bild_widget.h"
#include "ui/vertretung/vertretungsplan_fenster.h"

using namespace orbela;

namespace {

const std::string demo_ordner = ORBELA_DEMO_DIR;

// Opens the one file it is given; every other question counts as an error.
class Wochendialoge final : public Dialoge {
public:
    QString datei;
    int meldungen = 0;
    bool frage(const QString&) override
    {
        ++meldungen;
        return false;
    }
    Antwort frage_mit_abbrechen(const QString&) override
    {
        ++meldungen;
        return Antwort::abbrechen;
    }
    Antwort wahl(const QString&, const QString&, const QString&) override
    {
        ++meldungen;
        return Antwort::abbrechen;
    }
    void hinweis(const QString&) override { ++meldungen; }
    void fehler(const QString&) override { ++meldungen; }
    std::optional<QString> datei_oeffnen(const QString&) override { return datei; }
    std::optional<QString> datei_speichern(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool modal(QDialog&) override { return false; }
};

// A folder of `anzahl` plans, one per absent teacher of the demo plan (the
// codes repeat beyond the staff), each with six covers by other teachers.
std::string woche_anlegen(const plantyp& plan, int anzahl)
{
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("orbela-woche-" + std::to_string(anzahl));
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    std::set<std::string> codes;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int s = 1; s <= anzahl_stunden; ++s) {
            for (int k = 1; k <= belegungen_je_stunde; ++k) {
                if (!plan.belegung(t, s, k).lehrer.empty())
                    codes.insert(plan.belegung(t, s, k).lehrer.str());
            }
        }
    }
    const std::vector<std::string> lehrer(codes.begin(), codes.end());
    for (int i = 0; i < anzahl; ++i) {
        Vertretungsplan vp;
        vp.abwesender_lehrer = lehrer[static_cast<std::size_t>(i) % lehrer.size()];
        vertretungen_aufbauen(vp, plan);
        int gesetzt = 0;
        for (int t = 1; t <= anzahl_tage && gesetzt < 6; ++t) {
            for (int s = 1; s <= anzahl_stunden && gesetzt < 6; ++s) {
                if (vp.zu_vertreten(t, s)) {
                    vp.eintrag(t, s).vertreter = lehrer[static_cast<std::size_t>(i + 1 + gesetzt) % lehrer.size()];
                    ++gesetzt;
                }
            }
        }
        speichere_vertretungen((ordner / ("plan" + std::to_string(i) + ".vtp")).string(), vp);
    }
    return ordner.string();
}

void BM_VertretungsfensterUeberWochenordner(benchmark::State& state)
{
    Sitzung sitzung(demo_ordner + "/");
    sitzung.laden(demo_ordner + "/Beispielschule.orb");
    const std::string ordner = woche_anlegen(sitzung.plan(), static_cast<int>(state.range(0)));

    Wochendialoge dialoge;
    dialoge.datei = QString::fromStdString(ordner + "/plan0.vtp");
    VertretungsplanFenster fenster(sitzung, dialoge, nullptr);
    fenster.findChild<QAction*>("oeffnen2")->trigger();
    // The first lesson of the week to cover.
    auto* woche = fenster.findChild<BildWidget*>("Image1");
    for (int s = 1; s <= anzahl_stunden && !fenster.auswahl().gesetzt(); ++s) {
        for (int t = 1; t <= anzahl_tage && !fenster.auswahl().gesetzt(); ++t)
            emit woche->mausGedrueckt(Qt::LeftButton, 40 * t + 20, 20 * s + 10);
    }
    auto* alle = fenster.findChild<QListWidget*>("ListBox4");
    if (!fenster.auswahl().gesetzt() || alle->count() == 0 || dialoge.meldungen != 0) {
        state.SkipWithError("Wochenordner nicht gelesen");
        return;
    }
    for (auto _ : state) {
        fenster.zum_oeffnen_vorbereiten();
        benchmark::DoNotOptimize(alle->item(0)->toolTip());
    }
    std::filesystem::remove_all(ordner);
}

} // namespace

BENCHMARK(BM_VertretungsfensterUeberWochenordner)->Arg(40)->Arg(200)->Unit(benchmark::kMillisecond);
