#include <algorithm>
#include <cstring>

#include "seiten_umgebung.h"

using namespace orbela;
using orbela::test::Seitenansichten;

using LehrerWoche = Seitenansichten;

TEST_F(LehrerWoche, NamesTheClassOfEveryLessonUnderDayHeadsAndLessonLabels)
{
    klasse(3, "3b");
    klasse(7, "4a");
    setze(1, 1, 3, "Me");
    setze(6, 9, 7, "Me");
    setze(2, 4, 7, "", "", "", "Me"); // second teacher only
    ansicht->aufbau_lehrerplan("Me", "");

    EXPECT_EQ(text_bei(2, 2, 1), "Me");
    EXPECT_EQ(text_bei(2, 20, 15), "3b");
    EXPECT_EQ(text_bei(2, 120, 135), "4a");
    EXPECT_EQ(text_bei(2, 40, 60), "4a");
    EXPECT_EQ(text_bei(2, 22, 1), "Mo");
    EXPECT_EQ(text_bei(2, 122, 1), "Sa");
    EXPECT_EQ(text_bei(2, 2, 15), "1");
    EXPECT_EQ(text_bei(2, 2, 135), "9");
    EXPECT_EQ(anzahl_texte(2), 1u + 6 + 9 + 3);
    // Cleared first, then 7 vertical and 10 horizontal grid lines, all black.
    ASSERT_EQ(bild(2).rechtecke().size(), 1u);
    const auto* leer = bild(2).rechtecke().front();
    EXPECT_EQ(leer->x2, 140);
    EXPECT_EQ(leer->y2, 150);
    EXPECT_EQ(leer->pinsel.farbe, farben::weiss);
    EXPECT_EQ(bild(2).operationen().front().art, AufzeichnungsCanvas::Art::rechteck);
    EXPECT_EQ(linien_in(2, farben::schwarz).size(), 17u);
    EXPECT_EQ(bild(2).schrift().name, "Arial");
    EXPECT_EQ(bild(2).schrift().groesse, 7);
    EXPECT_TRUE(bild(3).operationen().empty());
}

TEST_F(LehrerWoche, LessonLabelsReadZeroToEightWhenSoChosen)
{
    optionen.stunden_0_8 = true;
    ansicht->aufbau_lehrerplan("Me", "");
    EXPECT_EQ(text_bei(2, 2, 15), "0");
    EXPECT_EQ(text_bei(2, 2, 135), "8");
}

TEST_F(LehrerWoche, ATeacherPlacedTwiceInALessonShowsHashes)
{
    klasse(1, "1a");
    klasse(2, "1b");
    setze(1, 2, 1, "Me");
    setze(1, 2, 2, "Me");           // in two classes
    setze(3, 5, 2, "Me", "", "", "Me"); // teacher and second teacher of one cell
    setze(4, 1, 1, "Me");
    ansicht->aufbau_lehrerplan("Me", "");
    EXPECT_EQ(text_bei(2, 20, 30), "##");
    EXPECT_EQ(text_bei(2, 60, 75), "##");
    EXPECT_EQ(text_bei(2, 80, 15), "1a");
}

TEST_F(LehrerWoche, ASecondPlaceInAnUnnamedClassStillShowsHashes)
{
    klasse(5, "2c");
    setze(1, 1, 1, "Me"); // class 1 has no name
    setze(1, 1, 5, "Me");
    setze(1, 2, 1, "Me");
    ansicht->aufbau_lehrerplan("Me", "");
    EXPECT_EQ(text_bei(2, 20, 15), "##");
    EXPECT_EQ(text_bei(2, 20, 30), ""); // once, in the unnamed class
}

TEST_F(LehrerWoche, CodesCompareWholeAndCaseSensitive)
{
    klasse(1, "1a");
    setze(1, 1, 1, "me");
    setze(1, 2, 1, "Mex");
    // Bytes behind the length do not count.
    std::memcpy(&plan.zelle(1, 3, 1).erste.lehrer, "\x02MeXY", 5);
    ansicht->aufbau_lehrerplan("Me", "");
    EXPECT_EQ(text_bei(2, 20, 15), "");
    EXPECT_EQ(text_bei(2, 20, 30), "");
    EXPECT_EQ(text_bei(2, 20, 45), "1a");
}

