#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/fehler.h"
#include "core/planschutz.h"
#include "core/plan_datei.h"
#include "core/plansperre.h"
#include "core/sitzung.h"
#include "core/wiederherstellung.h"
#include "test_ordner.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

// The number of a process that has ended.
long beendeter_prozess()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// Runs `f` in a child process that stays alive until `weiter` returns.
template <typename F, typename W>
void in_laufendem_kind(F f, W weiter)
{
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(rohr[1]);
        f();
        char c;
        (void)::read(rohr[0], &c, 1); // until the parent closes its end
        ::_exit(0);
    }
    ::close(rohr[0]);
    weiter();
    ::close(rohr[1]);
    ::waitpid(pid, nullptr, 0);
}

// Waits until the child has ended without collecting it.
bool wird_zombie(pid_t pid)
{
    for (int i = 0; i < 500; ++i) {
        siginfo_t info{};
        if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
            return true;
        ::usleep(2000);
    }
    return false;
}

std::string sperrtext(const Prozesskennung& k)
{
    return "Orbela-Sperre\nbenutzer=Frau Berg\nseit=1700000000\n" + k.als_zeilen();
}

} // namespace

// Which locks found beside a plan count as held, and by whom.
TEST(Plansperre, AnotherRunningProgramsLockIsHeldAStaleOneIsTakenOver)
{
    const Prozesskennung ich = Prozesskennung::eigene();
    Prozesskennung eltern = ich; // the test's parent runs for sure
    eltern.pid = static_cast<long>(::getppid());
    eltern.start = 0;
    Prozesskennung tot = ich;
    tot.pid = beendeter_prozess();
    Prozesskennung frueherer_start = ich;
    frueherer_start.start = ich.start + 1;
    Prozesskennung alter_boot = eltern;
    alter_boot.boot = "ein-anderer-boot";
    Prozesskennung nicht_abgeholt = ich; // ended, its parent has not waited yet
    nicht_abgeholt.pid = ::fork();
    if (nicht_abgeholt.pid == 0)
        ::_exit(0);
    nicht_abgeholt.start = 0;
    ASSERT_TRUE(wird_zombie(static_cast<pid_t>(nicht_abgeholt.pid)));
    Prozesskennung anderer_rechner = tot;
    anderer_rechner.rechner = ich.rechner + "-nebenan";
    anderer_rechner.maschine = "0123456789abcdef";
    Prozesskennung gleicher_name = tot; // a cloned computer
    gleicher_name.maschine = "0123456789abcdef";
    Prozesskennung unbekannt = tot; // a lock naming no machine
    unbekannt.maschine.clear();

    struct Fall {
        const char* name;
        std::optional<std::string> inhalt; // of the lock file found; none: no file
        Plansperre::Ergebnis ergebnis;
        const char* benutzer;
    };
    using E = Plansperre::Ergebnis;
    for (const Fall& fall : {Fall{"none", std::nullopt, E::genommen, ""},
                             Fall{"running program", sperrtext(eltern), E::belegt, "Frau Berg"},
                             Fall{"other computer", sperrtext(anderer_rechner), E::belegt, "Frau Berg"},
                             Fall{"same host name", sperrtext(gleicher_name), E::belegt, "Frau Berg"},
                             Fall{"unknown computer", sperrtext(unbekannt), E::belegt, "Frau Berg"},
                             Fall{"damaged", std::string("\x01\x02"), E::belegt, "unbekannt"},
                             Fall{"ended program", sperrtext(tot), E::genommen, ""},
                             Fall{"number reused", sperrtext(frueherer_start), E::genommen, ""},
                             Fall{"not yet collected", sperrtext(nicht_abgeholt), E::genommen, ""},
                             Fall{"before a reboot", sperrtext(alter_boot), E::genommen, ""},
                             Fall{"this program", sperrtext(ich), E::genommen, ""}}) {
        SCOPED_TRACE(fall.name);
        TestOrdner dir;
        const std::string plan = dir.pfad("Plan.orb");
        const std::string datei = Plansperre::sperrdatei(plan);
        if (fall.inhalt)
            schreibe(datei, *fall.inhalt);
        {
            Plansperre sperre;
            ASSERT_EQ(sperre.nehmen(plan), fall.ergebnis);
            EXPECT_EQ(sperre.haelt(), fall.ergebnis == E::genommen);
            if (fall.ergebnis == E::belegt) {
                EXPECT_EQ(sperre.inhaber().benutzer, fall.benutzer);
                EXPECT_EQ(lies(datei), *fall.inhalt);
                // "Trotzdem öffnen" takes it over.
                EXPECT_EQ(sperre.nehmen(plan, true), E::genommen);
            }
            EXPECT_NE(lies(datei).find("pid=" + std::to_string(ich.pid) + "\n"), std::string::npos);
        }
        EXPECT_FALSE(std::filesystem::exists(datei)) << "released";
    }
    ::waitpid(static_cast<pid_t>(nicht_abgeholt.pid), nullptr, 0);
}

