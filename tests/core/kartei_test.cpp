#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/alte_karten.h"
#include "core/kartei.h"
#include "karten_testhilfe.h"
#include "test_ordner.h"

using namespace orbela;
using namespace karten_testhilfe;

namespace {

std::string namen(const Kartei& k)
{
    std::string s;
    for (int i = 1; i <= k.anzahl(); ++i)
        s += k.karte_nr(i).nachname.str() + k.karte_nr(i).vorname.str() + "|";
    return s;
}

void neue_karte(Kartei& k, std::string_view name, std::string_view vorname = "")
{
    k.leeren();
    k.karte.nachname = name;
    k.karte.vorname = vorname;
    k.einfuegen();
}

} // namespace

TEST(Lehrertyp, EqualSurnamesReadAsABAreHeldAndWrittenAsBA)
{
    TestOrdner dir;
    schreibe(dir.pfad("k.int"), karte("Meier", "A") + karte("Meier", "B"));
    Kartei k;
    k.lies_kartei(dir.pfad("k.int"));
    EXPECT_EQ(namen(k), "MeierB|MeierA|");
    k.schreibe_kartei(dir.pfad("neu.int"));
    EXPECT_EQ(lies(dir.pfad("neu.int")), karte("Meier", "B") + karte("Meier", "A"));
}

TEST(Lehrertyp, SortIsBytewiseCaseSensitivePrefixFirstUmlautsLast)
{
    Kartei k;
    for (const char* n : {"zorn", "\xFC" "ber", "Zorn", "Abc", "\xC4gid", "A", "Ab", ""})
        neue_karte(k, n);
    EXPECT_EQ(namen(k), "|A|Ab|Abc|Zorn|zorn|\xC4gid|\xFC" "ber|");
}

TEST(Lehrertyp, StoringARenamedCardResortsItAndKeepsItCurrent)
{
    Kartei k;
    for (const char* n : {"Adam", "Berg", "Cohn"})
        neue_karte(k, n);
    k.gehe_zu(1);
    k.karte.nachname = "Dorn";
    k.einsortieren();
    EXPECT_EQ(namen(k), "Berg|Cohn|Dorn|");
    EXPECT_EQ(k.position(), 3);
    EXPECT_EQ(k.karte.nachname, "Dorn");
}

// ">" and "<" store the shown card before they step.
TEST(Lehrertyp, StoringAndSteppingGetsPastEqualSurnames)
{
    Kartei k;
    for (const char* v : {"A", "B"})
        neue_karte(k, "Meier", v);
    neue_karte(k, "Zorn");
    std::string vor, zurueck;
    k.erster();
    for (int i = 0; i < 3; ++i, k.einsortieren(), k.naechster())
        vor += k.karte.vorname.str() + k.karte.nachname.str() + "|";
    for (int i = 0; i < 3; ++i, k.einsortieren(), k.vorheriger())
        zurueck += k.karte.vorname.str() + k.karte.nachname.str() + "|";
    EXPECT_EQ(vor, "BMeier|AMeier|Zorn|");
    EXPECT_EQ(zurueck, "Zorn|AMeier|BMeier|");
}

TEST(Lehrertyp, DeletingMovesToTheNeighbourOrLeavesTheWorkingCard)
{
    Kartei k;
    for (const char* n : {"Adam", "Berg", "Cohn", "Dorn"})
        neue_karte(k, n);
    k.gehe_zu(2);
    k.loeschen();                         // the card behind becomes current
    EXPECT_EQ(k.position(), 2);
    EXPECT_EQ(k.karte.nachname, "Cohn");
    k.gehe_zu(3);
    k.loeschen();                         // last of three: card 2 current
    EXPECT_EQ(k.position(), 2);
    EXPECT_EQ(k.karte.nachname, "Cohn");
    k.loeschen();
    k.karte.vorname = "geaendert";
    k.loeschen();                         // the only card
    EXPECT_EQ(k.anzahl(), 0);
    EXPECT_EQ(k.position(), 0);
    EXPECT_EQ(k.karte.nachname, "Adam");
    EXPECT_EQ(k.karte.vorname, "geaendert");
    k.einsortieren();                     // stores it as a new card
    EXPECT_EQ(namen(k), "Adamgeaendert|");
    EXPECT_EQ(k.position(), 1);
}

