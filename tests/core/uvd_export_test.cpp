#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <random>
#include <functional>
#include <vector>
#include <memory>
#include <sys/stat.h>

#include "core/fehler.h"
#include "core/init_plan.h"
#include "core/uvd_export.h"
#include "test_ordner.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

const std::string kopf =
    "\"Klasse\";\"TKM\";\"Jahrg\";\"Kursart\";\"WoStd\";\"Fach\";\"Lehrer\";\"SchGes\";\"SchWeibl\";\"USprache\"\r\n";

// The card index of the tests: plan code to statistics code.
std::string statistik(std::string_view kuerzel)
{
    if (kuerzel == "MA")
        return "MAYR";
    if (kuerzel == "Sc")
        return "SCHU";
    return "";
}

std::unique_ptr<plantyp> plan_mit_klassen()
{
    auto p = neuer_plan();
    p->klasse(1).klasse = "1a";
    p->klasse(2).klasse = "2";
    p->klasse(3).klasse = "12";
    p->klasse(4).klasse = "";
    p->klasse(5).klasse = "4abc";
    return p;
}

// Occupancy `k` (1..40) of a lesson gets a teacher and a subject.
void setze(plantyp& p, int tag, int stunde, int k, std::string_view lehrer, std::string_view fach)
{
    p.belegung(tag, stunde, k).lehrer = lehrer;
    p.belegung(tag, stunde, k).fach = fach;
}

// The occupancy numbers of a class column.
int erste(int klasse) { return 2 * klasse - 1; }
int zweite(int klasse) { return 2 * klasse; }

std::string export_von(const plantyp& p)
{
    return uvd_inhalt(p, statistik);
}

} // namespace

TEST(UvdExport, EmptyPlanGivesTheHeaderAlone)
{
    auto p = plan_mit_klassen();
    EXPECT_EQ(export_von(*p), kopf);
}

TEST(UvdExport, CellsLackingTeacherOrSubjectGiveNoLine)
{
    auto p = plan_mit_klassen();
    setze(*p, 1, 1, erste(1), "MA", "");
    setze(*p, 1, 2, erste(1), "", "de");
    setze(*p, 1, 3, zweite(2), "", "");
    EXPECT_EQ(export_von(*p), kopf);
}

TEST(UvdExport, OneClassTaughtAloneGivesOneCourseLine)
{
    auto p = plan_mit_klassen();
    for (int tag = 1; tag <= 5; ++tag)
        setze(*p, tag, tag + 1, erste(1), "MA", "de");
    EXPECT_EQ(export_von(*p), kopf + "\"01a\";\"\";\"\";\"\";5,00;\"DE\";\"MAYR\";;;\"\"\r\n");
}

TEST(UvdExport, ClassFieldIsPaddedToThreeCharacters)
{
    auto p = plan_mit_klassen();
    // Column 1 "1a", 2 "2", 3 "12", 4 empty, 5 "4abc"; one lesson each.
    for (int klasse = 1; klasse <= 5; ++klasse)
        setze(*p, 1, klasse, erste(klasse), "Sc", "mu");
    std::string erwartet = kopf;
    for (const char* feld : {"01a", "02a", "012", "0a", "4abc"})
        erwartet += std::string("\"") + feld + "\";\"\";\"\";\"\";1,00;\"MU\";\"SCHU\";;;\"\"\r\n";
    EXPECT_EQ(export_von(*p), erwartet);
}

TEST(UvdExport, CombinedClassesGiveACourseLineAndFurtherClassLines)
{
    auto p = plan_mit_klassen();
    for (int tag : {1, 3, 5}) {
        setze(*p, tag, 2, erste(1), "MA", "de");
        setze(*p, tag, 2, erste(2), "MA", "de");
    }
    EXPECT_EQ(export_von(*p), kopf
                                  + "\"01a\";\"\";\"\";\"00\";3,00;\"DE\";\"MAYR\";;;\"\"\r\n"
                                    "\"02a\";\"\";\"\";\"\";;\"\";\"\";;;\"\"\r\n");
}

TEST(UvdExport, ALessonWithAThirdClassFormsItsOwnGroup)
{
    auto p = plan_mit_klassen();
    for (int tag : {1, 3, 5}) {
        setze(*p, tag, 2, erste(1), "MA", "de");
        setze(*p, tag, 2, erste(2), "MA", "de");
    }
    setze(*p, 3, 2, zweite(3), "MA", "de");
    const std::string weitere = ";\"\";\"\";\"\";;\"\";\"\";;;\"\"\r\n";
    EXPECT_EQ(export_von(*p), kopf
                                  + "\"01a\";\"\";\"\";\"00\";2,00;\"DE\";\"MAYR\";;;\"\"\r\n"
                                  + "\"02a\"" + weitere
                                  + "\"01a\";\"\";\"\";\"00\";1,00;\"DE\";\"MAYR\";;;\"\"\r\n"
                                  + "\"02a\"" + weitere + "\"012\"" + weitere);
}