TEST(Plansperre, ALockTakenOverByAnotherIsLeftToItAndAReadOnlyFolderTakesNone)
{
    TestOrdner dir;
    const std::string plan = dir.pfad("Plan.orb");
    {
        Plansperre sperre;
        ASSERT_EQ(sperre.nehmen(plan), Plansperre::Ergebnis::genommen);
        Prozesskennung andere = Prozesskennung::eigene();
        andere.pid = static_cast<long>(::getppid());
        schreibe(Plansperre::sperrdatei(plan), sperrtext(andere));
    }
    EXPECT_TRUE(std::filesystem::exists(Plansperre::sperrdatei(plan)));

    std::filesystem::remove(Plansperre::sperrdatei(plan));
    ::chmod(dir.pfad("").c_str(), 0555);
    EXPECT_TRUE(ohne_rechte([&] {
        Plansperre sperre;
        return sperre.nehmen(plan) == Plansperre::Ergebnis::ohne_sperre && !sperre.haelt();
    }));
    ::chmod(dir.pfad("").c_str(), 0755);
}

TEST(Planschutz, AFailedReloadOfThePlanOpenNowKeepsItsLock)
{
    TestOrdner dir;
    const std::string plan = dir.pfad("Plan.orb");
    speichere_plan(plan, *neuer_plan());
    Sitzung sitzung(dir.pfad(""));
    Plansperre sperre;
    ASSERT_EQ(sperre.nehmen(plan), Plansperre::Ergebnis::genommen);
    sitzung.laden(plan, std::move(sperre));

    schreibe(plan, "zu kurz");
    Plansperre noch_einmal; // finds this program's own lock
    ASSERT_EQ(noch_einmal.nehmen(plan), Plansperre::Ergebnis::genommen);
    EXPECT_THROW(sitzung.laden(plan, std::move(noch_einmal)), Fehler);
    EXPECT_TRUE(std::filesystem::exists(Plansperre::sperrdatei(plan)));
    EXPECT_TRUE(sitzung.planschutz().gesperrt());
}