TEST(Lehrertyp, MovingNeverLeavesTheCards)
{
    Kartei k;
    k.karte.nachname = "ungespeichert";
    k.karte.gesperrt[5][8] = 1;
    k.naechster();
    k.vorheriger();
    k.gehe_zu(1);
    k.loeschen();
    EXPECT_EQ(k.karte.nachname, "ungespeichert");
    k.erster();                           // empty index: empty working card
    EXPECT_EQ(k.position(), 0);
    EXPECT_TRUE(k.karte.ist_leer());

    neue_karte(k, "Adam");
    neue_karte(k, "Berg");
    for (int i : {0, -1, 3, 70000}) {
        k.gehe_zu(i);
        EXPECT_EQ(k.position(), 2);
    }
    k.karte.nachname = "x";
    k.naechster();                        // at the last card: reloads it
    EXPECT_EQ(k.position(), 2);
    EXPECT_EQ(k.karte.nachname, "Berg");
    k.vorheriger();
    k.vorheriger();
    EXPECT_EQ(k.position(), 1);
    EXPECT_EQ(k.karte.nachname, "Adam");
    k.alle_loeschen();
    EXPECT_EQ(k.anzahl(), 0);
    EXPECT_EQ(k.position(), 0);
}

TEST(Lehrertyp, HoldsMoreThan200Cards)
{
    TestOrdner dir;
    Kartei k;
    for (int i = 250; i >= 1; --i)
        neue_karte(k, std::to_string(1000 + i));
    ASSERT_EQ(k.anzahl(), 250);
    EXPECT_EQ(k.karte_nr(1).nachname, "1001");
    EXPECT_EQ(k.karte_nr(250).nachname, "1250");
    k.schreibe_kartei(dir.pfad("k.int"));
    Kartei neu;
    neu.lies_kartei(dir.pfad("k.int"));
    EXPECT_EQ(namen(neu), namen(k));
}

TEST(Lehrertyp, CardFileKeepsEveryByteAndIgnoresATrailingFragment)
{
    TestOrdner dir;
    std::string a = karte("Adam");
    a[nachname] = static_cast<char>(200);  // above the capacity: kept as it is
    for (std::size_t i = 500; i < 1300; ++i)
        a[i] = static_cast<char>(i * 7);
    schreibe(dir.pfad("k.int"), karte("Berg") + a + std::string(1299, 'x'));
    Kartei k;
    k.lies_kartei(dir.pfad("k.int"));
    ASSERT_EQ(k.anzahl(), 2);
    EXPECT_EQ(k.karte_nr(1).nachname.view(), a.substr(nachname + 1, 60));
    k.schreibe_kartei(dir.pfad("neu.int"));
    EXPECT_EQ(lies(dir.pfad("neu.int")), a + karte("Berg"));
}

TEST(Lehrertyp, FileErrorsAreReportedAndAFailedWriteKeepsTheOldFile)
{
    TestOrdner dir;
    Kartei k;
    EXPECT_EQ(fehlertext([&] { k.lies_kartei(dir.pfad("fehlt.int")); }), "Datei nicht gefunden");

    neue_karte(k, "Adam");
    neue_karte(k, "Berg");
    k.gehe_zu(1);
    schreibe(dir.pfad("alt.int"), "alt");
    ::chmod(dir.pfad("alt.int").c_str(), 0444);
    EXPECT_EQ(fehlertext([&] { k.schreibe_kartei(dir.pfad("alt.int")); }), "Dateizugriff verweigert");
    EXPECT_EQ(lies(dir.pfad("alt.int")), "alt");
    EXPECT_EQ(k.position(), 1);
}

TEST(AlteKarten, TeacherFileRecordBecomesATeachersCard)
{
    std::string satz(406, '\0');
    setze_text(satz, 0, "M\xFCller, Anna");
    setze_text(satz, 61, "Konrektorin");
    setze_text(satz, 122, "D, M");
    setze_text(satz, 183, "Bemerkung");
    setze_text(satz, 334, "28");
    setze_text(satz, 338, "26");
    setze_text(satz, 342, "MUEL");
    setze_text(satz, 349, "Mu");
    satz[352 + 9 * 2 + 3] = 1;                // day 3, lesson 4
    satz[405] = 1;                            // day 6, lesson 9
    kartentyp k{};
    uebernimm_lehrdat(std::span(reinterpret_cast<const unsigned char*>(satz.data()), satz.size()), k);
    EXPECT_EQ(k.nachname, "M\xFCller, Anna");
    EXPECT_EQ(k.funktion, "Konrektorin");
    EXPECT_EQ(k.faecher, "D, M");
    EXPECT_EQ(k.bemerkung, "Bemerkung");
    EXPECT_EQ(k.pflichtstunden, "28");
    EXPECT_EQ(k.unterrichtsstunden, "26");
    EXPECT_EQ(k.kuerzel4, "MUEL");
    EXPECT_EQ(k.kuerzel, "Mu");
    EXPECT_EQ(k.ist_lehrer, 1);
    EXPECT_TRUE(k.ist_gesperrt(3, 4));
    EXPECT_TRUE(k.ist_gesperrt(6, 9));
    EXPECT_FALSE(k.ist_gesperrt(1, 1));
    EXPECT_TRUE(k.strasse.empty() && k.ort.empty() && k.vorname.empty() && k.telefon.empty());

    // Lengths beyond a field's span are cut to the span.
    satz[0] = static_cast<char>(255);
    satz[183] = static_cast<char>(250);
    satz[349] = static_cast<char>(200);
    uebernimm_lehrdat(std::span(reinterpret_cast<const unsigned char*>(satz.data()), satz.size()), k);
    EXPECT_EQ(k.nachname.view(), satz.substr(1, 60));
    EXPECT_EQ(k.bemerkung.size(), 150u);
    EXPECT_EQ(k.kuerzel.view(), satz.substr(350, 2));
}

