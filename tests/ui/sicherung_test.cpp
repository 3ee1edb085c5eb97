#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/plan_datei.h"
#include "core/vertretung/vtp_datei.h"
#include "core/wiederherstellung.h"
#include "fenster_zugriff.h"
#include "test_dialoge.h"
#include "test_ordner.h"
#include "testhilfe.h"
#include "ui/bild_widget.h"
#include "ui/codefeld.h"
#include "ui/hauptfenster.h"
#include "ui/vertretung/lehrerwahl_dialog.h"
#include "ui/plan_seite.h"
#include "ui/sicherungswache.h"
#include "ui/vertretung/vertretungsplan_fenster.h"
#include "ui/wiederherstellen.h"
#include "vertretung_schule.h"
#include "ui/vertretung/vertretung_zugriff.h"

using namespace orbela;
using namespace fenster_zugriff;

namespace {

struct Fenster {
    Sitzung sitzung;
    TestDialoge* dialoge = nullptr;
    std::unique_ptr<Hauptfenster> fenster;
    Fenster()
    {
        auto d = std::make_unique<TestDialoge>();
        dialoge = d.get();
        fenster = std::make_unique<Hauptfenster>(sitzung, std::move(d));
    }
    Hauptfenster* operator->() { return fenster.get(); }
};

std::string plan_bytes(const plantyp& p)
{
    return {reinterpret_cast<const char*>(&p), sizeof p};
}

// A plan file in a fresh folder (Ab teaches 1a on Monday, lesson 1) and a
// state folder of its own for the recovery copies.
class Sicherungen : public ::testing::Test, public VertretungsSchule {
protected:
    TestOrdner schule;
    TestOrdner zustand;
    std::string plan_datei = schule.pfad("Plan.orb");

    QByteArray voriger_zustand = qgetenv("XDG_STATE_HOME");

    void SetUp() override
    {
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(zustand.pfad("")));
        unterricht(1, 1, 1, "Ab");
        speichere_plan(plan_datei, plan);
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", voriger_zustand); }
    QStringList kopien() const
    {
        return QDir(QString::fromStdString(zustand.pfad("orbela"))).entryList(QDir::Files | QDir::Hidden);
    }
};

// A second program on the plan: this test program run once more as a child
// that opens the plan, types into a cell and sets a substitute, waits for
// both recovery copies, says "BEREIT" and then is killed (or, with "ende",
// ends normally).
class Kind {
public:
    Kind(const std::string& plan, const std::string& zustand, const std::string& erwartet, bool normal_ende)
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("ORBELA_KIND_PLAN", QString::fromStdString(plan));
        umgebung.insert("ORBELA_KIND_ERWARTET", QString::fromStdString(erwartet));
        umgebung.insert("ORBELA_KIND_ENDE", normal_ende ? "ende" : "");
        umgebung.insert("XDG_STATE_HOME", QString::fromStdString(zustand));
        p_.setProcessEnvironment(umgebung);
        p_.setProcessChannelMode(QProcess::MergedChannels);
        p_.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=Kindprogramm.DISABLED_BearbeitetEinenPlan", "--gtest_also_run_disabled_tests"});
        while (!ausgabe_.contains("BEREIT") && p_.waitForReadyRead(20000))
            ausgabe_ += QString::fromUtf8(p_.readAll());
    }
    ~Kind()
    {
        p_.kill();
        p_.waitForFinished(10000);
    }
    bool bereit() const { return ausgabe_.contains("BEREIT"); }
    void toeten()
    {
        p_.kill(); // SIGKILL: nothing of the program runs any more
        p_.waitForFinished(10000);
    }
    int ende()
    {
        p_.waitForFinished(20000);
        return p_.exitStatus() == QProcess::NormalExit ? p_.exitCode() : -1;
    }
    std::string ausgabe() const { return ausgabe_.toStdString(); }

private:
    QProcess p_;
    QString ausgabe_;
};

} // namespace

