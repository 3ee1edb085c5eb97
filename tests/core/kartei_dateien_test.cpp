#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "core/kartei_dateien.h"
#include "core/kartei_laden.h"
#include "karten_testhilfe.h"
#include "test_ordner.h"

using namespace orbela;
using namespace karten_testhilfe;

namespace {

void neue_karte(Kartei& k, std::string_view name, std::string_view code)
{
    k.leeren();
    k.karte.nachname = name;
    k.karte.kuerzel = code;
    k.karte.kuerzel4 = std::string(name.substr(0, 3)) + "4";
    k.einfuegen();
}

std::string lehrdat_satz(std::string_view name, std::string_view code)
{
    std::string satz(406, '\0');
    setze_text(satz, 0, name);
    setze_text(satz, 349, code);
    return satz;
}

int dateien_in(const TestOrdner& dir)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.pfad("")))
        ++n;
    return n;
}

} // namespace

TEST(KarteiDateien, EmptyCardFileGivesAnEmptyIndexAndSavesAsAnEmptyFile)
{
    TestOrdner dir;
    schreibe(dir.pfad("k.int"), "");
    Kartei k;
    k.karte.nachname = "alt";
    lade_kartei(k, dir.pfad("k.int"));
    EXPECT_EQ(k.anzahl(), 0);
    EXPECT_EQ(k.position(), 0);
    EXPECT_TRUE(k.karte.ist_leer());

    speichere_kartei(k, dir.pfad("k.int"));
    EXPECT_EQ(lies(dir.pfad("k.int")), "");
    EXPECT_EQ(k.anzahl(), 0);

    // A working card that holds anything is stored as the first card.
    k.karte.gesperrt[0][0] = 1;
    speichere_kartei(k, dir.pfad("k.int"));
    EXPECT_EQ(lies(dir.pfad("k.int")).size(), 1300u);
}

TEST(KarteiDateien, SavingStoresTheWorkingCardAtItsSortedPlace)
{
    TestOrdner dir;
    schreibe(dir.pfad("k.int"), karte("Adam") + karte("Berg"));
    Kartei k;
    lade_kartei(k, dir.pfad("k.int"));
    k.karte.nachname = "Zorn";
    speichere_kartei(k, dir.pfad("k.int"));
    EXPECT_EQ(lies(dir.pfad("k.int")), karte("Berg") + karte("Zorn"));
    EXPECT_EQ(k.position(), 2);
}

TEST(KarteiDateien, TeacherListHoldsExactlyTheCards)
{
    Kartei k;
    neue_karte(k, "Berg", "Bg");
    neue_karte(k, "Adam", "AdamsXY");
    k.karte.unterrichtsstunden = "123456";
    k.karte.gesperrt[2][3] = 1;
    k.einsortieren();
    Lehrerliste liste;
    liste.eintraege.resize(5);
    liste.eintraege[4].kuerzel = "Alt";

    alle_lehrer(k, liste);
    ASSERT_EQ(liste.anzahl(), 2);
    EXPECT_EQ(liste.eintrag(1).kuerzel, "Adam");
    EXPECT_EQ(liste.eintrag(1).stunden, "1234");
    EXPECT_TRUE(liste.eintrag(1).ist_gesperrt(3, 4));
    EXPECT_FALSE(liste.eintrag(2).ist_gesperrt(3, 4));
    EXPECT_EQ(liste.eintrag(2).kuerzel, "Bg");
    EXPECT_EQ(k.position(), 1);

    for (int i = 0; i < 300; ++i)
        neue_karte(k, std::to_string(i), "");
    alle_lehrer(k, liste);
    EXPECT_EQ(liste.anzahl(), 302);
    k.alle_loeschen();
    alle_lehrer(k, liste);
    EXPECT_EQ(liste.anzahl(), 0);
}

