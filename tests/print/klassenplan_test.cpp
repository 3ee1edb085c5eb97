#include "druck_umgebung.h"
#include "print/plan_ausdrucke.h"

using namespace orbela;

class Klassenplan : public test::DruckUmgebung {
protected:
    void hoch(int c = 1) { drucke_klassenplan(neuer_auftrag(), {plan, optionen, "09.12.26"}, c); }
    void quer(int c = 1)
    {
        const Langnamen namen{faecher, raeume, [this](std::string_view code) {
                                  const auto it = karten.find(std::string(code));
                                  return it != karten.end() ? it->second : std::string("[").append(code).append("]");
                              }};
        drucke_klassenplan_2(neuer_auftrag(), {plan, optionen, "09.12.26"}, c, namen);
    }
    Namenstabelle faecher;
    Namenstabelle raeume;
    // The surnames the card index gives; a card without code stands for the
    // staff that teach nothing.
    std::map<std::string, std::string> karten = {{"Ab", "Abel"}, {"Cd", "Cordes"}, {"", "Sekretariat"}};
};

TEST_F(Klassenplan, WeekSheetWithSplitLessonsTitleAndDate)
{
    klasse(20, "4b", "Ab", "r7");
    setze(1, 1, 20, "Ab", "De", "r7");
    setze(6, 9, 20, "Ab", "Ma", "r7", "Cd", "Ku", "r8");
    hoch(20);

    EXPECT_EQ(auftraege[0]->ausrichtung(), Ausrichtung::hochformat);
    // One occupancy: teacher twice, subject twice, room.
    for (auto [x, y, text] : {std::tuple{65, 76, "Ab"}, {465, 26, "Ab"}, {465, 526, "De"}, {65, 103, "De"},
                              {65, 128, "r7"}})
        EXPECT_EQ(text_bei(x, y), text) << x << "," << y;
    // Two occupancies in size 8, each table's cell divided.
    for (auto [x, y, text] : {std::tuple{304, 679, "Ab"}, {329, 679, "Cd"}, {304, 704, "Ma"}, {329, 729, "r8"},
                              {704, 229, "Ab"}, {729, 229, "Cd"}, {704, 729, "Ma"}, {729, 729, "Ku"}}) {
        EXPECT_EQ(text_bei(x, y), text) << x << "," << y;
        EXPECT_EQ(groesse_bei(x, y), 8);
    }
    EXPECT_TRUE(linie_da(325, 675, 325, 750));
    EXPECT_TRUE(linie_da(725, 225, 725, 250));
    EXPECT_TRUE(linie_da(725, 725, 725, 750));
    EXPECT_TRUE(linie_da(25, 50, 25, 75));
    EXPECT_EQ(text_bei(415, 505), "4b");
    EXPECT_EQ(text_bei(4, 53), "Ab");
    EXPECT_EQ(text_bei(29, 53), "r7");
    EXPECT_EQ(text_bei(500, 320), "Klasse: 4b");
    EXPECT_EQ(groesse_bei(500, 320), 20);
    EXPECT_EQ(text_bei(500, 380), "Lehrer: Ab");
    EXPECT_EQ(text_bei(500, 410), "Stand: 09.12.26");
    EXPECT_EQ(text_bei(15, 1004), "Gesamtstundenzahl: 2");
}

TEST_F(Klassenplan, TalliesShowFifteenEntriesAndTheTotalCountsEveryLesson)
{
    // 17 teachers in order of first occurrence, Monday lesson 1 first.
    for (int n = 0; n < 17; ++n)
        setze(1 + n / 9, 1 + n % 9, 1, std::string("L").append(std::to_string(n + 1)).c_str(), "Ma");
    setze(3, 1, 1, "Ab", "Ma", "", "Cd", "Ma"); // both count, the subject once
    setze(3, 2, 1, "", "Ku");                   // a subject without teacher is no lesson
    hoch();

    EXPECT_EQ(text_bei(15, 801), "L1");
    EXPECT_EQ(text_bei(15, 826), "1");
    EXPECT_EQ(text_bei(715, 801), "L15");
    const auto texte = seite().texte();
    EXPECT_EQ(std::count_if(texte.begin(), texte.end(), [](const Op* o) { return o->y1 == 801; }), 15);
    EXPECT_EQ(text_bei(15, 901), "Ma");
    EXPECT_EQ(text_bei(15, 926), "18");
    EXPECT_EQ(text_bei(65, 901), "Ku");
    EXPECT_EQ(text_bei(15, 1004), "Gesamtstundenzahl: 18");
    EXPECT_EQ(linien(1), 18 + 30 + 6 + 1 + 3);
}