TEST_F(LehrerWoche, BlockedLessonsOfTheFirstListEntryAreCrossedOut)
{
    klasse(1, "1a");
    neuer_lehrer("Ab");
    lehrereintrag& mue = neuer_lehrer("Me");
    mue.gesperrt[1][2] = 1; // Tuesday, lesson 3
    mue.gesperrt[0][0] = 2; // only 1 means blocked
    neuer_lehrer("Me").gesperrt[4][4] = 1; // listed again: ignored
    setze(2, 3, 1, "Me");   // taught although blocked
    ansicht->aufbau_lehrerplan("Me", "Xy");

    const auto rot = linien_in(2, farben::rot);
    ASSERT_EQ(rot.size(), 2u);
    EXPECT_EQ(rot[0]->x1, 41);
    EXPECT_EQ(rot[0]->y1, 46);
    EXPECT_EQ(rot[0]->x2, 59);
    EXPECT_EQ(rot[0]->y2, 59);
    EXPECT_EQ(rot[1]->x1, 41);
    EXPECT_EQ(rot[1]->y1, 59);
    EXPECT_EQ(rot[1]->x2, 59);
    EXPECT_EQ(rot[1]->y2, 46);
    // The class stays and the cross is drawn over it.
    const auto& ops = bild(2).operationen();
    const auto klasse_op = std::find_if(ops.begin(), ops.end(), [](const auto& op) {
        return op.art == AufzeichnungsCanvas::Art::text && op.x1 == 40 && op.y1 == 45;
    });
    ASSERT_NE(klasse_op, ops.end());
    EXPECT_EQ(klasse_op->text, "1a");
    EXPECT_LT(klasse_op - ops.begin(), rot[0] - ops.data());
    EXPECT_EQ(bild(2).stift().farbe, farben::schwarz);
    // A code the list does not carry gets no crosses.
    EXPECT_TRUE(linien_in(3, farben::rot).empty());
    EXPECT_EQ(linien_in(3, farben::schwarz).size(), 17u);
}

TEST_F(LehrerWoche, EachImageIsShownExactlyWhenItsCodeIsSet)
{
    ansicht->aufbau_lehrerplan("Me", "");
    EXPECT_EQ(host.aufrufe, (std::vector<std::string>{"bild 2 an", "bild 3 aus"}));
    EXPECT_TRUE(bild(3).operationen().empty());

    host.aufrufe.clear();
    bild(2).vergessen();
    ansicht->aufbau_lehrerplan("", "Ab");
    EXPECT_EQ(host.aufrufe, (std::vector<std::string>{"bild 2 aus", "bild 3 an"}));
    EXPECT_TRUE(bild(2).operationen().empty());
    EXPECT_EQ(text_bei(3, 2, 1), "Ab");

    host.aufrufe.clear();
    ansicht->aufbau_raumplan("", "");
    EXPECT_EQ(host.aufrufe, (std::vector<std::string>{"bild 4 aus", "bild 5 aus"}));
    EXPECT_TRUE(bild(4).operationen().empty());
    EXPECT_TRUE(bild(5).operationen().empty());
}

TEST_F(LehrerWoche, SwitchedOffItLeavesImagesAndVisibilityAsTheyWere)
{
    optionen.raum_lehrerplan_anzeigen = false;
    ansicht->aufbau_lehrerplan("Me", "Ab");
    ansicht->aufbau_raumplan("r1", "");
    for (int n = 2; n <= 5; ++n)
        EXPECT_TRUE(bild(n).operationen().empty()) << n;
    EXPECT_TRUE(host.aufrufe.empty());
}

