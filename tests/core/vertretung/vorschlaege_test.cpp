#include <gtest/gtest.h>

#include "core/vertretung/vorschlaege.h"
#include "vertretung_schule.h"

using namespace orbela;

namespace {

using Liste = std::vector<std::string>;

// Absent teacher Ab gives 1a on Tuesday, lesson 4 (column 1).
class Vorschlaege : public ::testing::Test, public VertretungsSchule {
protected:
    Vorschlaege() { unterricht(2, 4, 1, "Ab"); }
    Vorschlagslisten listen(int stunde = 4, const char* klasse = "1a")
    {
        return vorschlaege(plan, liste, "Ab", 2, stunde, klasse, Vertretungsstand(woche, vp));
    }
    Vertretungswoche woche;
};

} // namespace

TEST_F(Vorschlaege, TeachersFallIntoTheirListsInListOrderWithMarks)
{
    lehrer("Zz").gesperrt[1][3] = 1; // blocked, teaching nowhere
    lehrer("Ab");
    lehrer("Op");                    // teaches 1a and the lesson before
    unterricht(5, 1, 1, "Op");
    unterricht(2, 3, 3, "Op");
    lehrer("Oh");                    // lesson after, never in 1a
    unterricht(2, 5, 2, "Oh");
    lehrer("Fr");                    // no lesson next to it
    lehrer("");                      // free entry: skipped
    lehrer("Dv");                    // only a dispensable lesson now
    unterricht(2, 4, 2, "Dv", "MA", "R1", true);
    lehrer("Dn");                    // one dispensable and one not
    unterricht(2, 4, 3, "Dn", "MA", "R1", true);
    unterricht(2, 4, 4, "Dn");
    lehrer("Ko");                    // 1a as second teacher, lesson before
    unterricht(1, 1, 1, "Ko", "KU", "R1", false, true);
    unterricht(2, 3, 4, "Ko");

    const Vorschlagslisten l = listen();
    EXPECT_EQ(l.optimal, (Liste{"Op", "Ko"}));
    EXPECT_EQ(l.ohne_freistunden, (Liste{"Oh"}));
    EXPECT_EQ(l.freie_lehrer, (Liste{"Fr", "Dv*"}));
    EXPECT_EQ(l.alle_lehrer, (Liste{"Zz-", "Ab-", "Op", "Oh", "Fr", "Dv*", "Dn-", "Ko"}));

    // A joint lesson names no class column: nobody is optimal.
    const Vorschlagslisten gemeinsam = listen(4, "1a&");
    EXPECT_TRUE(gemeinsam.optimal.empty());
    EXPECT_EQ(gemeinsam.ohne_freistunden, (Liste{"Op", "Oh", "Ko"}));
}

TEST_F(Vorschlaege, FirstLessonLooksOnlyAfterAndLastOnlyBefore)
{
    lehrer("Ne");
    unterricht(2, 2, 2, "Ne");
    unterricht(2, 8, 2, "Ne");
    unterricht(3, 1, 2, "Ne"); // another day does not count
    const Eignung erste = eignung(plan, liste.eintrag(1), 2, 1, 1);
    EXPECT_FALSE(erste.vorher);
    EXPECT_TRUE(erste.nachher);
    const Eignung letzte = eignung(plan, liste.eintrag(1), 2, 9, 1);
    EXPECT_TRUE(letzte.vorher);
    EXPECT_FALSE(letzte.nachher);
    EXPECT_EQ(eignung(plan, liste.eintrag(1), 2, 9, 2).in_klasse, 3);
    EXPECT_EQ(eignung(plan, liste.eintrag(1), 2, 9, 0).in_klasse, 0);
}

TEST_F(Vorschlaege, NothingWithoutTeachersOrAbsentTeacher)
{
    const Vorschlagslisten leer = listen();
    EXPECT_TRUE(leer.optimal.empty() && leer.ohne_freistunden.empty() && leer.freie_lehrer.empty()
                && leer.alle_lehrer.empty());
    lehrer("Fr");
    EXPECT_TRUE(vorschlaege(plan, liste, "", 2, 4, "1a", Vertretungsstand(woche, vp)).alle_lehrer.empty());
}

TEST_F(Vorschlaege, PrintedTextsJoinTheCodesOfTheFirstThreeListsWithoutMarks)
{
    lehrer("Oh");
    lehrer("Fr");
    lehrer("Dv");
    lehrer("Op");
    unterricht(2, 5, 2, "Oh");
    unterricht(2, 4, 2, "Dv", "MA", "R1", true);
    unterricht(2, 3, 2, "Op");
    unterricht(1, 1, 1, "Op");
    const Vorschlagstexte t = vorschlagstexte(plan, liste, "Ab", 2, 4, 1);
    EXPECT_EQ(t.optimal, "Op");
    EXPECT_EQ(t.ohne, "Oh");
    EXPECT_EQ(t.frei, "Fr/Dv");
    EXPECT_EQ(vorschlagstexte(plan, liste, "Ab", 2, 4, 0).ohne, "Oh/Op"); // no class column
    EXPECT_EQ(vorschlagstext_kuerzen("/"), "/");
}

TEST_F(Vorschlaege, AbsentTeacherIsNeverProposedEvenWhenOnlyDispensable)
{
    unterricht(2, 4, 1, "Ab", "MA", "R1", true);
    lehrer("Ab");
    lehrer("Fr");
    const Vorschlagslisten l = listen();
    EXPECT_EQ(l.freie_lehrer, (Liste{"Fr"}));
    EXPECT_EQ(l.alle_lehrer, (Liste{"Ab-", "Fr"}));
    EXPECT_EQ(vorschlagstexte(plan, liste, "Ab", 2, 4, 1).frei, "Fr");
}
