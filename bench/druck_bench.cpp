// How long one printed page takes through the Qt path: every printout of the
// demo school written as a PDF file, page by page, as "Datei / Drucken" does
// when no printer is installed.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/kartei_dateien.h"
#include "core/kartei_laden.h"
#include "core/lehrertyp.h"
#include "core/namenstabelle.h"
#include "core/optionen.h"
#include "core/plan_datei.h"
#include "print/druckauswahl.h"
#include "print/plan_ausdrucke.h"
#include "ui/qt_druckauftrag.h"

using namespace orbela;

namespace {

using Druck = std::function<void(Druckauftrag&)>;

// The demo school and one entry per page of every printout.
struct Demo {
    std::unique_ptr<plantyp> plan = std::make_unique<plantyp>();
    Optionen optionen;
    lehrertyp kartei;
    Namenstabelle faecher;
    Namenstabelle raeume;
    std::unique_ptr<Druckdaten> daten;
    std::unique_ptr<Langnamen> namen;
    std::vector<std::pair<std::string, Druck>> seiten;

    Demo()
    {
        const std::string ordner = ORBELA_DEMO_DIR "/";
        lade_plan(ordner + "Beispielschule.orb", *plan);
        kartei.lies_kartei(ordner + kartei_datei);
        faecher.lesen(ordner + faecher_datei);
        raeume.lesen(ordner + raum_datei);
        daten = std::make_unique<Druckdaten>(Druckdaten{*plan, optionen, "09.12.2026"});
        namen = std::make_unique<Langnamen>(
            Langnamen{faecher, raeume, [this](std::string_view c) { return lehrername(kartei, c); }});
        const Druckdaten& d = *daten;
        for (int t = 1; t <= anzahl_tage; ++t)
            seiten.emplace_back("Gesamtplan", [&d, t](Druckauftrag& a) { drucke_plan(a, d, t); });
        for (std::size_t p = 0; p < auswahl_klassen(*plan).size(); ++p) {
            const int c = klasse_an_position(*plan, static_cast<int>(p));
            seiten.emplace_back("Klassenplan", [&d, c](Druckauftrag& a) { drucke_klassenplan(a, d, c); });
            seiten.emplace_back("Klassenplan quer",
                                [this, &d, c](Druckauftrag& a) { drucke_klassenplan_2(a, d, c, *namen); });
        }
        for (const std::string& code : auswahl_lehrer(*plan))
            seiten.emplace_back("Lehrerplan", [&d, code](Druckauftrag& a) { drucke_lehrerplan(a, d, code); });
        for (const std::string& code : auswahl_raeume(*plan))
            seiten.emplace_back("Raumplan", [&d, code](Druckauftrag& a) { drucke_raumplan(a, d, code); });
        seiten.emplace_back("Uebersichtsplan", [&d](Druckauftrag& a) { drucke_kurzplan2(a, d); });
        seiten.emplace_back("Uebersichtsplan (1-6)", [&d](Druckauftrag& a) { drucke_kurzplan(a, d); });
    }
};

Demo& demo()
{
    static Demo d;
    return d;
}

// Prints the pages of one printout (or of all, for an empty name) in turn,
// one PDF file per iteration: the time of an iteration is the time per page.
void druckseiten(benchmark::State& state, const std::string& art)
{
    std::vector<const Druck*> seiten;
    for (const auto& [name, druck] : demo().seiten) {
        if (art.empty() || name == art)
            seiten.push_back(&druck);
    }
    QTemporaryDir ordner;
    const QString datei = QDir(ordner.path()).filePath(QStringLiteral("seite.pdf"));
    std::size_t i = 0;
    for (auto _ : state) {
        auto auftrag = QtDruckauftrag::pdf(datei);
        (*seiten[i++ % seiten.size()])(*auftrag);
    }
    state.counters["Seiten"] = static_cast<double>(seiten.size());
}

const bool registriert = [] {
    for (const char* art : {"Gesamtplan", "Klassenplan", "Klassenplan quer", "Lehrerplan", "Raumplan",
                            "Uebersichtsplan", "Uebersichtsplan (1-6)", ""}) {
        const std::string name = std::string("BM_PdfSeite/").append(*art != '\0' ? art : "alle");
        benchmark::RegisterBenchmark(name.c_str(), druckseiten, std::string(art))->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
