#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "../test_ordner.h"
#include "../testhilfe.h"
#include "core/namenstabelle.h"

using namespace orbela;

TEST(Namenstabelle, LooksUpIgnoringCaseAndFallsBackToTheCode)
{
    Namenstabelle t;
    // A row without a code must not name every empty code.
    t.zeilen = {{"", "Leerstunde"}, {"De", "Deutsch"}, {"de", "zweites Deutsch"}, {"F\xD6", "F\xF6rderunterricht"},
                {"Ku", ""}};
    const std::vector<std::pair<const char*, std::string>> faelle = {
        {"de", "Deutsch"}, {"DE", "Deutsch"},   {"f\xF6", "F\xF6rderunterricht"},
        {"Ku", "Ku"},      {"Ma", "Ma"},        {"", ""},
        {"D", "D"},        {"Deu", "Deu"}};
    for (const auto& [code, erwartet] : faelle) {
        EXPECT_EQ(fachbezeichnung(t, code), erwartet) << code;
        EXPECT_EQ(raumbezeichnung(t, code), erwartet) << code;
    }
}

TEST(Namenstabelle, SaveAndReloadKeepOrderAndEverythingAfterTheFirstEquals)
{
    TestOrdner ordner;
    const std::string datei = ordner.pfad(faecher_datei);
    Namenstabelle t;
    t.zeilen = {{"Sp", "Sport"}, {"Ma", "Mathe = Rechnen"}, {"Mu", "=Musik="}, {"F\xD6", "F\xF6rdern"}, {"x", ""}};
    t.schreiben(datei);
    EXPECT_EQ(lies(datei), "Sp=Sport\r\nMa=Mathe = Rechnen\r\nMu==Musik=\r\nF\xD6=F\xF6rdern\r\nx=\r\n");

    Namenstabelle neu;
    neu.lesen(datei);
    EXPECT_EQ(neu.zeilen, t.zeilen);
}

TEST(Namenstabelle, ReadsLinesWithoutEqualsLoneLineFeedsAndNoFinalBreak)
{
    TestOrdner ordner;
    const std::string datei = ordner.pfad(raum_datei);
    schreibe(datei, "Tu=Turnhalle\n\r\nR1\r\nSw=Hallenbad");
    Namenstabelle t;
    t.zeilen = {{"alt", "bleibt nicht"}};
    t.lesen(datei);
    EXPECT_EQ(t.zeilen, (std::vector<Namenseintrag>{{"Tu", "Turnhalle"}, {"R1", ""}, {"Sw", "Hallenbad"}}));
}

TEST(Namenstabelle, MissingFileIsEmptyUnreadableAndUnwritableAreErrors)
{
    TestOrdner ordner;
    Namenstabelle t;
    t.zeilen = {{"a", "b"}};
    t.lesen(ordner.pfad("fehlt.int"));
    EXPECT_TRUE(t.zeilen.empty());

    if (::geteuid() != 0) {
        const std::string datei = ordner.pfad(faecher_datei);
        schreibe(datei, "De=Deutsch\r\n");
        ::chmod(datei.c_str(), 0);
        t.zeilen = {{"a", "b"}};
        EXPECT_EQ(fehlertext([&] { t.lesen(datei); }),
                  "Datei " + datei + " kann nicht geöffnet werden. Dateizugriff verweigert");
        EXPECT_EQ(t.zeilen.size(), 1u);
    }
    const std::string ziel = ordner.pfad("fehlt/raumkrz.int");
    EXPECT_EQ(fehlertext([&] { t.schreiben(ziel); }).rfind("Datei \"" + ziel + "\" kann nicht erstellt werden. ", 0),
              0u);
}