TEST(KarteiDateien, LookupsByCodeFollowTheCommaAndBracketRules)
{
    Kartei k;
    EXPECT_EQ(lehrername(k, "XY"), "[XY]");
    EXPECT_EQ(lehrername(k, ""), "");
    neue_karte(k, "Adam, Eva", "Ad");
    neue_karte(k, "Berg,", "Bg");
    neue_karte(k, ",Cohn", "Co");
    neue_karte(k, "Dorn,,", "Do");
    neue_karte(k, "Ernst", "");
    neue_karte(k, "Fink", "Ad");
    k.gehe_zu(3);

    EXPECT_EQ(lehrername(k, "Ad"), "Adam");
    EXPECT_EQ(k.position(), 3); // look-ups leave the cursor alone
    EXPECT_EQ(lehrername(k, "Bg"), "Berg,");
    EXPECT_EQ(lehrername(k, "Co"), "[Co]");
    EXPECT_EQ(lehrername(k, "Do"), "Dorn");
    EXPECT_EQ(lehrername(k, "XY"), "[XY]");
    EXPECT_EQ(lehrername(k, "ad"), "[ad]");
    EXPECT_EQ(lehrername(k, ""), "Ernst");

    k.gehe_zu(4);
    EXPECT_EQ(lehrerkuerzel(k, "Ad"), "Ada4");
    EXPECT_EQ(lehrerkuerzel(k, "XY"), "");
    EXPECT_EQ(k.position(), 4);
    EXPECT_EQ(k.karte.nachname, "Dorn,,");
}

TEST(KarteiLaden, FreshInstallationStartsWithoutErrorAndWritesNothing)
{
    TestOrdner dir;
    const std::string pfad = dir.pfad("") + "/";
    Kartei k;
    Lehrerliste liste;
    liste.eintraege.resize(3);
    EXPECT_NO_THROW(kartei_beim_start_lesen(k, pfad));
    EXPECT_NO_THROW(lehrerliste_fuer_neuen_plan_laden(k, liste, pfad));
    EXPECT_EQ(liste.anzahl(), 0);
    EXPECT_NO_THROW(lehrerliste_nach_plan_laden(k, liste, pfad));
    EXPECT_EQ(liste.anzahl(), 0);
    EXPECT_EQ(dateien_in(dir), 0);
}

TEST(KarteiLaden, OldTeacherFileIsConvertedOnceForANewPlan)
{
    TestOrdner dir;
    const std::string pfad = dir.pfad("") + "/";
    schreibe(pfad + "lehrdat.int", lehrdat_satz("Zorn", "Zo") + lehrdat_satz("Adam", "Ad"));
    Kartei k;
    Lehrerliste liste;
    kartei_beim_start_lesen(k, pfad);
    ASSERT_EQ(k.anzahl(), 2);
    EXPECT_EQ(k.karte_nr(1).ist_lehrer, 1);

    lehrerliste_fuer_neuen_plan_laden(k, liste, pfad);
    const std::string karten = lies(pfad + "adresslehrdat.int");
    ASSERT_EQ(karten.size(), 2600u);
    EXPECT_EQ(karten.substr(nachname, 5), std::string("\x04" "Adam"));
    ASSERT_EQ(liste.anzahl(), 2);
    EXPECT_EQ(liste.eintrag(2).kuerzel, "Zo");

    // Once the card file exists the old file is ignored.
    schreibe(pfad + "lehrdat.int", lehrdat_satz("Neu", "Ne"));
    lehrerliste_fuer_neuen_plan_laden(k, liste, pfad);
    EXPECT_EQ(lies(pfad + "adresslehrdat.int"), karten);
    EXPECT_EQ(liste.anzahl(), 2);
    kartei_beim_start_lesen(k, pfad);
    EXPECT_EQ(k.karte_nr(1).nachname, "Adam");
}

TEST(KarteiLaden, EmptyOldTeacherFileConvertsToAnEmptyCardFile)
{
    TestOrdner dir;
    const std::string pfad = dir.pfad("") + "/";
    schreibe(pfad + "lehrdat.int", "");
    Kartei k;
    Lehrerliste liste;
    lehrerliste_fuer_neuen_plan_laden(k, liste, pfad);
    EXPECT_TRUE(std::filesystem::exists(pfad + "adresslehrdat.int"));
    EXPECT_EQ(lies(pfad + "adresslehrdat.int"), "");
    EXPECT_EQ(liste.anzahl(), 0);
}

