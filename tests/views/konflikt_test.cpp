#include "grid_umgebung.h"

using namespace orbela;

namespace {

// Places in lesson 2 (y = 150): teacher and room of a single cell, and of
// the left / right half of a double cell, in class column c.
int x_einzeln(int c) { return 50 * c + 15; }
int x_links(int c) { return 50 * c + 4; }
int x_rechts(int c) { return 50 * c + 29; }
constexpr int y_lehrer = 151;
constexpr int y_lehrer_geteilt = 154;
constexpr int y_raum = 203;
constexpr int y_raum_geteilt = 204;

class Konflikte : public test::PlanRaster {
protected:
    Konflikte()
    {
        for (const char* k : {"Ab", "Cd", "Ef"})
            neuer_lehrer(k);
    }
    void neu_zeichnen()
    {
        ansicht->aufbau_plan();
        ansicht->anzeigen(1);
    }
};

TEST_F(Konflikte, TeacherTwiceInALessonIsRedAtBothPlacesUntilOneIsRemoved)
{
    setze(1, 2, 1, "Ab", "De", "R1");
    setze(1, 2, 3, "Ab", "Ma", "R3");
    setze(1, 2, 5, "Cd", "Ku", "R5");
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::rot);
    EXPECT_EQ(farbe_bei(x_einzeln(3), y_lehrer), farben::rot);
    EXPECT_EQ(farbe_bei(x_einzeln(5), y_lehrer), farben::schwarz);

    plan.zelle(1, 2, 3).erste.lehrer = "";
    ansicht->feld(1, 2, true, 3);
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::schwarz);

    liste.eintraege[0].gesperrt[0][1] = 1;
    ansicht->feld(1, 2, true, 3);
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::rot);

    liste.eintraege.erase(liste.eintraege.begin());
    ansicht->feld(1, 2, true, 3);
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::lila);
}

TEST_F(Konflikte, TeacherAndSecondTeacherOfOneCellAreRedInBothHalves)
{
    setze(1, 2, 2, "Ab", "De", "R1", "Ab", "Ma", "R2");
    neu_zeichnen();
    EXPECT_EQ(text_bei(x_links(2), y_lehrer_geteilt), "Ab");
    EXPECT_EQ(farbe_bei(x_links(2), y_lehrer_geteilt), farben::rot);
    EXPECT_EQ(farbe_bei(x_rechts(2), y_lehrer_geteilt), farben::rot);
    EXPECT_EQ(farbe_bei(x_links(2), y_raum_geteilt), farben::schwarz);
    EXPECT_EQ(farbe_bei(x_rechts(2), y_raum_geteilt), farben::schwarz);
}

TEST_F(Konflikte, BlockedTeacherIsRedOnlyInTheBlockedLesson)
{
    liste.eintraege[1].gesperrt[0][1] = 1; // "Cd", Monday lesson 2
    setze(1, 2, 1, "Cd", "De", "R1");
    setze(1, 3, 1, "Cd", "De", "R1");
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::rot);
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer + 75), farben::schwarz);
}

TEST_F(Konflikte, UnlistedTeachersArePurpleButRoomsNever)
{
    setze(1, 2, 1, "Xy", "De", "Qq");
    setze(1, 2, 2, "ab", "De", "R2"); // case counts: "ab" is not "Ab"
    setze(1, 2, 3, "Ab", "De", "R3");
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::lila);
    EXPECT_EQ(farbe_bei(x_einzeln(2), y_lehrer), farben::lila);
    EXPECT_EQ(farbe_bei(x_einzeln(3), y_lehrer), farben::schwarz);
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_raum), farben::schwarz);
    EXPECT_EQ(raster().letzter_text_bei(x_einzeln(1), y_lehrer)->schrift.farbe,
              (Farbe{128, 0, 128}));

    liste.leeren();
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(3), y_lehrer), farben::lila);
}

TEST_F(Konflikte, TeacherBeyondTheFortiethEntryIsListedAndCanBeBlocked)
{
    for (int i = 0; i < 45; ++i)
        neuer_lehrer("");
    lehrereintrag& spaet = neuer_lehrer("Zz");
    setze(1, 2, 1, "Zz", "De", "R1");
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::schwarz);

    spaet.gesperrt[0][1] = 1;
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::rot);
}

TEST_F(Konflikte, RoomUsedTwiceIsRedInCellsAndHalves)
{
    setze(1, 2, 1, "Ab", "De", "R1");
    setze(1, 2, 2, "Cd", "De", "R7", "Ef", "Ma", "R1");
    setze(1, 2, 20, "", "", "R7"); // the hidden column counts as well
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_raum), farben::rot);
    EXPECT_EQ(farbe_bei(x_links(2), y_raum_geteilt), farben::rot);
    EXPECT_EQ(farbe_bei(x_rechts(2), y_raum_geteilt), farben::rot);
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::schwarz);
}

TEST_F(Konflikte, BothOptionsOffDrawEverythingBlack)
{
    optionen.doppelter_lehrereinsatz = false;
    optionen.doppelte_raumnutzung = false;
    liste.eintraege[0].gesperrt[0][1] = 1;
    setze(1, 2, 1, "Ab", "De", "R1");
    setze(1, 2, 2, "Ab", "De", "R1");
    setze(1, 2, 3, "Xy", "De", "R3");
    neu_zeichnen();
    ansicht->feld(1, 2, true, 2);
    for (int c : {1, 2, 3}) {
        EXPECT_EQ(farbe_bei(x_einzeln(c), y_lehrer), farben::schwarz) << c;
        EXPECT_EQ(farbe_bei(x_einzeln(c), y_raum), farben::schwarz) << c;
    }
}

TEST_F(Konflikte, SameTeacherInDifferentLessonsIsNoConflict)
{
    setze(1, 2, 1, "Ab", "De", "R1");
    setze(1, 3, 2, "Ab", "De", "R1");
    setze(2, 2, 2, "Ab", "De", "R1");
    neu_zeichnen();
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_lehrer), farben::schwarz);
    EXPECT_EQ(farbe_bei(x_einzeln(2), y_lehrer + 75), farben::schwarz);
    EXPECT_EQ(farbe_bei(x_einzeln(1), y_raum), farben::schwarz);
}

TEST_F(Konflikte, SelectedColumnIsWrittenOnYellowAndTheFontEndsBlack)
{
    setze(1, 2, 1, "Ab", "De", "R1");
    setze(1, 2, 4, "Ab", "De", "R1", "Cd", "", "");
    ansicht->check_1(1, 2, true, 4);
    ansicht->check_2(1, 2, true, 4);
    EXPECT_EQ(raster().letzter_text_bei(x_einzeln(1), y_lehrer)->pinsel.farbe, farben::weiss);
    EXPECT_EQ(raster().letzter_text_bei(x_links(4), y_lehrer_geteilt)->pinsel.farbe,
              farben::gelb);
    EXPECT_EQ(raster().letzter_text_bei(x_rechts(4), y_lehrer_geteilt)->pinsel.farbe,
              farben::gelb);
    EXPECT_EQ(raster().letzter_text_bei(x_links(4), y_raum_geteilt)->schrift.farbe, farben::rot);
    EXPECT_EQ(raster().schrift().farbe, farben::schwarz);
    // Empty codes leave no mark, so only the five codes were written.
    EXPECT_EQ(raster().texte().size(), 5u);
}

} // namespace