TEST(AlteKarten, AddressFileRecordKeepsItsTeacherFlagAndHasNoCodes)
{
    std::string satz(493, '\0');
    setze_text(satz, 0, "Berg");
    setze_text(satz, 61, "Hauptstr. 1");
    setze_text(satz, 122, "Ort");
    setze_text(satz, 183, "0123");
    setze_text(satz, 244, "1.2.1970");
    setze_text(satz, 257, "Hausmeister");
    setze_text(satz, 280, "Bem.");
    setze_text(satz, 432, "3a");
    setze_text(satz, 441, "0");
    setze_text(satz, 445, "BERG");
    setze_text(satz, 452, "Sport");
    const auto bytes = [&] { return std::span(reinterpret_cast<const unsigned char*>(satz.data()), satz.size()); };
    kartentyp k{};
    uebernimm_lehrer(bytes(), k);
    EXPECT_EQ(k.nachname, "Berg");
    EXPECT_EQ(k.strasse, "Hauptstr. 1");
    EXPECT_EQ(k.ort, "Ort");
    EXPECT_EQ(k.telefon, "0123");
    EXPECT_EQ(k.geburtsdatum, "1.2.1970");
    EXPECT_EQ(k.funktion, "Hausmeister");
    EXPECT_EQ(k.bemerkung, "Bem.");
    EXPECT_EQ(k.klassenlehrer1, "3a");
    EXPECT_EQ(k.pflichtstunden, "0");
    EXPECT_EQ(k.kuerzel4, "BERG");
    EXPECT_EQ(k.faecher, "Sport");
    EXPECT_EQ(k.ist_lehrer, 0);
    EXPECT_TRUE(k.kuerzel.empty() && k.vorname.empty());
    for (int t = 1; t <= 6; ++t)
        for (int l = 1; l <= 9; ++l)
            EXPECT_FALSE(k.ist_gesperrt(t, l));

    satz[431] = 1;
    satz[452] = static_cast<char>(255);
    satz[257] = static_cast<char>(30);
    uebernimm_lehrer(bytes(), k);
    EXPECT_EQ(k.ist_lehrer, 1);
    EXPECT_EQ(k.faecher.view(), satz.substr(453, 40));
    EXPECT_EQ(k.funktion.view(), satz.substr(258, 22));
}

TEST(AlteKarten, ConvertedFilesAreSortedAndTheirFragmentIgnored)
{
    TestOrdner dir;
    std::string a(406, '\0'), b(406, '\0');
    setze_text(a, 0, "Zorn");
    setze_text(b, 0, "Adam");
    schreibe(dir.pfad("lehrdat.int"), a + b + std::string(405, 'x'));
    Kartei k;
    k.lies_lehrdat(dir.pfad("lehrdat.int"));
    ASSERT_EQ(k.anzahl(), 2);
    EXPECT_EQ(k.karte_nr(1).nachname, "Adam");
    EXPECT_EQ(k.karte_nr(2).ist_lehrer, 1);
}

// Whatever bytes the three files hold, reading them stays inside the records
// and leaves a sorted index of whole records.
TEST(Lehrertyp, RandomAndTruncatedFilesNeverCrash)
{
    TestOrdner dir;
    std::mt19937 zufall(4711);
    for (int runde = 0; runde < 150; ++runde) {
        std::string bytes(zufall() % 4000, '\0');
        for (auto& c : bytes)
            c = static_cast<char>(zufall());
        schreibe(dir.pfad("z.int"), bytes);
        Kartei k;
        k.lies_kartei(dir.pfad("z.int"));
        EXPECT_EQ(k.anzahl(), static_cast<int>(bytes.size() / 1300));
        k.lies_lehrdat(dir.pfad("z.int"));
        k.lies_lehrer(dir.pfad("z.int"));
        EXPECT_EQ(k.anzahl(), static_cast<int>(bytes.size() / 1300 + bytes.size() / 406 + bytes.size() / 493));
        for (int i = 1; i < k.anzahl(); ++i)
            EXPECT_LE(k.karte_nr(i).nachname.view().compare(k.karte_nr(i + 1).nachname.view()), 0);
        if (runde % 10 == 0) {
            k.schreibe_kartei(dir.pfad("w.int"));
            EXPECT_EQ(lies(dir.pfad("w.int")).size(), static_cast<std::size_t>(k.anzahl()) * 1300);
        }
    }
}