TEST_F(Klassenplan, AnEmptyClassTotalsZero)
{
    hoch(7);
    EXPECT_EQ(text_bei(15, 1004), "Gesamtstundenzahl: 0");
    EXPECT_EQ(text_bei(500, 320), "Klasse: ");
}

TEST_F(Klassenplan, LandscapeWritesNamesOutAndUnderlaysTheClassTeacher)
{
    klasse(2, "1b", "Ab", "r1");
    faecher.zeilen = {{"de", "Deutsch"}, {"Ma", ""}};
    raeume.zeilen = {{"R1", "Raum 1b"}};
    setze(1, 1, 2, "Ab", "De", "r1"); // class teacher: yellow band, no name
    setze(1, 2, 2, "Cd", "Ma", "Tu"); // other teacher named; code without name
    setze(1, 3, 2, "Cd", "");         // teacher without subject
    setze(1, 4, 2, "Xy", "Mu", "", "Ab", "Sp"); // split; the second half is the class teacher's
    quer(2);

    EXPECT_EQ(auftraege[0]->ausrichtung(), Ausrichtung::querformat);
    EXPECT_EQ(linien(10), 7 + 10);
    EXPECT_EQ(text_bei(165, 15), "Montag");
    EXPECT_EQ(text_bei(915, 15), "Samstag");
    EXPECT_EQ(text_bei(165, 76), "Deutsch");
    EXPECT_EQ(text_bei(165, 103), "");
    EXPECT_EQ(text_bei(165, 128), "Raum 1b");
    EXPECT_EQ(text_bei(165, 178), "Cordes");
    EXPECT_EQ(groesse_bei(165, 178), 10);
    EXPECT_EQ(text_bei(165, 151), "Ma");
    EXPECT_EQ(text_bei(165, 203), "Tu");
    EXPECT_EQ(text_bei(165, 226), "[..................]");
    EXPECT_EQ(text_bei(154, 304), "Mu");
    EXPECT_EQ(text_bei(154, 329), "[Xy]");
    EXPECT_EQ(text_bei(229, 304), "Sp");
    EXPECT_EQ(text_bei(229, 329), "");
    EXPECT_TRUE(linie_da(225, 300, 225, 375));
    EXPECT_EQ(unterlagen(), (std::vector<std::string>{"151,76,299,99 255,255,0", "226,301,299,324 255,255,0"}));
    EXPECT_EQ(text_bei(4, 53), "Abel");
    EXPECT_EQ(text_bei(104, 53), "Raum 1b");
    EXPECT_TRUE(seite().texte_bei(500, 320).empty()); // no title, no date line
    const auto texte = seite().texte();
    EXPECT_TRUE(std::none_of(texte.begin(), texte.end(), [](const Op* o) { return o->text.starts_with("Stand"); }));

    optionen.klassenlehrer_unterlegen = false;
    quer(2);
    EXPECT_TRUE(unterlagen(1).empty());
    EXPECT_EQ(text_bei(165, 103, 1), "");
}

TEST_F(Klassenplan, LandscapeCutsNamesToTheirCell)
{
    raeume.zeilen = {{"R1", "Klassenraum im Neubau"}};
    setze(1, 1, 1, "Ab", "Ma", "R1");
    setze(1, 2, 1, "Ab", "Ma", "R1", "Cd", "Ku", "R1");
    quer(1);
    // The recording canvas writes 6 pixels per character, one pixel a unit.
    EXPECT_EQ(text_bei(165, 128), "Klassenraum im Neubau");  // 126 of 134
    EXPECT_EQ(text_bei(154, 204), "Klassenraum");            // 66 of 70
    EXPECT_EQ(text_bei(229, 204), "Klassenraum");
}

TEST_F(Klassenplan, LandscapeWithoutClassTeacherMarksNoLessonAndEmptyCellsNameNobody)
{
    klasse(3, "2a");
    setze(1, 1, 3, "", "Ku");
    quer(3);
    EXPECT_TRUE(unterlagen().empty());
    EXPECT_EQ(text_bei(165, 76), "Ku");
    const auto texte = seite().texte();
    EXPECT_TRUE(std::none_of(texte.begin(), texte.end(), [](const Op* o) { return o->text == "Sekretariat"; }));
}
