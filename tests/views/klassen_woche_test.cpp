#include <algorithm>
#include <string>

#include "seiten_umgebung.h"

using namespace orbela;
using orbela::test::Seitenansichten;

using KlassenWoche = Seitenansichten;

TEST_F(KlassenWoche, ShowsTeacherAndSubjectOfEveryLesson)
{
    klasse(4, "2b");
    setze(1, 1, 4, "Ab", "De", "r1");
    setze(6, 9, 4, "Cd", "Ma");
    setze(3, 3, 5, "Xy", "Ku"); // another class
    ansicht->aufbau_klassenplan(4);

    EXPECT_EQ(text_bei(7, 2, 1), "2b");
    EXPECT_EQ(text_bei(7, 50, 1), "Mo");
    EXPECT_EQ(text_bei(7, 250, 1), "Sa");
    EXPECT_EQ(text_bei(7, 2, 15), "1");
    EXPECT_EQ(text_bei(7, 41, 15), "Ab");
    EXPECT_EQ(text_bei(7, 61, 15), "De");
    EXPECT_EQ(text_bei(7, 241, 135), "Cd");
    EXPECT_EQ(text_bei(7, 261, 135), "Ma");
    EXPECT_EQ(anzahl_texte(7), 1u + 6 + 9 + 4);
    ASSERT_EQ(bild(7).rechtecke().size(), 1u);
    EXPECT_EQ(bild(7).rechtecke().front()->x2, 280);
    EXPECT_EQ(bild(7).rechtecke().front()->y2, 151);
    EXPECT_EQ(bild(7).linien().size(), 17u);
}

TEST_F(KlassenWoche, OnlyASecondTeacherSplitsTheLesson)
{
    setze(2, 3, 1, "Ab", "De", "r1", "Cd", "Ku", "r2");
    setze(2, 4, 1, "Ab", "De", "r1", "", "Ku", "r2"); // second subject and room only
    ansicht->aufbau_klassenplan(1);

    EXPECT_EQ(text_bei(7, 81, 45), "Ab");
    EXPECT_EQ(text_bei(7, 101, 45), "Cd");
    EXPECT_TRUE(bild(7).texte_bei(101, 45).size() == 1u); // the subject is not shown
    EXPECT_EQ(text_bei(7, 101, 60), "De");
    const auto linien = bild(7).linien();
    const auto trenner = std::count_if(linien.begin(), linien.end(), [](const auto* l) {
        return l->x1 == 100 && l->y1 == 45 && l->x2 == 100 && l->y2 == 60;
    });
    EXPECT_EQ(trenner, 1);
    EXPECT_EQ(linien.size(), 18u);
}

TEST_F(KlassenWoche, TalliesCountTeacherPlacesAndSubjectsPerLesson)
{
    setze(1, 1, 2, "Ab", "De", "", "Ab", "De"); // both halves: Ab twice, De once
    setze(1, 2, 2, "Ab", "De", "", "Cd", "Ma"); // different subjects: one each
    setze(1, 3, 2, "", "Ku");                   // subject without a teacher
    setze(1, 4, 2, "", "", "", "Cd", "Ma");     // second teacher and subject only
    ansicht->aufbau_klassenplan(2);

    EXPECT_EQ(text_bei(8, 1, 0), "Ab");
    EXPECT_EQ(text_bei(8, 20, 0), "3");
    EXPECT_EQ(text_bei(8, 1, 15), "Cd");
    EXPECT_EQ(text_bei(8, 20, 15), "2");
    EXPECT_EQ(anzahl_texte(8), 4u);

    EXPECT_EQ(text_bei(9, 1, 0), "De");
    EXPECT_EQ(text_bei(9, 20, 0), "2");
    EXPECT_EQ(text_bei(9, 1, 15), "Ma");
    EXPECT_EQ(text_bei(9, 20, 15), "2");
    EXPECT_EQ(text_bei(9, 1, 30), "Ku");
    EXPECT_EQ(text_bei(9, 20, 30), "1");
    EXPECT_EQ(anzahl_texte(9), 6u);
    // Each tally: cleared, 3 vertical and 11 horizontal grid lines.
    for (int n : {8, 9}) {
        ASSERT_EQ(bild(n).rechtecke().size(), 1u);
        EXPECT_EQ(bild(n).rechtecke().front()->x2, 80);
        EXPECT_EQ(bild(n).rechtecke().front()->y2, 151);
        EXPECT_EQ(bild(n).linien().size(), 14u);
    }
}