TEST(UvdExport, ADividedClassIsGroupedApartWithCourseTypeZero)
{
    auto p = plan_mit_klassen();
    setze(*p, 1, 1, erste(1), "MA", "de");
    setze(*p, 1, 2, erste(1), "MA", "de");
    // Tuesday: the class is divided between German and English.
    setze(*p, 2, 1, erste(1), "MA", "de");
    setze(*p, 2, 1, zweite(1), "Sc", "en");
    // Same subject in both halves keeps the class undivided.
    setze(*p, 4, 1, erste(1), "MA", "de");
    setze(*p, 4, 1, zweite(1), "Xy", "de");
    EXPECT_EQ(export_von(*p), kopf
                                  + "\"01a\";\"\";\"\";\"\";3,00;\"DE\";\"MAYR\";;;\"\"\r\n"
                                    "\"01a\";\"\";\"\";\"00\";1,00;\"DE\";\"MAYR\";;;\"\"\r\n"
                                    "\"01a\";\"\";\"\";\"00\";1,00;\"EN\";\"SCHU\";;;\"\"\r\n"
                                    "\"01a\";\"\";\"\";\"\";1,00;\"DE\";\"\";;;\"\"\r\n");
}

TEST(UvdExport, UnknownTeacherGivesAnEmptyLehrerField)
{
    auto p = plan_mit_klassen();
    setze(*p, 6, 9, erste(20), "Qq", "sp");
    p->klasse(20).klasse = "4b";
    EXPECT_EQ(export_von(*p), kopf + "\"04b\";\"\";\"\";\"\";1,00;\"SP\";\"\";;;\"\"\r\n");
    // Without any card index at all the field is empty too.
    EXPECT_EQ(uvd_inhalt(*p, nullptr), export_von(*p));
}

TEST(UvdExport, BothOccupanciesWithTheSameCourseCountTwiceOnOneLine)
{
    auto p = plan_mit_klassen();
    setze(*p, 1, 1, erste(2), "MA", "ku");
    setze(*p, 1, 1, zweite(2), "MA", "ku");
    setze(*p, 2, 1, zweite(2), "MA", "ku");
    setze(*p, 2, 1, erste(2), "MA", "ku");
    EXPECT_EQ(export_von(*p), kopf + "\"02a\";\"\";\"\";\"\";4,00;\"KU\";\"MAYR\";;;\"\"\r\n");
}

TEST(UvdExport, OnlyAsciiLettersAreUpperCasedAndOtherBytesPassUnchanged)
{
    auto p = plan_mit_klassen();
    setze(*p, 1, 1, erste(1), "MA", "f\xF6");
    setze(*p, 1, 2, erste(1), "MA", "F\xD6");
    p->klasse(1).klasse = "\xC4";
    EXPECT_EQ(export_von(*p), kopf
                                  + "\"0\xC4" "a\";\"\";\"\";\"\";1,00;\"F\xF6\";\"MAYR\";;;\"\"\r\n"
                                    "\"0\xC4" "a\";\"\";\"\";\"\";1,00;\"F\xD6\";\"MAYR\";;;\"\"\r\n");
}

TEST(UvdExport, AFullWeekOfOneCourseCountsAllFiftyFourLessons)
{
    auto p = plan_mit_klassen();
    for (int tag = 1; tag <= anzahl_tage; ++tag) {
        for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
            setze(*p, tag, stunde, erste(1), "MA", "de");
            setze(*p, tag, stunde, zweite(1), "MA", "de");
        }
    }
    EXPECT_EQ(export_von(*p), kopf + "\"01a\";\"\";\"\";\"\";108,00;\"DE\";\"MAYR\";;;\"\"\r\n");
}

TEST(UvdExport, WritesTheFileIntoTheProgramFolder)
{
    TestOrdner dir;
    auto p = plan_mit_klassen();
    setze(*p, 1, 1, erste(1), "MA", "de");
    exportiere_uvd(dir.pfad("") + "/", *p, statistik);
    EXPECT_EQ(lies(dir.pfad("uvd.txt")), export_von(*p));
}

