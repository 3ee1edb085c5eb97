// The real main window on the demo school, driven by real events: one
// keystroke from the key event into the teacher field, through its change
// handler and the drawing of the cell, its row and the side views, to the
// finished paint of every widget that changed; and the time from the
// program's start to its first painted window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "canvas/qt_text_1252.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster.h"
#include "ui/plan_seite.h"
#include "ui/sicherungswache.h"
#include "core/wiederherstellung.h"

extern char** environ;

using namespace orbela;
using Uhr = std::chrono::steady_clock;

namespace {

const std::string demo_ordner = ORBELA_DEMO_DIR;

// Fails the benchmark on any message the program would show.
class Dialogwaechter final : public Dialoge {
public:
    QStringList meldungen;
    bool frage(const QString& text) override { return melde(text); }
    Antwort frage_mit_abbrechen(const QString& text) override
    {
        melde(text);
        return Antwort::abbrechen;
    }
    Antwort wahl(const QString& text, const QString&, const QString&) override
    {
        melde(text);
        return Antwort::abbrechen;
    }
    void hinweis(const QString& text) override { melde(text); }
    void fehler(const QString& text) override { melde(text); }
    std::optional<QString> datei_oeffnen(const QString&) override { return std::nullopt; }
    std::optional<QString> datei_speichern(const QString&, const QString&, const QString& = {}) override
    {
        return std::nullopt;
    }
    bool modal(QDialog&) override { return false; }

private:
    bool melde(const QString& text)
    {
        meldungen << text;
        return false;
    }
};

// Counts the paint events of every widget.
class Malzaehler final : public QObject {
public:
    long anzahl = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        anzahl += event->type() == QEvent::Paint;
        return false;
    }
};

// Runs every pending event, the paints of all widgets marked for update
// among them, until nothing is left.
void alles_abarbeiten()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

double millisekunden(Uhr::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The processor time of this thread: unlike the wall clock, not inflated
// while other processes share the machine.
double cpu_ms()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return 1000.0 * double(t.tv_sec) + double(t.tv_nsec) / 1e6;
}

// Median and 99th percentile of the samples as counters of the run.
void perzentile_melden(benchmark::State& state, std::vector<double> zeiten, const std::string& vorsilbe = {})
{
    if (zeiten.empty())
        return;
    std::sort(zeiten.begin(), zeiten.end());
    const auto rang = [&](double p) { return zeiten[static_cast<std::size_t>(p * double(zeiten.size() - 1))]; };
    state.counters[vorsilbe + "median_ms"] = rang(0.5);
    state.counters[vorsilbe + "p99_ms"] = rang(0.99);
}

// The user's state folder for the recovery copies: a fresh one under /tmp.
void eigener_zustandsordner()
{
    static std::string ordner = [] {
        char vorlage[] = "/tmp/orbela-bench-XXXXXX";
        const char* o = ::mkdtemp(vorlage);
        return std::string(o ? o : "/tmp");
    }();
    ::setenv("XDG_STATE_HOME", ordner.c_str(), 1);
}

