#include <gtest/gtest.h>

#include "core/planverlauf.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

// A history over a plan whose teacher code of Monday lesson 1, class 1
// names the step it was made in.
const Faltschluessel feld1{Faltschluessel::Art::code, 1, 1, 1, 1};
const Faltschluessel feld2{Faltschluessel::Art::code, 1, 1, 1, 2};

struct Verlauf : ::testing::Test {
    std::unique_ptr<plantyp> plan = neuer_plan();
    Planverlauf verlauf;

    void SetUp() override { verlauf.beginnen(*plan); }
    void aendern(const char* code, const Faltschluessel& schluessel = {})
    {
        plan->zelle(1, 1, 1).erste.lehrer = code;
        verlauf.aufzeichnen(*plan, schluessel);
    }
    std::string code() const { return std::string(plan->zelle(1, 1, 1).erste.lehrer.view()); }
};

} // namespace

TEST_F(Verlauf, UndoAndRedoWalkTheStatesAndTheSavedMarkFollows)
{
    EXPECT_FALSE(verlauf.kann_rueckgaengig());
    aendern("A");
    aendern("B");
    verlauf.als_gespeichert_markieren();
    aendern("C");
    EXPECT_FALSE(verlauf.ist_gespeichert());
    ASSERT_TRUE(verlauf.rueckgaengig(*plan));
    EXPECT_EQ(code(), "B");
    EXPECT_TRUE(verlauf.ist_gespeichert());
    verlauf.rueckgaengig(*plan);
    verlauf.rueckgaengig(*plan);
    EXPECT_EQ(code(), "");
    EXPECT_FALSE(verlauf.rueckgaengig(*plan));
    verlauf.wiederholen(*plan);
    verlauf.wiederholen(*plan);
    EXPECT_TRUE(verlauf.ist_gespeichert());
    verlauf.wiederholen(*plan);
    EXPECT_EQ(code(), "C");
    EXPECT_FALSE(verlauf.wiederholen(*plan));
}

TEST_F(Verlauf, KeystrokesInOneFieldAreOneStepButNotAcrossASaveOrAnUndo)
{
    aendern("A", feld1);
    aendern("Ab", feld1);
    aendern("X", feld2);
    verlauf.rueckgaengig(*plan);
    EXPECT_EQ(code(), "Ab");
    verlauf.rueckgaengig(*plan);
    EXPECT_EQ(code(), "");

    verlauf.wiederholen(*plan);
    verlauf.als_gespeichert_markieren();
    aendern("Abc", feld1);
    ASSERT_TRUE(verlauf.rueckgaengig(*plan));
    EXPECT_EQ(code(), "Ab");
    EXPECT_TRUE(verlauf.ist_gespeichert());
}

TEST_F(Verlauf, ANewChangeDropsRedoAndASavedStateThatCanNoLongerBeReached)
{
    aendern("A");
    verlauf.als_gespeichert_markieren();
    verlauf.rueckgaengig(*plan);
    aendern("Z");
    EXPECT_FALSE(verlauf.kann_wiederholen());
    verlauf.rueckgaengig(*plan);
    EXPECT_FALSE(verlauf.ist_gespeichert());
}

TEST_F(Verlauf, KeepsAHundredStepsAndForgetsTheOldest)
{
    for (int i = 0; i <= Planverlauf::tiefe; ++i)
        aendern(std::to_string(i).c_str());
    int schritte = 0;
    while (verlauf.rueckgaengig(*plan))
        ++schritte;
    EXPECT_EQ(schritte, Planverlauf::tiefe);
    EXPECT_EQ(code(), "0");
    EXPECT_FALSE(verlauf.ist_gespeichert());
}
