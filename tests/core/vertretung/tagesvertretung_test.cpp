#include <gtest/gtest.h>

#include "core/vertretung/aushang.h"
#include "core/vertretung/schultag.h"
#include "core/vertretung/tagesvertretung.h"
#include "tagesvertretung_schule.h"

using namespace orbela;

namespace {

class Tagesliste : public ::testing::Test, public TagesSchule {
protected:
    Tagesvertretung montag(const Vertretungsplan* offen = nullptr) { return tagesvertretung(plan, woche(), 1, offen); }
};

// "Ab/3 1a MA R1 Vertretung: Ko" with " !" for the substitute to be told.
std::vector<std::string> zeilen(const Tagesvertretung& tv)
{
    std::vector<std::string> z;
    for (const Tagesstunde& s : tv.stunden) {
        z.push_back(s.abwesender + "/" + std::to_string(s.stunde) + " " + s.klasse + " " + s.fach + " " + s.raum + " "
                    + regelung_text(s) + (s.bescheid_geben ? " !" : ""));
    }
    return z;
}

} // namespace

TEST_F(Tagesliste, ThreeAbsencesGiveTheirFourteenLessonsWithHowEachIsSettled)
{
    const Vertretungswoche w = woche();
    EXPECT_EQ(w.unlesbar, std::vector<std::string>{"kaputt.vtp"});
    const Tagesvertretung tv = tagesvertretung(plan, w, 1);
    const std::vector<std::string> erwartet = {
        "Ab/1 1a MA R1 Entfall",         "Ab/2 1a MA R1 Vertretung: Ko",    "Ab/3 1a MA R1 Vertretung: Ko",
        "Ab/4 1a MA R1 Vertretung: M\xFC", "Cd/2 1b DE R2 Aufteilung",       "Cd/3 1b& DE ## Vertretung: M\xFC",
        "Cd/4 1b DE R2 offen",           "Cd/5 1b DE R2 Vertretung: Ko",    "Cd/6 1b DE R2 Vertretung: Ne !",
        "Ef/2 3b SU R4 Vertretung: M\xFC", "Ef/3 3b SU R4 Vertretung: Pa",  "Ef/4 3b SU R4 offen",
        "Ef/5 3b SU R4 Vertretung: Pa",  "Ef/6 3b SU R4 Vertretung: M\xFC"};
    EXPECT_EQ(zeilen(tv), erwartet);
    EXPECT_EQ(tv.offen(), 2);
    // Gh's plan settles nothing on Monday: not absent that day.
    EXPECT_EQ(abwesend_text(tv, false), "Ab (1.-4. Std.), Cd (2.-6. Std.), Ef (2.-6. Std.)");
    EXPECT_EQ(abwesend_text(tv, true), "Ab (0.-3. Std.), Cd (1.-5. Std.), Ef (1.-5. Std.)");
    EXPECT_EQ(eingesetzt_text(tv), "Ko (3), M\xFC (4), Ne (1), Pa (2)");
    EXPECT_EQ(abwesend_text(tagesvertretung(plan, w, 2), false), "Gh (1. Std.)");
}

TEST_F(Tagesliste, UnsavedAssignmentsTakeThePlaceOfTheAbsentTeachersFile)
{
    Vertretungsplan offen;
    offen.abwesender_lehrer = "Cd";
    vertretungen_aufbauen(offen, plan);
    offen.eintrag(1, 4).vertreter = "Pa";
    Tagesvertretung tv = montag(&offen);
    // Cd's lesson 4 now covered; the file's settlements of lessons 2, 3, 5
    // and 6 are replaced by the open plan's empty ones.
    EXPECT_EQ(tv.offen(), 5);
    EXPECT_EQ(abwesend_text(tv, false), "Ab (1.-4. Std.), Cd (2.-6. Std.), Ef (2.-6. Std.)");
    EXPECT_EQ(eingesetzt_text(tv), "Ko (2), M\xFC (3), Pa (3)");

    offen.abwesender_lehrer = "Gh"; // a new absence, not yet saved
    offen.eintrag(1, 4).vertreter.clear();
    offen.eintrag(1, 7).vertreter = "XX";
    tv = montag(&offen);
    EXPECT_EQ(abwesend_text(tv, false), "Ab (1.-4. Std.), Cd (2.-6. Std.), Ef (2.-6. Std.), Gh (7. Std.)");
}

TEST_F(Tagesliste, NoticeBoardListsByClassInColumnOrderAndAJointLessonUnderEachClass)
{
    const std::vector<Aushangzeile> a = aushang(montag(), false);
    std::vector<std::string> z;
    for (const Aushangzeile& l : a)
        z.push_back(l.stunde_text + " " + l.klasse + " " + l.lehrer + " " + l.vertretung + " " + l.raum + " " + l.hinweis);
    const std::vector<std::string> erwartet = {
        "1. 1a Ab  R1 Entfall", "2. 1a Ab Ko R1 ",     "3. 1a Ab Ko R1 ",      "4. 1a Ab M\xFC R1 ",
        "2. 1b Cd  R2 Aufteilung", "3. 1b Cd M\xFC R2 mit 2b", "4. 1b Cd  R2 offen", "5. 1b Cd Ko R2 ",
        "6. 1b Cd Ne R2 ",     "3. 2b Cd M\xFC R3 mit 1b", "2. 3b Ef M\xFC R4 ", "3. 3b Ef Pa R4 ",
        "4. 3b Ef  R4 offen", "5. 3b Ef Pa R4 ",     "6. 3b Ef M\xFC R4 "};
    EXPECT_EQ(z, erwartet);
}

TEST(Schultag, WeekdaysDatesAndTheNextSchoolDay)
{
    auto plan = neuer_plan();
    // No lessons at all: Monday to Friday are school days.
    EXPECT_EQ(wochentag({2026, 12, 14}), 1);
    EXPECT_EQ(tag_und_datum({2026, 12, 14}), "Montag, 14.12.2026");
    EXPECT_EQ(erster_schultag_ab({2026, 12, 13}), (Datum{2026, 12, 14}));
    EXPECT_EQ(erster_schultag_ab({2026, 12, 12}), (Datum{2026, 12, 12}));
    EXPECT_EQ(naechster_schultag({2026, 12, 18}, *plan), (Datum{2026, 12, 21}));
    EXPECT_EQ(naechster_schultag({2026, 12, 31}, *plan), (Datum{2027, 1, 1}));
    // Lessons on Saturday make it a school day.
    plan->belegung(6, 1, 1).lehrer = "Ab";
    EXPECT_EQ(naechster_schultag({2026, 12, 18}, *plan), (Datum{2026, 12, 19}));
}