// Size, time and content each tell that another program wrote the file.
TEST(Planschutz, NoticesEveryKindOfChangeSinceTheLastLoadOrSave)
{
    struct Fall {
        const char* name;
        std::string neu; // empty: the file is removed
        bool alte_zeit;  // the file's time is set back to what it was
        bool unveraendert;
    };
    for (const Fall& fall : {Fall{"same bytes, same time", "AAAA", true, true},
                             Fall{"same bytes, new time", "AAAA", false, false},
                             Fall{"other bytes, same size and time", "AAAB", true, false},
                             Fall{"longer", "AAAAA", true, false},
                             Fall{"removed", "", false, true}}) {
        SCOPED_TRACE(fall.name);
        TestOrdner dir;
        const std::string plan = dir.pfad("Plan.orb");
        schreibe(plan, "AAAA");
        struct stat vorher {};
        ::stat(plan.c_str(), &vorher);
        Planschutz schutz;
        schutz.geoeffnet(plan, Plansperre(), false);
        ::usleep(20000);
        if (fall.neu.empty()) {
            std::filesystem::remove(plan);
        } else {
            schreibe(plan, fall.neu);
            if (fall.alte_zeit) {
                const timespec zeiten[2] = {vorher.st_atim, vorher.st_mtim};
                ::utimensat(AT_FDCWD, plan.c_str(), zeiten, 0);
            }
        }
        EXPECT_EQ(schutz.unveraendert(plan), fall.unveraendert);
        // After our own save the file is ours again.
        schreibe(plan, "BB");
        schutz.gespeichert(plan);
        EXPECT_TRUE(schutz.unveraendert(plan));
    }
}

// A copy written by a program that has ended comes back whole; a running
// program's copy, a damaged one and this program's own are not offered.
TEST(Wiederherstellung, OffersTheCopiesOfEndedProgramsOnly)
{
    TestOrdner dir;
    const std::string ordner = dir.pfad("orbela");
    const std::string inhalt(plan_groesse, '\x7f');
    const std::string name = "/schule/100%\nPlan.orb";
    const Dateistand stand{37340, 1700000000123456789, 42};
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        Wiederherstellung(ordner, "plan", plan_groesse).sichern(inhalt, name, stand);
        ::_exit(0);
    }
    ::waitpid(pid, nullptr, 0);

    Wiederherstellung eigene(ordner, "plan", plan_groesse);
    eigene.sichern(std::string(plan_groesse, 'x'), "eigen.orb", std::nullopt);
    Wiederherstellung(ordner, "vertretung", 660); // another kind sees none of them
    schreibe(ordner + "/plan-kaputt.sicherung", "Orbela-Sicherung\ndatei=x\n\nzu kurz");
    in_laufendem_kind([&] { Wiederherstellung(ordner, "plan", plan_groesse).sichern(inhalt, "laeuft.orb", {}); },
                      [&] {
                          ASSERT_TRUE(Wiederherstellung(ordner, "vertretung", 660).verwaiste().empty());
                          const std::vector<Sicherung> da = eigene.verwaiste();
                          ASSERT_EQ(da.size(), 1u);
                          EXPECT_EQ(da[0].inhalt, inhalt);
                          EXPECT_EQ(da[0].dateiname, name);
                          EXPECT_EQ(da[0].stand, stand);
                          EXPECT_LE(std::abs(da[0].zeit - static_cast<std::int64_t>(std::time(nullptr))), 5);
                          Wiederherstellung::entfernen(da[0]);
                      });
    EXPECT_TRUE(std::filesystem::exists(eigene.eigene_datei()));
    eigene.entfernen();
    EXPECT_FALSE(std::filesystem::exists(eigene.eigene_datei()));
}

// A restored copy becomes this program's own, unless this program has
// written a newer one of its own meanwhile.
TEST(Wiederherstellung, ATakenOverCopyNeverReplacesANewerOwnCopy)
{
    TestOrdner dir;
    const std::string ordner = dir.pfad("orbela");
    std::filesystem::create_directories(ordner);
    Wiederherstellung eigene(ordner, "vertretung", 4);
    for (const bool schon_eigene : {false, true}) {
        SCOPED_TRACE(schon_eigene);
        Sicherung alt;
        alt.pfad = ordner + "/vertretung-alt.sicherung";
        schreibe(alt.pfad, "alt!");
        if (schon_eigene)
            eigene.sichern("neu!", "", std::nullopt);
        eigene.uebernehmen(alt);
        EXPECT_FALSE(std::filesystem::exists(alt.pfad));
        EXPECT_TRUE(lies(eigene.eigene_datei()).ends_with(schon_eigene ? "neu!" : "alt!"));
    }
}
