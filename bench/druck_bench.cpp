// How long printing takes through the Qt path: every printout of the demo
// school written as a PDF file page by page, all of them as one PDF file, and
// the print preview of twenty class plans.

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
#include "core/kartei.h"
#include "core/namenstabelle.h"
#include "core/optionen.h"
#include "core/plan_datei.h"
#include "print/druckauswahl.h"
#include "print/plan_ausdrucke.h"
#include "ui/drucken/druckablauf.h"
#include "ui/drucken/qt_druckauftrag.h"

#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

using namespace orbela;

namespace {

using Druck = std::function<void(Druckauftrag&)>;

// The demo school and one entry per page of every printout.
struct Demo {
    std::unique_ptr<plantyp> plan = std::make_unique<plantyp>();
    Optionen optionen;
    Kartei kartei;
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

// Every page of the demo school, all printouts in turn, in one PDF file.
void BM_AlleSeitenEinePdf(benchmark::State& state)
{
    Druckbefehl befehl{"Alle", "Alle", {}};
    for (const auto& [name, druck] : demo().seiten)
        befehl.ausdrucke.push_back({QString::fromStdString(name), druck});
    QTemporaryDir ordner;
    const QString datei = QDir(ordner.path()).filePath(QStringLiteral("alle.pdf"));
    for (auto _ : state) {
        auto auftrag = QtDruckauftrag::pdf(datei);
        befehl.als_ein_auftrag(*auftrag);
    }
    state.counters["Seiten"] = static_cast<double>(befehl.ausdrucke.size());
}
BENCHMARK(BM_AlleSeitenEinePdf)->Unit(benchmark::kMillisecond);

// The print preview of twenty class plans (the demo's classes over and
// over), from opening the window to its pages drawn.
void BM_VorschauZwanzigKlassenplaene(benchmark::State& state)
{
    const plantyp& plan = *demo().plan;
    const Druckdaten& d = *demo().daten;
    const std::size_t klassen = auswahl_klassen(plan).size();
    Druckbefehl befehl{QStringLiteral("Klassenplan"), QStringLiteral("Klassenpläne"), {}};
    for (std::size_t i = 0; i < 20; ++i) {
        const int c = klasse_an_position(plan, static_cast<int>(i % klassen));
        befehl.ausdrucke.push_back({QString(), [&d, c](Druckauftrag& a) { drucke_klassenplan(a, d, c); }});
    }
    QPrinter drucker(QPrinter::ScreenResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setResolution(300);
    int seiten = 0;
    for (auto _ : state) {
        QPrintPreviewDialog dialog(&drucker);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* ziel) {
            QtDruckauftrag auftrag(*ziel);
            befehl.als_ein_auftrag(auftrag);
        });
        dialog.resize(900, 1000);
        dialog.show();
        QCoreApplication::processEvents();
        seiten = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
    }
    state.counters["Seiten"] = seiten;
}
BENCHMARK(BM_VorschauZwanzigKlassenplaene)->Unit(benchmark::kMillisecond);

const bool registriert = [] {
    for (const char* art : {"Gesamtplan", "Klassenplan", "Klassenplan quer", "Lehrerplan", "Raumplan",
                            "Uebersichtsplan", "Uebersichtsplan (1-6)", ""}) {
        const std::string name = std::string("BM_PdfSeite/").append(*art != '\0' ? art : "alle");
        benchmark::RegisterBenchmark(name.c_str(), druckseiten, std::string(art))->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