// 1,000 keystrokes into the teacher field of a cell of the full demo plan,
// with the window shown, every side view switched on and the recovery copy
// kept as in the program (a keystroke only starts its timer). The field
// alternately loses its last letter and gets another, so that every key
// changes the code and everything depending on it is drawn anew.
void BM_TastendruckImHauptfenster(benchmark::State& state)
{
    Sitzung sitzung(demo_ordner + "/");
    auto waechter = std::make_unique<Dialogwaechter>();
    Dialogwaechter& meldungen = *waechter;
    Hauptfenster fenster(sitzung, std::move(waechter));
    eigener_zustandsordner();
    const Plansicherung sicherung(sitzung);
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster)) {
        state.SkipWithError("Fenster nicht sichtbar");
        return;
    }
    fenster.plan_oeffnen(demo_ordner + "/Beispielschule.orb");
    // Lesson 3 of class 4, then the focus into its teacher field.
    QTest::mouseClick(fenster.bild(1), Qt::LeftButton, {}, QPoint(50 * 4 + 12, 75 * 3 + 37));
    CodeFeld* feld = fenster.planSeite()->edit(1);
    feld->setFocus();
    alles_abarbeiten();
    if (!meldungen.meldungen.isEmpty() || feld->text().isEmpty()) {
        state.SkipWithError("Demo-Plan nicht geladen");
        return;
    }

    Malzaehler maler;
    qApp->installEventFilter(&maler);
    const std::string buchstaben = "aeiouxyz";
    std::vector<double> zeiten;
    std::vector<double> cpu_zeiten;
    zeiten.reserve(static_cast<std::size_t>(state.max_iterations));
    cpu_zeiten.reserve(static_cast<std::size_t>(state.max_iterations));
    long i = 0;
    for (auto _ : state) {
        const double cpu_start = cpu_ms();
        const Uhr::time_point start = Uhr::now();
        if (i % 2 == 0)
            QTest::keyClick(feld, Qt::Key_Backspace);
        else
            QTest::keyClick(feld, buchstaben[static_cast<std::size_t>(i / 2) % buchstaben.size()]);
        alles_abarbeiten();
        const double ms = millisekunden(Uhr::now() - start);
        state.SetIterationTime(ms / 1000.0);
        zeiten.push_back(ms);
        cpu_zeiten.push_back(cpu_ms() - cpu_start);
        ++i;
    }
    qApp->removeEventFilter(&maler);
    const Auswahl& a = sitzung.auswahl();
    if (feld->text() != qstring_aus_1252(sitzung.plan().zelle(a.akt_tag, a.akt_stunde, a.akt_klasse).erste.lehrer.view()))
        state.SkipWithError("Tasten nicht im Plan angekommen");
    if (!meldungen.meldungen.isEmpty())
        state.SkipWithError(meldungen.meldungen.join("; ").toStdString().c_str());
    perzentile_melden(state, std::move(zeiten));
    perzentile_melden(state, std::move(cpu_zeiten), "cpu_");
    state.counters["paints_je_taste"] = static_cast<double>(maler.anzahl) / static_cast<double>(i);
}

// From starting a process to its first painted main window, without and
// with the demo plan as argument; the process is the program's start with
// a probe that reports its first paint (bench/startprobe.cpp).
void BM_StartBisErstesBild(benchmark::State& state)
{
    std::vector<std::string> argumente = {ORBELA_STARTPROBE, "-platform", "offscreen"};
    if (state.range(0) == 1)
        argumente.push_back(demo_ordner + "/Beispielschule.orb");
    std::vector<char*> argv;
    for (std::string& a : argumente)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<double> zeiten;
    double cpu_ms = 0;
    for (auto _ : state) {
        int rohr[2];
        if (::pipe(rohr) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        posix_spawn_file_actions_t aktionen;
        posix_spawn_file_actions_init(&aktionen);
        posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
        posix_spawn_file_actions_addclose(&aktionen, rohr[1]);
        const Uhr::time_point start = Uhr::now();
        pid_t kind = 0;
        const int fehler = posix_spawn(&kind, argv[0], &aktionen, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&aktionen);
        ::close(rohr[1]);
        char zeichen = 0;
        const bool gemalt = fehler == 0 && ::read(rohr[0], &zeichen, 1) == 1;
        const double ms = millisekunden(Uhr::now() - start);
        ::close(rohr[0]);
        // The child's own processor time, which a busy machine does not inflate.
        rusage verbrauch{};
        if (fehler == 0)
            ::wait4(kind, nullptr, 0, &verbrauch);
        cpu_ms += 1000.0 * double(verbrauch.ru_utime.tv_sec + verbrauch.ru_stime.tv_sec)
                  + double(verbrauch.ru_utime.tv_usec + verbrauch.ru_stime.tv_usec) / 1000.0;
        if (!gemalt) {
            state.SkipWithError("Start ohne gemaltes Fenster");
            return;
        }
        state.SetIterationTime(ms / 1000.0);
        zeiten.push_back(ms);
    }
    state.counters["cpu_bis_ende_ms"] = cpu_ms / static_cast<double>(std::max<std::size_t>(1, zeiten.size()));
    perzentile_melden(state, std::move(zeiten));
}

} // namespace

// Writing the recovery copy of a plan once: what the event loop does a few
// seconds after a change, never inside a keystroke's handler.
void BM_SicherungskopieSchreiben(benchmark::State& state)
{
    eigener_zustandsordner();
    Wiederherstellung ablage(Wiederherstellung::standardordner(), "plan", plan_groesse);
    const std::string plan(plan_groesse, '\x01');
    for (auto _ : state)
        ablage.sichern(plan, "/schule/Plan.orb", std::nullopt);
    ablage.entfernen();
}

BENCHMARK(BM_SicherungskopieSchreiben)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TastendruckImHauptfenster)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartBisErstesBild)->Arg(0)->Arg(1)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