TEST(Kindprogramm, DISABLED_BearbeitetEinenPlan)
{
    Fenster f;
    Plansicherung sicherung(f.sitzung, 20);
    f->show();
    f->plan_oeffnen(qEnvironmentVariable("ORBELA_KIND_PLAN").toStdString());
    ASSERT_FALSE(f.sitzung.dokument().kein_plan());
    QTest::mouseClick(bild(*f.fenster, 1), Qt::LeftButton, {}, QPoint(50 * 2 + 12, 75 * 1 + 37));
    kind(*f.fenster, "edit1")->setFocus();
    QTest::keyClicks(kind(*f.fenster, "edit1"), "Zq");

    f.dialoge->dialog_handler = [](QDialog& d) {
        auto* wahl = dynamic_cast<LehrerwahlDialog*>(&d);
        if (wahl == nullptr)
            return false;
        wahl->findChild<QListWidget*>("ListBox1")->setCurrentItem(wahl->findChild<QListWidget*>("ListBox1")->findItems("Ab", Qt::MatchExactly).front());
        QTest::mouseClick(wahl->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        return true;
    };
    aktion(*f.fenster, "Vertretungsplan1")->trigger();
    auto& vertretung = *f->findChild<VertretungsplanFenster*>();
    vertretung_zugriff::menuepunkt(vertretung, "Neu1")->trigger();
    vertretung_zugriff::klick(vertretung, 40 + 20, 20 + 10);
    QTest::mouseClick(vertretung_zugriff::knopf(vertretung, "BitBtn2"), Qt::LeftButton);
    schreibe(qEnvironmentVariable("ORBELA_KIND_ERWARTET").toStdString(), plan_bytes(f.sitzung.plan()));

    const QDir ordner(qEnvironmentVariable("XDG_STATE_HOME") + "/orbela");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ordner.entryList(QDir::Files).size() == 2; }, 15000));
    std::puts("BEREIT");
    std::fflush(stdout);
    if (qEnvironmentVariable("ORBELA_KIND_ENDE") == "ende") {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        return;
    }
    QTest::qWait(60000);
}