TEST_F(LehrerWoche, RoomWeeksCountRoomsAndCrossNothing)
{
    klasse(1, "1a");
    klasse(2, "1b");
    neuer_lehrer("r1").gesperrt[0][0] = 1;
    setze(1, 1, 1, "Me", "De", "r1");
    setze(1, 2, 1, "Me", "De", "r2", "Ab", "Ku", "r1"); // second room
    setze(1, 3, 1, "Me", "De", "r1");
    setze(1, 3, 2, "Ab", "Ma", "r1");
    setze(1, 4, 1, "r1", "De", "r3"); // a teacher with the room's code
    ansicht->aufbau_raumplan("r1", "r2");
    EXPECT_EQ(text_bei(4, 20, 15), "1a");
    EXPECT_EQ(text_bei(4, 20, 30), "1a");
    EXPECT_EQ(text_bei(4, 20, 45), "##");
    EXPECT_EQ(text_bei(4, 20, 60), "");
    EXPECT_EQ(text_bei(5, 20, 30), "1a");
    EXPECT_TRUE(linien_in(4, farben::rot).empty());
    EXPECT_EQ(host.aufrufe, (std::vector<std::string>{"bild 4 an", "bild 5 an"}));
    EXPECT_TRUE(bild(2).operationen().empty());
}

// The week views are drawn again only when what they show changes; in
// between the canvases are left exactly as a drawing leaves them.
TEST_F(LehrerWoche, AnUnchangedWeekIsNotDrawnAgainButLeavesTheCanvasAsADrawingWould)
{
    klasse(1, "1a");
    setze(1, 1, 1, "Me");
    ansicht->aufbau_lehrerplan("Me", "");
    const Stift stift = bild(2).stift();
    const Pinsel pinsel = bild(2).pinsel();
    const Schrift schrift = bild(2).schrift();

    alle_vergessen();
    bild(2).setze_stift_farbe(farben::rot);
    bild(2).setze_stift_breite(3);
    bild(2).setze_pinsel_farbe(farben::gelb);
    bild(2).setze_schrift_groesse(12);
    setze(1, 1, 2, "Ab"); // does not concern Me
    ansicht->aufbau_lehrerplan("Me", "");
    EXPECT_TRUE(bild(2).operationen().empty());
    EXPECT_EQ(host.aufrufe, (std::vector<std::string>{"bild 2 an", "bild 3 aus"}));
    EXPECT_EQ(bild(2).stift(), stift);
    EXPECT_EQ(bild(2).pinsel(), pinsel);
    EXPECT_EQ(bild(2).schrift(), schrift);
    // The current point is where the last grid line ended.
    bild(2).linie_zu(0, 0);
    EXPECT_EQ(bild(2).linien().back()->x1, 140);
    EXPECT_EQ(bild(2).linien().back()->y1, 150);
}

TEST_F(LehrerWoche, AnyChangeOfWhatTheWeekShowsDrawsItAgain)
{
    klasse(1, "1a");
    setze(1, 1, 1, "Me");
    lehrereintrag& mue = neuer_lehrer("Me");
    ansicht->aufbau_lehrerplan("Me", "");

    const auto neu_gezeichnet = [&](auto aenderung) {
        bild(2).vergessen();
        aenderung();
        ansicht->aufbau_lehrerplan("Me", "");
        return !bild(2).operationen().empty();
    };
    EXPECT_TRUE(neu_gezeichnet([&] { klasse(1, "1A"); }));
    EXPECT_TRUE(neu_gezeichnet([&] { setze(6, 9, 1, "", "", "", "Me"); }));
    EXPECT_FALSE(neu_gezeichnet([&] { setze(6, 8, 20, "Me"); })); // unnamed class: nothing shows
    EXPECT_TRUE(neu_gezeichnet([&] { mue.gesperrt[5][8] = 1; }));
    EXPECT_TRUE(neu_gezeichnet([&] { optionen.stunden_0_8 = true; }));
    EXPECT_TRUE(neu_gezeichnet([&] { ansicht->leere_felder(); }));
    EXPECT_FALSE(neu_gezeichnet([] {}));
    // Another code into the same image.
    bild(2).vergessen();
    ansicht->aufbau_lehrerplan("Ab", "");
    EXPECT_EQ(text_bei(2, 2, 1), "Ab");
    // The room images keep their own state.
    bild(4).vergessen();
    ansicht->aufbau_raumplan("Me", "");
    EXPECT_FALSE(bild(4).operationen().empty());
}