TEST(UvdExport, FailedWriteKeepsThePreviousFile)
{
    TestOrdner dir;
    {
        std::ofstream f(dir.pfad("uvd.txt"), std::ios::binary);
        f << "alte Verteilung\r\n";
    }
    ::chmod(dir.pfad("uvd.txt").c_str(), 0444);
    auto p = plan_mit_klassen();
    setze(*p, 1, 1, erste(1), "MA", "de");
    try {
        exportiere_uvd(dir.pfad("") + "/", *p, statistik);
        ADD_FAILURE() << "no error";
    } catch (const Fehler& e) {
        EXPECT_EQ(e.text(), "Dateizugriff verweigert");
    }
    EXPECT_EQ(lies(dir.pfad("uvd.txt")), "alte Verteilung\r\n");
}

// Quotes inside values are not escaped, so a '"' or ';' (or a line break
// from a loaded file) in a written field would shift the columns: the export
// is refused, naming the first such field, and the previous file stays.
TEST(UvdExport, FieldsThatWouldShiftTheColumnsRefuseTheExport)
{
    struct Fall {
        const char* name;
        std::function<void(plantyp&)> aendern;
        std::string fehler; // "" when the export goes ahead
    };
    const std::string rest = " enthält \", ; oder einen Zeilenumbruch, die die Spalten von uvd.txt "
                             "verschieben würden. uvd.txt wurde nicht geschrieben.";
    const std::vector<Fall> faelle = {
        {"class name", [](plantyp& p) { p.klasse(1).klasse = "1;a"; },
         "Dienstag, 2. Stunde, Klasse 1;a: der Klassenname" + rest},
        {"subject", [](plantyp& p) { setze(p, 2, 2, zweite(1), "Sc", "d\"e"); },
         "Dienstag, 2. Stunde, Klasse 1a: das Fach „d\"e“" + rest},
        {"statistics code", [](plantyp& p) { setze(p, 2, 2, erste(3), "Q;", "mu"); p.klasse(3).klasse = ""; },
         "Dienstag, 2. Stunde, Klasse (Spalte 3): das Statistikkürzel „Q;Q“ des Lehrers „Q;“" + rest},
        {"line break", [](plantyp& p) { setze(p, 6, 9, erste(20), "MA", "s\r\n"); p.klasse(20).klasse = "4\xE4"; },
         "Samstag, 9. Stunde, Klasse 4ä: das Fach „s\r\n“" + rest},
        {"first in the week wins", [](plantyp& p) { setze(p, 3, 1, erste(2), "MA", ";"); setze(p, 1, 9, erste(5), "MA", "\""); },
         "Montag, 9. Stunde, Klasse 4abc: das Fach „\"“" + rest},
        // Unwritten fields may hold anything: a plan code, and a cell
        // lacking its teacher.
        {"plan code", [](plantyp& p) { setze(p, 2, 3, erste(1), "M;", "de"); }, ""},
        {"no teacher", [](plantyp& p) { setze(p, 2, 3, erste(1), "", "d;"); }, ""},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TestOrdner dir;
        schreibe(dir.pfad("uvd.txt"), "alte Verteilung\r\n");
        auto p = plan_mit_klassen();
        setze(*p, 2, 2, erste(1), "MA", "de");
        fall.aendern(*p);
        const auto kuerzel = [](std::string_view k) { return k == "Q;" ? std::string("Q;Q") : statistik(k); };
        EXPECT_EQ(fehlertext([&] { exportiere_uvd(dir.pfad("") + "/", *p, kuerzel); }),
                  fall.fehler.empty() ? "kein Fehler" : fall.fehler);
        if (!fall.fehler.empty()) {
            EXPECT_EQ(lies(dir.pfad("uvd.txt")), "alte Verteilung\r\n");
        }
    }
}

// Plans filled from a few codes at random, so that classes are combined,
// divided and taken back into later groups all the time. The digest of all
// their exports was recorded from the plain walk that starts a group at
// every slot; it pins the output byte for byte.
TEST(UvdExport, PlansOfFewCodesGiveTheRecordedExports)
{
    std::mt19937 zufall(20261209);
    const std::array<std::string_view, 4> lehrer{"", "MA", "Sc", "Xy"};
    const std::array<std::string_view, 4> faecher{"", "de", "mu", "en"};
    std::uint64_t digest = 14695981039346656037u; // FNV-1a
    for (int n = 0; n < 100; ++n) {
        auto p = plan_mit_klassen();
        const unsigned dichte = zufall() % 100;
        for (int tag = 1; tag <= anzahl_tage; ++tag)
            for (int stunde = 1; stunde <= anzahl_stunden; ++stunde)
                for (int k = 1; k <= belegungen_je_stunde; ++k)
                    if (zufall() % 100 < dichte)
                        setze(*p, tag, stunde, k, lehrer[zufall() % 4], faecher[zufall() % 4]);
        for (const char c : export_von(*p))
            digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    EXPECT_EQ(digest, 6442769656613187436u);
}