// Killed after an edit: the next start offers both copies and restores
// exactly the edited bytes; the dead program's lock is ignored. While it
// ran, a second program opening the plan was told and could choose.
TEST_F(Sicherungen, AKilledProgramsChangesComeBackAtTheNextStart)
{
    Kind kind(plan_datei, zustand.pfad(""), schule.pfad("erwartet"), false);
    ASSERT_TRUE(kind.bereit()) << kind.ausgabe();
    const std::string sperre_des_kindes = lies(Plansperre::sperrdatei(plan_datei));
    ASSERT_FALSE(sperre_des_kindes.empty());

    struct Fall {
        Antwort antwort;
        bool geladen;
        bool gesperrt; // the lock is ours afterwards
    };
    for (const Fall& fall : {Fall{Antwort::abbrechen, false, false}, Fall{Antwort::ja, true, false},
                             Fall{Antwort::nein, true, true}}) {
        Fenster f;
        f.dialoge->antworten_mit_abbrechen = {fall.antwort};
        f->plan_oeffnen(plan_datei);
        ASSERT_EQ(f.dialoge->fragen.size(), 1);
        EXPECT_TRUE(f.dialoge->fragen[0].startsWith("„Plan.orb“ ist seit ")) << f.dialoge->fragen[0].toStdString();
        EXPECT_EQ(f.sitzung.dokument().kein_plan(), !fall.geladen);
        EXPECT_EQ(f.sitzung.planschutz().gesperrt(), fall.gesperrt);
        EXPECT_EQ(f.sitzung.planschutz().schreibgeschuetzt(), fall.antwort == Antwort::ja);
        if (fall.antwort == Antwort::ja) {
            // "Speichern" of a plan opened read-only asks for a new name.
            aktion(*f.fenster, "Planspeichern1")->trigger();
            EXPECT_EQ(f.dialoge->filter.size(), 1);
        }
    }
    EXPECT_EQ(lies(plan_datei), plan_bytes(plan));
    // "Trotzdem öffnen" took the lock over and gave it up on closing; the
    // killed program's lock is put back as it would have been left.
    schreibe(Plansperre::sperrdatei(plan_datei), sperre_des_kindes);

    kind.toeten();
    Fenster f;
    f.dialoge->antworten_mit_abbrechen = {Antwort::ja, Antwort::ja};
    sicherungen_anbieten(*f.dialoge, *f.fenster);
    ASSERT_EQ(f.dialoge->fragen.size(), 2) << f.dialoge->fragen.join('\n').toStdString();
    const QRegularExpression frage("^Es gibt einen nicht gespeicherten Stand von (.*) vom "
                                   "\\d\\d\\.\\d\\d\\.\\d{4}, \\d\\d:\\d\\d\\. Wiederherstellen\\?$");
    EXPECT_EQ(frage.match(f.dialoge->fragen[0]).captured(1), "Plan.orb");
    EXPECT_EQ(frage.match(f.dialoge->fragen[1]).captured(1), "dem Vertretungsplan für Ab");
    EXPECT_EQ(plan_bytes(f.sitzung.plan()), lies(schule.pfad("erwartet")));
    EXPECT_EQ(f.sitzung.plan().zelle(1, 1, 2).erste.lehrer, "Zq");
    EXPECT_EQ(f.sitzung.dokument().dateiname(), plan_datei);
    EXPECT_TRUE(f.sitzung.dokument().geaendert());
    EXPECT_TRUE(f.sitzung.planschutz().gesperrt());
    ASSERT_NE(f->findChild<VertretungsplanFenster*>(), nullptr);
    EXPECT_EQ(f.sitzung.vertretung().eintrag(1, 1).vertreter, "XX");
    EXPECT_EQ(f.sitzung.vertretung().abwesender_lehrer(), "Ab");
    // The check before saving knows the file as the killed program had it.
    schreibe(plan_datei, plan_bytes(*neuer_plan()));
    aktion(*f.fenster, "Planspeichern1")->trigger();
    EXPECT_EQ(f.dialoge->fragen.size(), 3);
    EXPECT_TRUE(f.sitzung.dokument().geaendert());
    // Taken over: not offered again while this program runs.
    EXPECT_TRUE(Wiederherstellung(zustand.pfad("orbela"), "plan", plan_groesse).verwaiste().empty());
}

TEST_F(Sicherungen, AbbrechenKeepsTheCopiesNeinRemovesThemANormalEndLeavesNone)
{
    {
        Kind kind(plan_datei, zustand.pfad(""), schule.pfad("erwartet"), false);
        ASSERT_TRUE(kind.bereit()) << kind.ausgabe();
        kind.toeten();
    }
    {
        Fenster spaeter; // "Abbrechen": decided at a later start
        spaeter.dialoge->antworten_mit_abbrechen = {Antwort::abbrechen, Antwort::abbrechen};
        sicherungen_anbieten(*spaeter.dialoge, *spaeter.fenster);
        EXPECT_EQ(kopien().size(), 2);
    }
    Fenster f;
    sicherungen_anbieten(*f.dialoge, *f.fenster); // "Nein" to both
    EXPECT_EQ(f.dialoge->fragen.size(), 2);
    EXPECT_TRUE(f.sitzung.dokument().kein_plan());
    EXPECT_TRUE(kopien().isEmpty()) << kopien().join(' ').toStdString();

    Kind kind(plan_datei, zustand.pfad(""), schule.pfad("erwartet"), true);
    ASSERT_TRUE(kind.bereit()) << kind.ausgabe();
    EXPECT_EQ(kind.ende(), 0) << kind.ausgabe();
    EXPECT_TRUE(kopien().isEmpty()) << kopien().join(' ').toStdString();
    EXPECT_FALSE(std::filesystem::exists(plan_datei + ".sperre"));
}