TEST(KarteiLaden, WithoutCardFileTheIndexAsReadAtStartIsKept)
{
    TestOrdner dir;
    const std::string pfad = dir.pfad("") + "/";
    std::string satz(493, '\0');
    setze_text(satz, 0, "Berg");
    satz[431] = 1;
    schreibe(pfad + "lehrer.int", satz);
    Kartei k;
    Lehrerliste liste;
    kartei_beim_start_lesen(k, pfad);
    ASSERT_EQ(k.anzahl(), 1);
    lehrerliste_fuer_neuen_plan_laden(k, liste, pfad);
    EXPECT_EQ(liste.anzahl(), 1);
    EXPECT_EQ(k.karte.nachname, "Berg");
    neue_karte(k, "Cohn", "Co");
    lehrerliste_nach_plan_laden(k, liste, pfad);
    ASSERT_EQ(liste.anzahl(), 2);
    EXPECT_EQ(liste.eintrag(2).kuerzel, "Co");
    EXPECT_EQ(dateien_in(dir), 1);
}

// Folders, pipes and devices in place of a card file are refused at once:
// a pipe must not hang the start, a device must not be read without end.
TEST(KarteiLaden, CardFilesThatAreNoFilesAreRefused)
{
    for (const char* name : {"adresslehrdat.int", "lehrdat.int", "lehrer.int"}) {
        for (const char* art : {"Ordner", "Pipe", "Geraet"}) {
            SCOPED_TRACE(std::string(name) + " " + art);
            ::alarm(10); // a hang fails the test instead of blocking it
            TestOrdner dir;
            const std::string pfad = dir.pfad("") + "/";
            const std::string datei = pfad + name;
            if (art == std::string("Ordner"))
                std::filesystem::create_directory(datei);
            else if (art == std::string("Pipe"))
                ::mkfifo(datei.c_str(), 0666);
            else
                std::filesystem::create_symlink("/dev/zero", datei);
            Kartei k;
            Lehrerliste liste;
            const std::string erwartet = "„" + datei
                                         + (art == std::string("Ordner")
                                                ? "“ ist ein Ordner und keine Datei"
                                                : "“ ist keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe");
            EXPECT_EQ(fehlertext([&] { kartei_beim_start_lesen(k, pfad); }), erwartet);
            EXPECT_EQ(fehlertext([&] { lehrerliste_fuer_neuen_plan_laden(k, liste, pfad); }),
                      name == std::string("lehrer.int") ? "kein Fehler" : erwartet);
            EXPECT_EQ(k.anzahl(), 0);
            ::alarm(0);
        }
    }
}

// More cards than any school has: the file is broken and refused as a
// whole; the limit itself still loads.
TEST(KarteiLaden, CardFilesOfMoreThanTenThousandCardsAreRefused)
{
    struct Fall {
        const char* name;
        std::size_t satzlaenge;
    };
    for (const Fall& fall : {Fall{"adresslehrdat.int", 1300}, Fall{"lehrdat.int", 406}, Fall{"lehrer.int", 493}}) {
        SCOPED_TRACE(fall.name);
        TestOrdner dir;
        const std::string pfad = dir.pfad("") + "/";
        Kartei k;
        // Sparse files of empty records.
        std::filesystem::resize_file((schreibe(pfad + fall.name, ""), pfad + fall.name), 10000 * fall.satzlaenge + 5);
        kartei_beim_start_lesen(k, pfad);
        EXPECT_EQ(k.anzahl(), 10000);

        std::filesystem::resize_file(pfad + fall.name, 10001 * fall.satzlaenge);
        EXPECT_EQ(fehlertext([&] { kartei_beim_start_lesen(k, pfad); }),
                  "„" + pfad + fall.name + "“ enthält mehr als 10.000 Einträge und wird nicht gelesen");
        EXPECT_EQ(k.anzahl(), 0);
    }
}
