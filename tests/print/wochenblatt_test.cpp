#include "druck_umgebung.h"
#include "print/wochenblatt.h"

using namespace orbela;

using Wochenblatt = test::DruckUmgebung;

TEST_F(Wochenblatt, FramesGridLabelsAndTimes)
{
    plan.zeit(1).beginn = "7.55";
    plan.zeit(9).ende = "15.10";
    for (bool null_bis_acht : {false, true}) {
        Druckseite s(neuer_auftrag(), Ausrichtung::hochformat);
        wochenblatt_rahmen(s, plan, null_bis_acht);
        wochenblatt_thema(s, "2b");
        const std::size_t n = auftraege.size() - 1;

        EXPECT_EQ(seite(n).rechtecke().size(), 3u);
        EXPECT_EQ(linien(2, n), 7 + 14 + 10 + 20);
        EXPECT_EQ(linien(1, n), 18);
        EXPECT_TRUE(linie_da(750, 500, 750, 750, n));
        EXPECT_TRUE(linie_da(15, 725, 350, 725, n));
        EXPECT_EQ(text_bei(2, 101, n), null_bis_acht ? "0" : "1");
        EXPECT_EQ(text_bei(415, 726, n), null_bis_acht ? "8" : "9");
        EXPECT_EQ(text_bei(315, 15, n), "Sa");
        EXPECT_EQ(text_bei(465, 505, n), "Mo");
        EXPECT_EQ(text_bei(15, 77, n), "7.55");
        EXPECT_EQ(groesse_bei(15, 77, n), 8);
        EXPECT_EQ(text_bei(15, 727, n), "15.10");
        for (auto [x, y] : {std::pair{15, 15}, {415, 5}, {415, 505}})
            EXPECT_EQ(text_bei(x, y, n), "2b");
        EXPECT_EQ(seite(n).texte().size(), 27u + 18 + 2 + 3);
    }
}

TEST_F(Wochenblatt, OneLessonFillsThreeLinesAndBothSmallTables)
{
    Druckseite s(neuer_auftrag(), Ausrichtung::hochformat);
    wochenblatt_stunde(s, 6, 9, {"a", "b", "c", "d", "e"});
    const std::vector<std::tuple<int, int, const char*, int>> erwartet = {
        {315, 676, "a", 12}, {715, 226, "b", 12}, {715, 726, "c", 12}, {315, 703, "d", 10}, {315, 728, "e", 10}};
    for (const auto& [x, y, text, groesse] : erwartet) {
        EXPECT_EQ(text_bei(x, y), text);
        EXPECT_EQ(groesse_bei(x, y), groesse);
    }
}