// "Speichern", and "Speichern unter..." onto the same file, ask before they
// overwrite a file that another program has written since it was loaded or
// saved; "Nein" writes nothing.
TEST_F(Sicherungen, SaveAsksWhenTheFileWasChangedBehindItsBack)
{
    for (const char* befehl : {"Planspeichern1", "Planspeichernunter1"}) {
        SCOPED_TRACE(befehl);
        struct Fall {
            const char* name;
            bool ersetzt;
            bool antwort;
            bool gefragt;
            bool geschrieben;
        };
        for (const Fall& fall : {Fall{"untouched", false, false, false, true},
                                 Fall{"replaced, Nein", true, false, true, false},
                                 Fall{"replaced, Ja", true, true, true, true}}) {
            SCOPED_TRACE(fall.name);
            speichere_plan(plan_datei, plan);
            Fenster f;
            f->plan_oeffnen(plan_datei);
            f.sitzung.dokument().setze_code({2, 2, 2}, Codefeld::lehrer, "Ne");
            const std::string fremd = plan_bytes(*neuer_plan());
            if (fall.ersetzt)
                schreibe(plan_datei, fremd); // a colleague saved meanwhile
            f.dialoge->antworten = {fall.antwort};
            f.dialoge->dateien = {QString::fromStdString(plan_datei)};
            aktion(*f.fenster, befehl)->trigger();
            EXPECT_EQ(f.dialoge->fragen.size(), fall.gefragt ? 1 : 0);
            if (fall.gefragt) {
                EXPECT_EQ(f.dialoge->fragen[0], "Die Datei wurde inzwischen von einem anderen Programm geändert. "
                                                "Trotzdem überschreiben?");
            }
            EXPECT_EQ(lies(plan_datei), fall.geschrieben ? plan_bytes(f.sitzung.plan()) : fremd);
            EXPECT_EQ(f.sitzung.dokument().geaendert(), !fall.geschrieben);
            // Once written, the next save does not ask again.
            f.dialoge->fragen.clear();
            aktion(*f.fenster, "Planspeichern1")->trigger();
            EXPECT_EQ(f.dialoge->fragen.size(), fall.geschrieben ? 0 : 1);
        }
    }
}

// "Speichern unter..." onto a plan another program has open asks as opening
// does: "Abbrechen" writes nothing and leaves a read-only plan so, another
// name is asked for, or the file is written with its lock taken over.
TEST_F(Sicherungen, SaveAsOntoAPlanAnotherProgramHasOpenAsksFirst)
{
    Prozesskennung kollegin = Prozesskennung::eigene();
    kollegin.pid = static_cast<long>(::getppid()); // runs for sure
    kollegin.start = 0;
    const std::string sperre = "Orbela-Sperre\nbenutzer=Frau Berg\nseit=1700000000\n" + kollegin.als_zeilen();
    const std::string anders = schule.pfad("Anders.orb");
    struct Fall {
        Antwort antwort;
        const std::string* geschrieben; // none: no file written
    };
    for (const Fall& fall : {Fall{Antwort::abbrechen, nullptr}, Fall{Antwort::nein, &anders},
                             Fall{Antwort::ja, &plan_datei}}) {
        SCOPED_TRACE(static_cast<int>(fall.antwort));
        speichere_plan(plan_datei, plan);
        std::filesystem::remove(anders);
        schreibe(Plansperre::sperrdatei(plan_datei), sperre);
        Fenster f;
        f.dialoge->antworten_mit_abbrechen = {Antwort::ja, fall.antwort}; // "Schreibgeschützt öffnen"
        f->plan_oeffnen(plan_datei);
        f.sitzung.dokument().setze_code({2, 2, 2}, Codefeld::lehrer, "Ne");
        f.dialoge->dateien = {QString::fromStdString(plan_datei), QString::fromStdString(anders)};
        aktion(*f.fenster, "Planspeichernunter1")->trigger();
        ASSERT_EQ(f.dialoge->fragen.size(), 2);
        EXPECT_TRUE(f.dialoge->fragen[1].startsWith("„Plan.orb“ ist seit ")) << f.dialoge->fragen[1].toStdString();
        EXPECT_EQ(lies(plan_datei), fall.geschrieben == &plan_datei ? plan_bytes(f.sitzung.plan()) : plan_bytes(plan));
        EXPECT_EQ(std::filesystem::exists(anders), fall.geschrieben == &anders);
        EXPECT_EQ(f.sitzung.planschutz().schreibgeschuetzt(), fall.geschrieben == nullptr);
        EXPECT_EQ(f.sitzung.planschutz().gesperrt(), fall.geschrieben != nullptr);
        EXPECT_EQ(lies(Plansperre::sperrdatei(plan_datei)) == sperre, fall.geschrieben != &plan_datei);
    }
    std::filesystem::remove(Plansperre::sperrdatei(plan_datei));
}