TEST_F(KlassenWoche, TheTwentiethTallyEntryTakesEveryFurtherCode)
{
    // 25 distinct teachers, one per lesson in day-then-lesson order.
    int n = 0;
    for (int d = 1; d <= 3 && n < 25; ++d) {
        for (int l = 1; l <= 9 && n < 25; ++l, ++n) {
            const std::string code = std::string("L").append(std::to_string(n + 1));
            setze(d, l, 1, code.c_str());
        }
    }
    setze(3, 9, 1, "L3"); // a known code still counts in its own entry
    ansicht->aufbau_klassenplan(1);

    EXPECT_EQ(text_bei(8, 1, 0), "L1");
    EXPECT_EQ(text_bei(8, 1, 135), "L10");
    EXPECT_EQ(text_bei(8, 1, 30), "L3");
    EXPECT_EQ(text_bei(8, 20, 30), "2");
    EXPECT_EQ(text_bei(8, 41, 120), "L19");
    EXPECT_EQ(text_bei(8, 60, 120), "1");
    EXPECT_EQ(text_bei(8, 41, 135), "L20");
    EXPECT_EQ(text_bei(8, 60, 135), "6");
}

TEST_F(KlassenWoche, AnEmptyClassShowsOnlyLabelsAndGrids)
{
    ansicht->aufbau_klassenplan(20);
    EXPECT_EQ(anzahl_texte(7), 6u + 9);
    EXPECT_EQ(anzahl_texte(8), 0u);
    EXPECT_EQ(anzahl_texte(9), 0u);
    EXPECT_EQ(bild(8).linien().size(), 14u);
}

TEST_F(KlassenWoche, SwitchedOffItDrawsNothing)
{
    optionen.klassenplan_anzeigen = false;
    setze(1, 1, 1, "Ab", "De");
    ansicht->aufbau_klassenplan(1);
    for (int n = 7; n <= 9; ++n)
        EXPECT_TRUE(bild(n).operationen().empty());
}

TEST_F(KlassenWoche, IsDrawnAgainOnlyWhenTheClassPageWouldChange)
{
    klasse(1, "1a");
    setze(1, 1, 1, "Ab", "De");
    ansicht->aufbau_klassenplan(1);
    const Schrift schrift = bild(9).schrift();

    const auto neu_gezeichnet = [&](auto aenderung, int klasse_nr = 1) {
        alle_vergessen();
        aenderung();
        ansicht->aufbau_klassenplan(klasse_nr);
        const bool alle = !bild(7).operationen().empty() && !bild(8).operationen().empty()
                          && !bild(9).operationen().empty();
        const bool keins = bild(7).operationen().empty() && bild(8).operationen().empty()
                           && bild(9).operationen().empty();
        EXPECT_TRUE(alle || keins);
        return alle;
    };
    EXPECT_FALSE(neu_gezeichnet([&] { setze(1, 1, 2, "Ab", "De"); }));
    EXPECT_FALSE(neu_gezeichnet([&] { plan.zelle(1, 1, 1).erste.raum = "r9"; }));
    EXPECT_TRUE(neu_gezeichnet([&] { plan.zelle(1, 1, 1).zweite.fach = "Ku"; })); // tally
    EXPECT_TRUE(neu_gezeichnet([&] { klasse(1, "1b"); }));
    EXPECT_TRUE(neu_gezeichnet([&] { optionen.stunden_0_8 = true; }));
    EXPECT_TRUE(neu_gezeichnet([] {}, 2));
    EXPECT_TRUE(neu_gezeichnet([] {}, 1));
    EXPECT_TRUE(neu_gezeichnet([&] { ansicht->leere_felder(); }));

    alle_vergessen();
    bild(9).setze_schrift_farbe(farben::rot);
    ansicht->aufbau_klassenplan(1);
    EXPECT_EQ(bild(9).schrift(), schrift);
}
