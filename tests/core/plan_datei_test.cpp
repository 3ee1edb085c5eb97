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
#include "core/sichere_datei.h"
#include "systemaufrufe.h"
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

    // A folder, a pipe and a device are refused before anything is read.
    ::alarm(10); // a hang fails the test instead of blocking it
    ::mkfifo(dir.pfad("pipe.orb").c_str(), 0666);
    std::filesystem::create_symlink("/dev/zero", dir.pfad("null.orb"));
    EXPECT_EQ(fehlertext([&] { lade_plan(dir.pfad(""), *plan); }),
              "„" + dir.pfad("") + "“ ist ein Ordner und keine Datei");
    for (const char* name : {"pipe.orb", "null.orb"})
        EXPECT_EQ(fehlertext([&] { lade_plan(dir.pfad(name), *plan); }),
                  "„" + dir.pfad(name) + "“ ist keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe");
    ::alarm(0);
    EXPECT_EQ(bytes_von(*plan), vorher);
}

TEST(PlanDatei, SaveRefusesToReplaceAFolderPipeOrDevice)
{
    TestOrdner dir;
    ::mkfifo(dir.pfad("pipe.orb").c_str(), 0666);
    std::filesystem::create_symlink("/dev/null", dir.pfad("null.orb"));
    auto plan = leerer_plan();
    for (const char* name : {"pipe.orb", "null.orb"}) {
        EXPECT_EQ(fehlertext([&] { speichere_plan(dir.pfad(name), *plan); }),
                  "„" + dir.pfad(name) + "“ ist keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.pfad("pipe.orb")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
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

// A shared folder with fixed files: the folder cannot be written, so there
// is no room for a temporary file; a writable file is overwritten in place.
TEST(PlanDatei, SaveIntoAFolderThatCannotBeWritten)
{
    struct Fall {
        const char* name;
        mode_t modus; // of the existing file; 0: there is none
        std::string erwartet; // error text, or "" for success
    };
    for (const Fall& fall : {Fall{"writable file", 0666, ""},
                             Fall{"protected file", 0644, "Dateizugriff verweigert"},
                             Fall{"new file", 0, "Dateizugriff verweigert"}}) {
        SCOPED_TRACE(fall.name);
        TestOrdner dir;
        const std::string alt = "alter Inhalt";
        if (fall.modus != 0) {
            schreibe(dir.pfad("alt.orb"), alt);
            ::chmod(dir.pfad("alt.orb").c_str(), fall.modus);
        }
        ::chmod(dir.pfad("").c_str(), 0555);

        EXPECT_TRUE(ohne_rechte([&] {
            return fehlertext([&] { schreibe_datei_sicher(dir.pfad("alt.orb"), "neu"); })
                == (fall.erwartet.empty() ? "kein Fehler" : fall.erwartet);
        }));
        ::chmod(dir.pfad("").c_str(), 0755);
        EXPECT_EQ(lies(dir.pfad("alt.orb")), fall.modus == 0 ? "" : fall.erwartet.empty() ? "neu" : alt);
    }
}

// Links are followed to the file they name, which is replaced; the links
// stay links, also along a chain and into another folder.
TEST(PlanDatei, SaveThroughSymbolicLinksReplacesTheFileTheyName)
{
    struct Fall {
        const char* name;
        const char* link;    // where the link `plan.orb` points
        const char* datei;   // the file that must hold the new bytes
        bool vorhanden;      // whether that file exists before
    };
    for (const Fall& fall : {Fall{"relative", "echt/plan.orb", "echt/plan.orb", true},
                             Fall{"chain", "zwischen.orb", "echt/plan.orb", true},
                             Fall{"dangling", "echt/neu.orb", "echt/neu.orb", false}}) {
        SCOPED_TRACE(fall.name);
        TestOrdner dir;
        std::filesystem::create_directory(dir.pfad("echt"));
        if (fall.vorhanden)
            schreibe(dir.pfad("echt/plan.orb"), "alt");
        ::symlink("echt/plan.orb", dir.pfad("zwischen.orb").c_str());
        ::symlink(fall.link, dir.pfad("plan.orb").c_str());

        schreibe_datei_sicher(dir.pfad("plan.orb"), "neu");
        EXPECT_EQ(lies(dir.pfad(fall.datei)), "neu");
        EXPECT_TRUE(std::filesystem::is_symlink(dir.pfad("plan.orb")));
        EXPECT_TRUE(std::filesystem::is_symlink(dir.pfad("zwischen.orb")));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.pfad("echt")),
                                std::filesystem::directory_iterator()), 1);
    }
    // An absolute link, as a file manager makes them.
    TestOrdner dir;
    schreibe(dir.pfad("echt.orb"), "alt");
    ::symlink(dir.pfad("echt.orb").c_str(), dir.pfad("link.orb").c_str());
    schreibe_datei_sicher(dir.pfad("link.orb"), "neu");
    EXPECT_EQ(lies(dir.pfad("echt.orb")), "neu");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.pfad("link.orb")));
}

// On FAT sticks and some network shares permissions cannot be set; the save
// still succeeds. After the rename the folder is synced.
TEST(PlanDatei, SaveIgnoresFailingPermissionsAndSyncsTheFolder)
{
    TestOrdner dir;
    schreibe(dir.pfad("p.orb"), "alt");
    systemaufrufe::fchmod_fehler = EPERM;
    systemaufrufe::gesyncte_ordner.clear();
    const std::string text = fehlertext([&] { schreibe_datei_sicher(dir.pfad("p.orb"), "neu"); });
    systemaufrufe::fchmod_fehler = 0;
    EXPECT_EQ(text, "kein Fehler");
    EXPECT_EQ(lies(dir.pfad("p.orb")), "neu");

    struct stat ordner {};
    ASSERT_EQ(::stat(dir.pfad("").c_str(), &ordner), 0);
    EXPECT_EQ(systemaufrufe::gesyncte_ordner,
              (std::vector<std::pair<dev_t, ino_t>>{{ordner.st_dev, ordner.st_ino}}));
}
