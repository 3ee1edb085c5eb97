#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

#include "demo_ordner.h"
#include "test_ordner.h"

namespace {

const char* const demo_dateien[] = {"Beispielschule.orb", "adresslehrdat.int", "faecherkrz.int",
                                    "raumkrz.int"};

// Runs scripts/seed-data.sh; returns its exit status.
int saeen(const std::string& demo_ordner, const std::string& daten_ordner)
{
    const std::string befehl = "'" ORBELA_QUELLORDNER "/scripts/seed-data.sh' '" + demo_ordner + "' '" +
                               daten_ordner + "' 2>/dev/null";
    const int status = std::system(befehl.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(SeedDaten, CopiesMissingFilesAndKeepsTheUsersOwn)
{
    TestOrdner ordner;
    const std::string daten = ordner.pfad("mein ordner");
    std::filesystem::create_directory(daten);
    schreibe(daten + "/faecherkrz.int", "DE=Deutsch (eigene Tabelle)\r\n");
    schreibe(daten + "/eigener.orb", "eigener Plan");

    ASSERT_EQ(saeen(ORBELA_DEMO_DIR, daten), 0);

    EXPECT_EQ(lies(daten + "/faecherkrz.int"), "DE=Deutsch (eigene Tabelle)\r\n");
    EXPECT_EQ(lies(daten + "/eigener.orb"), "eigener Plan");
    for (const char* name : demo_dateien) {
        if (std::string(name) != "faecherkrz.int") {
            EXPECT_EQ(lies(daten + "/" + name), lies(demo::datei(name))) << name;
        }
    }
    // Nothing else is left behind, no temporary files either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(daten), std::filesystem::directory_iterator()), 5);
}

TEST(SeedDaten, CreatesTheDataFolderAndLeavesAFilledOneAlone)
{
    TestOrdner ordner;
    const std::string daten = ordner.pfad("neu") + "/daten";
    ASSERT_EQ(saeen(ORBELA_DEMO_DIR, daten), 0);
    for (const char* name : demo_dateien)
        EXPECT_EQ(lies(daten + "/" + name), lies(demo::datei(name))) << name;

    // A second run, after the user changed the plan, changes nothing.
    schreibe(daten + "/Beispielschule.orb", "geaendert");
    ASSERT_EQ(saeen(ORBELA_DEMO_DIR, daten), 0);
    EXPECT_EQ(lies(daten + "/Beispielschule.orb"), "geaendert");
}

TEST(SeedDaten, MissingDemoFolderFailsWithoutTouchingTheDataFolder)
{
    TestOrdner ordner;
    EXPECT_NE(saeen(ordner.pfad("gibt es nicht"), ordner.pfad("daten")), 0);
    EXPECT_FALSE(std::filesystem::exists(ordner.pfad("daten")));
}