// A substitution plan left by a crash is this program's copy before its
// window opens, and shows its lessons from the timetable: the plan given at
// start, else the one loaded later.
TEST_F(Sicherungen, ARestoredSubstitutionPlanIsTakenOverFirstAndShownWithItsLessons)
{
    Vertretungsplan alt;
    alt.abwesender_lehrer = "Ab";
    alt.eintrag(1, 1).vertreter = "XX";
    for (const bool plan_beim_start : {true, false}) {
        SCOPED_TRACE(plan_beim_start);
        const pid_t pid = ::fork(); // an ended program's copy
        if (pid == 0) {
            Wiederherstellung(zustand.pfad("orbela"), "vertretung", vtp_groesse)
                .sichern(vertretungen_als_bytes(alt), "", std::nullopt);
            ::_exit(0);
        }
        ::waitpid(pid, nullptr, 0);
        Fenster f;
        const Wiederherstellung eigene(zustand.pfad("orbela"), "vertretung", vtp_groesse);
        int gezeigt = 0;
        f.dialoge->dialog_handler = [&](QDialog& d) {
            EXPECT_NE(dynamic_cast<VertretungsplanFenster*>(&d), nullptr);
            const Vertretungsdokument& vp = f.sitzung.vertretung();
            EXPECT_TRUE(std::filesystem::exists(eigene.eigene_datei()));
            EXPECT_EQ(vp.eintrag(1, 1).klasse, "1a");
            EXPECT_EQ(vp.eintrag(1, 1).vertreter, "XX");
            EXPECT_TRUE(vp.geaendert());
            ++gezeigt;
            return false;
        };
        f.dialoge->antworten_mit_abbrechen = {Antwort::ja};
        sicherungen_anbieten(*f.dialoge, *f.fenster, [&] {
            if (plan_beim_start)
                f->plan_oeffnen(plan_datei);
        });
        EXPECT_EQ(gezeigt, plan_beim_start ? 1 : 0);
        if (!plan_beim_start) {
            EXPECT_EQ(f.dialoge->hinweise.size(), 1);
            f->plan_oeffnen(plan_datei);
            aktion(*f.fenster, "Vertretungsplan1")->trigger();
            EXPECT_EQ(gezeigt, 1);
        }
        EXPECT_EQ(f.dialoge->fragen.size(), 1); // only whether to restore
        std::filesystem::remove(eigene.eigene_datei());
    }
}

// A state folder that cannot be written is told once, in the status bar and
// a message.
TEST_F(Sicherungen, ACopyThatCannotBeWrittenIsToldOncePerRun)
{
    schreibe(zustand.pfad("orbela"), "a file where the folder should be");
    Fenster f;
    Plansicherung sicherung(f.sitzung, 0);
    f->sicherungswache_verbinden(sicherung.wache());
    f->plan_oeffnen(plan_datei);
    for (const char* code : {"Xa", "Xb"}) {
        f.sitzung.dokument().setze_code({1, 2, 1}, Codefeld::lehrer, code);
        QTest::qWait(20);
    }
    ASSERT_EQ(f.dialoge->hinweise.size(), 1);
    EXPECT_TRUE(f.dialoge->hinweise[0].startsWith("Die Sicherungskopie kann nicht geschrieben werden: "));
    EXPECT_EQ(f->statusBar()->currentMessage(), f.dialoge->hinweise[0]);
}
