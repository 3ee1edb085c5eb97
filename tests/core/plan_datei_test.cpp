#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/fehler.h"
#include "core/init_plan.h"
#include "core/plan_datei.h"
#include "test_ordner.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

std::string bytes_von(const plantyp& p)
{
    return std::string(reinterpret_cast<const char*>(&p), sizeof p);
}

} // namespace

TEST(PlanDatei, SaveOfTheInitialModelWritesZeroBytes)
{
    TestOrdner dir;
    auto plan = leerer_plan();
    speichere_plan(dir.pfad("a.orb"), *plan);
    EXPECT_EQ(lies(dir.pfad("a.orb")), std::string(37340, '\0'));
}

TEST(PlanDatei, SaveAfterResetHasOnlyTheFlagBytesSet)
{
    TestOrdner dir;
    auto plan = leerer_plan();
    // Leftovers of an earlier plan must not survive the reset.
    plan->zelle(2, 3, 4).erste.lehrer = "Ab";
    plan->klasse(20).klasse = "4c";
    plan->zeit(10).ende = "13:00";
    Lehrerliste liste;
    init_plan(*plan, liste);
    speichere_plan(dir.pfad("n.orb"), *plan);
    const std::string bytes = lies(dir.pfad("n.orb"));
    ASSERT_EQ(bytes.size(), 37340u);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char erwartet = 0;
        if (i < 36720 && i % 17 == 15)
            erwartet = 0x01;
        else if (i < 36720 && i % 17 == 16)
            erwartet = 0x20;
        ASSERT_EQ(bytes[i], erwartet) << "at offset " << i;
    }
    EXPECT_FALSE(plan->zelle(1, 1, 1).erste.ist_verzichtbar());
    EXPECT_FALSE(plan->zelle(6, 9, 20).ist_doppelt());
}

TEST(PlanDatei, RoundTripKeepsEveryByteIncludingJunkBehindLengths)
{
    TestOrdner dir;
    std::string bytes(37340 + 50, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 131 + 7) % 251);
    // Make some length bytes sensible and some above the capacity.
    bytes[0] = 3;                       // teacher of Mo/1/class 1: 3 characters
    bytes[5] = 4;                       // subject: 4 characters
    bytes[10] = 9;                      // room: length above capacity
    bytes[36720 + 19 * 20] = 2;         // class 20 name
    bytes[37120 + 9 * 22 + 11] = 5;     // time record 10, end
    schreibe(dir.pfad("j.orb"), bytes);

    auto plan = leerer_plan();
    lade_plan(dir.pfad("j.orb"), *plan);
    EXPECT_EQ(plan->zelle(1, 1, 1).erste.lehrer.size(), 3u);
    EXPECT_EQ(plan->zelle(1, 1, 1).erste.fach.size(), 4u);
    EXPECT_EQ(plan->zelle(1, 1, 1).erste.raum.size(), 4u); // reads as the capacity
    EXPECT_EQ(plan->zeit(10).ende.view(), bytes.substr(37120 + 9 * 22 + 12, 5));

    speichere_plan(dir.pfad("k.orb"), *plan);
    EXPECT_EQ(lies(dir.pfad("k.orb")), bytes.substr(0, 37340));
}

TEST(PlanDatei, LoadFailuresLeaveTheModelUnchanged)
{
    TestOrdner dir;
    auto plan = leerer_plan();
    plan->zelle(1, 1, 1).erste.lehrer = "Xy";
    const std::string vorher = bytes_von(*plan);

    schreibe(dir.pfad("kurz.orb"), std::string(37339, '\x07'));
    EXPECT_EQ(fehlertext([&] { lade_plan(dir.pfad("kurz.orb"), *plan); }),
              "Versuch hinter dem Dateiende zu lesen");
    EXPECT_EQ(bytes_von(*plan), vorher);

    EXPECT_EQ(fehlertext([&] { lade_plan(dir.pfad("fehlt.orb"), *plan); }), "Datei nicht gefunden");

    schreibe(dir.pfad("ro.orb"), std::string(37340, '\x07'));
    ::chmod(dir.pfad("ro.orb").c_str(), 0444);
    EXPECT_EQ(fehlertext([&] { lade_plan(dir.pfad("ro.orb"), *plan); }), "Dateizugriff verweigert");
    EXPECT_EQ(bytes_von(*plan), vorher);

    EXPECT_EQ(fehlertext([&] { lade_plan(dir.pfad(""), *plan); }), "Dateizugriff verweigert");
    EXPECT_EQ(bytes_von(*plan), vorher);
}

TEST(PlanDatei, LongerFileLoadsItsFirstRecord)
{
    TestOrdner dir;
    std::string bytes(37340 * 2, '\0');
    bytes[0] = 2;
    bytes[1] = 'M';
    bytes[2] = 'a';
    bytes[37340] = 2;
    schreibe(dir.pfad("lang.orb"), bytes);
    auto plan = leerer_plan();
    lade_plan(dir.pfad("lang.orb"), *plan);
    EXPECT_EQ(plan->zelle(1, 1, 1).erste.lehrer, "Ma");
}

TEST(PlanDatei, SaveRefusesWriteProtectedTargetAndKeepsIt)
{
    TestOrdner dir;
    schreibe(dir.pfad("alt.orb"), "alter Inhalt");
    ::chmod(dir.pfad("alt.orb").c_str(), 0444);
    auto plan = leerer_plan();
    EXPECT_EQ(fehlertext([&] { speichere_plan(dir.pfad("alt.orb"), *plan); }), "Dateizugriff verweigert");
    EXPECT_EQ(lies(dir.pfad("alt.orb")), "alter Inhalt");
}

TEST(PlanDatei, SaveKeepsPermissionsAndLeavesNoTemporaryFiles)
{
    TestOrdner dir;
    schreibe(dir.pfad("p.orb"), "alt");
    ::chmod(dir.pfad("p.orb").c_str(), 0640);
    auto plan = leerer_plan();
    speichere_plan(dir.pfad("p.orb"), *plan);
    struct stat st {};
    ASSERT_EQ(::stat(dir.pfad("p.orb").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(st.st_size, 37340);
    int dateien = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.pfad("")))
        ++dateien;
    EXPECT_EQ(dateien, 1);
}

TEST(PlanDatei, SaveIntoAFolderThatCannotBeWrittenKeepsTheOldFile)
{
    TestOrdner dir;
    schreibe(dir.pfad("alt.orb"), "alter Inhalt");
    ::chmod(dir.pfad("").c_str(), 0555);

    // Root may write anywhere; try it as an unprivileged user in a child.
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        auto plan = std::make_unique<plantyp>();
        std::memset(static_cast<void*>(plan.get()), 0, sizeof(plantyp));
        try {
            speichere_plan(dir.pfad("alt.orb"), *plan);
        } catch (const Fehler& e) {
            ::_exit(e.text() == "Dateizugriff verweigert" ? 0 : 1);
        }
        ::_exit(2);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::chmod(dir.pfad("").c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(lies(dir.pfad("alt.orb")), "alter Inhalt");
}
