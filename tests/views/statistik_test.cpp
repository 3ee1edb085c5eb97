#include <string>

#include "core/fehler.h"
#include "seiten_umgebung.h"

using namespace orbela;
using orbela::test::Seitenansichten;

class KlassenStatistik : public Seitenansichten {
protected:
    // Plans `anzahl` lessons with a teacher for class column c, day by day.
    void plane(int c, int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            setze(i / 9 + 1, i % 9 + 1, c, "Ab");
    }
};

TEST_F(KlassenStatistik, ShowsDueAndPlannedLessonsOfNamedClasses)
{
    klasse(1, "1a", "20");
    klasse(2, "1b", "");
    plane(1, 12);
    setze(6, 9, 1, "", "Ku", "", "Cd"); // a second teacher alone counts
    setze(6, 8, 1, "", "Ku", "r1");     // a subject alone does not
    plane(2, 3);
    plane(3, 5); // no name: nothing shown
    ansicht->aufbau_statistik();

    EXPECT_EQ(text_bei(6, 28, 5), "1a");
    EXPECT_EQ(text_bei(6, 3, 35), "soll");
    EXPECT_EQ(text_bei(6, 3, 65), "ist");
    EXPECT_EQ(text_bei(6, 28, 35), "20");
    EXPECT_EQ(text_bei(6, 28, 65), "13");
    EXPECT_EQ(text_bei(6, 53, 35), "");
    EXPECT_EQ(text_bei(6, 53, 65), "3");
    EXPECT_EQ(textfarbe_bei(6, 53, 65), farben::schwarz);
    EXPECT_TRUE(bild(6).texte_bei(78, 35).empty());
    EXPECT_TRUE(bild(6).texte_bei(78, 65).empty());
    ASSERT_EQ(bild(6).rechtecke().size(), 1u);
    EXPECT_EQ(bild(6).rechtecke().front()->x2, 500);
    EXPECT_EQ(bild(6).rechtecke().front()->y2, 100);
    EXPECT_EQ(bild(6).linien().size(), 23u);
}

TEST_F(KlassenStatistik, PlannedIsRedOnlyWhenMoreThanDue)
{
    klasse(1, "1a", "25");
    klasse(2, "1b", "25");
    klasse(3, "1c", "25");
    plane(1, 26);
    plane(2, 25);
    plane(3, 10);
    ansicht->aufbau_statistik();
    EXPECT_EQ(text_bei(6, 28, 65), "26");
    EXPECT_EQ(textfarbe_bei(6, 28, 65), farben::rot);
    EXPECT_EQ(textfarbe_bei(6, 53, 65), farben::schwarz);
    EXPECT_EQ(textfarbe_bei(6, 78, 65), farben::schwarz);
    EXPECT_EQ(bild(6).schrift().farbe, farben::schwarz);
}

TEST_F(KlassenStatistik, ALetterInTheWeeklyHoursStopsTheStripHalfDrawnEveryTime)
{
    klasse(1, "1a", "20");
    klasse(2, "1b", "2x");
    klasse(3, "1c", "20");
    plane(2, 3);
    for (int runde = 0; runde < 2; ++runde) {
        alle_vergessen();
        try {
            ansicht->aufbau_statistik();
            FAIL() << "no error";
        } catch (const Fehler& f) {
            EXPECT_EQ(f.text(), "'2x' ist kein gültiger Integerwert");
        }
        EXPECT_EQ(text_bei(6, 28, 65), "0");
        EXPECT_EQ(text_bei(6, 53, 35), "2x");
        EXPECT_TRUE(bild(6).texte_bei(53, 65).empty());
        EXPECT_TRUE(bild(6).texte_bei(78, 35).empty());
        EXPECT_TRUE(bild(6).linien().empty());
    }
    klasse(2, "1b", "2");
    alle_vergessen();
    ansicht->aufbau_statistik();
    EXPECT_EQ(textfarbe_bei(6, 53, 65), farben::rot);
}

TEST_F(KlassenStatistik, SwitchedOffItDrawsNothing)
{
    optionen.statistik_anzeigen = false;
    klasse(1, "1a", "x");
    ansicht->aufbau_statistik();
    EXPECT_TRUE(bild(6).operationen().empty());
}

TEST_F(KlassenStatistik, IsDrawnAgainOnlyWhenACountOrTextChanges)
{
    klasse(1, "1a", "2");
    plane(1, 2);
    ansicht->aufbau_statistik();
    const auto neu_gezeichnet = [&](auto aenderung) {
        bild(6).vergessen();
        aenderung();
        ansicht->aufbau_statistik();
        return !bild(6).operationen().empty();
    };
    EXPECT_FALSE(neu_gezeichnet([&] { setze(1, 1, 1, "Cd"); }));
    EXPECT_TRUE(neu_gezeichnet([&] { plane(1, 3); }));
    EXPECT_EQ(textfarbe_bei(6, 28, 65), farben::rot);
    EXPECT_TRUE(neu_gezeichnet([&] { klasse(1, "1a", "3"); }));
    EXPECT_TRUE(neu_gezeichnet([&] { klasse(20, "9z"); }));
    EXPECT_TRUE(neu_gezeichnet([&] { ansicht->leere_felder(); }));
    EXPECT_FALSE(neu_gezeichnet([] {}));
}

class LehrerEinsatz : public Seitenansichten {
protected:
    // Strip position of list entry t: image and x of its texts.
    static int bild_von(int t) { return t <= 19 ? 10 : 11; }
    static int x_von(int t) { return 25 * (t <= 19 ? t : t - 19) + 3; }

    // The coloured box that the fourth row of entry t shows, nullptr if none.
    const Op* kasten(int t)
    {
        const int k = t <= 19 ? t : t - 19;
        const Op* zuletzt = nullptr;
        for (const Op* r : bild(bild_von(t)).rechtecke()) {
            if (r->x1 == 0 && r->y1 == 0)
                zuletzt = nullptr; // blanked
            else if (r->x1 == 25 * k + 1 && r->y1 == 46 && r->x2 == 25 * k + 25 && r->y2 == 59)
                zuletzt = r;
        }
        return zuletzt;
    }
    Farbe kastenfarbe(int t)
    {
        const Op* k = kasten(t);
        return k != nullptr ? k->pinsel.farbe : farben::weiss;
    }
};

TEST_F(LehrerEinsatz, ShowsCodeDueAndPlannedLessonsOfEveryListedTeacher)
{
    klasse(3, "2a");
    neuer_lehrer("Ab", "4");
    neuer_lehrer("Cd", "");
    setze(1, 1, 1, "Ab");
    setze(1, 1, 2, "Ab"); // two classes, one lesson: counts once
    setze(2, 5, 3, "", "", "", "Ab");
    setze(2, 6, 3, "Cd");
    setze(3, 1, 3, "Cd");
    ansicht->aufbau_lehrer(2, 5, 3);

    for (int n : {10, 11}) {
        EXPECT_EQ(text_bei(n, 3, 15), "soll");
        EXPECT_EQ(text_bei(n, 3, 30), "ist");
        EXPECT_EQ(text_bei(n, 3, 45), "2a");
        ASSERT_EQ(bild(n).rechtecke().size(), n == 10 ? 2u : 1u);
        EXPECT_EQ(bild(n).rechtecke().front()->x2, 500);
        EXPECT_EQ(bild(n).rechtecke().front()->y2, 61);
        EXPECT_EQ(bild(n).linien().size(), 24u);
    }
    EXPECT_EQ(text_bei(10, 28, 0), "Ab");
    EXPECT_EQ(text_bei(10, 28, 15), "4");
    EXPECT_EQ(text_bei(10, 28, 30), "2");
    EXPECT_EQ(text_bei(10, 28, 45), "1"); // teaches here, one lesson in 2a
    EXPECT_EQ(kasten(1), nullptr);
    // Cd: no lesson count, so never red; free now, teaches the next lesson.
    EXPECT_EQ(text_bei(10, 53, 0), "Cd");
    EXPECT_TRUE(bild(10).texte_bei(53, 15).empty());
    EXPECT_EQ(text_bei(10, 53, 30), "2");
    EXPECT_EQ(textfarbe_bei(10, 53, 30), farben::schwarz);
    ASSERT_NE(kasten(2), nullptr);
    EXPECT_EQ(kasten(2)->pinsel.farbe, farben::gruen);
    EXPECT_EQ(kasten(2)->stift.farbe, farben::gruen);
    EXPECT_EQ(text_bei(10, 53, 45), "2");
    EXPECT_EQ(bild(10).letzter_text_bei(53, 45)->pinsel.farbe, farben::gruen);
    EXPECT_EQ(bild(10).pinsel().farbe, farben::weiss);
    EXPECT_EQ(bild(10).stift().farbe, farben::schwarz);
}

TEST_F(LehrerEinsatz, PlannedIsRedWhenMoreThanTheLessonCount)
{
    neuer_lehrer("Ab", "1");
    neuer_lehrer("Cd", "2");
    setze(1, 1, 1, "Ab");
    setze(1, 2, 1, "Ab");
    setze(1, 1, 2, "Cd");
    setze(1, 2, 2, "Cd");
    ansicht->aufbau_lehrer(1, 3, 1);
    EXPECT_EQ(textfarbe_bei(10, 28, 30), farben::rot);
    EXPECT_EQ(textfarbe_bei(10, 53, 30), farben::schwarz);
}

TEST_F(LehrerEinsatz, FreeTeachersAreYellowOrGreenWhenTheyTeachNextToTheLesson)
{
    neuer_lehrer("Vo"); // lesson before
    neuer_lehrer("Na"); // lesson after
    neuer_lehrer("Fr"); // free all day
    neuer_lehrer("Ta"); // yesterday's last lesson
    neuer_lehrer("Mo"); // tomorrow's first lesson
    setze(3, 4, 1, "Vo");
    setze(3, 6, 2, "", "", "", "Na");
    setze(2, 9, 1, "Ta");
    setze(4, 1, 1, "Mo");
    ansicht->aufbau_lehrer(3, 5, 1);
    EXPECT_EQ(kastenfarbe(1), farben::gruen);
    EXPECT_EQ(kastenfarbe(2), farben::gruen);
    EXPECT_EQ(kastenfarbe(3), farben::gelb);
    EXPECT_TRUE(bild(10).texte_bei(78, 45).empty()); // free, nothing in this class

    // Lesson 1 has no lesson before, lesson 9 none after: no wrapping into
    // the neighbouring days.
    ansicht->aufbau_lehrer(3, 1, 1);
    EXPECT_EQ(kastenfarbe(4), farben::gelb);
    ansicht->aufbau_lehrer(3, 9, 1);
    EXPECT_EQ(kastenfarbe(5), farben::gelb);
    ansicht->aufbau_lehrer(2, 8, 1);
    EXPECT_EQ(kastenfarbe(4), farben::gruen);
    ansicht->aufbau_lehrer(4, 2, 1);
    EXPECT_EQ(kastenfarbe(5), farben::gruen);
}

TEST_F(LehrerEinsatz, EntriesTwentyToThirtyEightGoToTheSecondStrip)
{
    for (int t = 1; t <= 40; ++t) {
        const std::string code = std::string("T").append(std::to_string(t));
        neuer_lehrer(code.c_str(), std::to_string(t).c_str());
    }
    liste.eintrag(5).kuerzel.clear(); // an empty entry keeps its column blank
    setze(1, 1, 1, "T20");
    setze(1, 2, 1, "T20");
    setze(1, 3, 1, "T38");
    setze(1, 4, 1, "T39");
    ansicht->aufbau_lehrer(1, 1, 1);

    EXPECT_EQ(text_bei(10, 478, 0), "T19");
    EXPECT_EQ(text_bei(11, 28, 0), "T20");
    EXPECT_EQ(text_bei(11, 28, 15), "20");
    EXPECT_EQ(text_bei(11, 28, 30), "2");
    EXPECT_EQ(text_bei(11, 28, 45), "2");
    EXPECT_EQ(kasten(20), nullptr);
    EXPECT_EQ(text_bei(11, 478, 0), "T38");
    EXPECT_EQ(text_bei(11, 478, 45), "1");
    EXPECT_TRUE(bild(10).texte_bei(128, 0).empty());
    EXPECT_EQ(kasten(5), nullptr);
    for (int n : {10, 11}) {
        for (const Op* op : bild(n).texte())
            EXPECT_NE(op->text, "T39");
    }
    EXPECT_EQ(anzahl_texte(10), 2u + 3 * 18); // the class has no name
    EXPECT_EQ(anzahl_texte(11), 2u + 3 * 19 + 2);
}

TEST_F(LehrerEinsatz, ALetterInTheLessonCountStopsTheStripWhereItIsCompared)
{
    neuer_lehrer("Ab", "3");
    neuer_lehrer("Cd", "x");
    neuer_lehrer("Ef", "3");
    for (int runde = 0; runde < 2; ++runde) {
        alle_vergessen();
        try {
            ansicht->aufbau_lehrer(1, 1, 1);
            FAIL() << "no error";
        } catch (const Fehler& f) {
            EXPECT_EQ(f.text(), "'x' ist kein gültiger Integerwert");
        }
        EXPECT_EQ(text_bei(10, 28, 30), "0");
        EXPECT_EQ(text_bei(10, 53, 15), "x");
        EXPECT_TRUE(bild(10).texte_bei(53, 30).empty());
        EXPECT_TRUE(bild(10).texte_bei(78, 0).empty());
        EXPECT_TRUE(bild(11).linien().empty());
    }
}

TEST_F(LehrerEinsatz, SwitchedOffOrOutsideTheGridItDrawsNothing)
{
    neuer_lehrer("Ab", "1");
    ansicht->aufbau_lehrer(0, 1, 1);
    ansicht->aufbau_lehrer(1, 0, 1);
    ansicht->aufbau_lehrer(1, 10, 1);
    ansicht->aufbau_lehrer(1, 1, 21);
    ansicht->aufbau_klassenplan(0);
    ansicht->aufbau_klassenplan(21);
    optionen.lehrereinsatz_anzeigen = false;
    liste.eintrag(1).stunden = "x";
    ansicht->aufbau_lehrer(1, 1, 1);
    for (int n = 7; n <= 11; ++n)
        EXPECT_TRUE(bild(n).operationen().empty()) << n;
}

TEST_F(LehrerEinsatz, IsDrawnAgainOnlyWhenTheStripWouldChange)
{
    klasse(1, "1a");
    neuer_lehrer("Ab", "3");
    setze(1, 1, 1, "Ab");
    ansicht->aufbau_lehrer(1, 2, 1);
    const auto neu_gezeichnet = [&](auto aenderung, int stunde = 2) {
        alle_vergessen();
        aenderung();
        ansicht->aufbau_lehrer(1, stunde, 1);
        EXPECT_EQ(bild(10).operationen().empty(), bild(11).operationen().empty());
        return !bild(10).operationen().empty();
    };
    EXPECT_FALSE(neu_gezeichnet([&] { setze(1, 1, 2, "Xy"); }));
    EXPECT_TRUE(neu_gezeichnet([&] { setze(1, 3, 2, "Ab"); })); // ist
    EXPECT_FALSE(neu_gezeichnet([] {}, 2));
    EXPECT_TRUE(neu_gezeichnet([] {}, 3)); // no longer free
    EXPECT_TRUE(neu_gezeichnet([&] { liste.eintrag(1).stunden = "4"; }, 3));
    EXPECT_TRUE(neu_gezeichnet([&] { klasse(1, "1b"); }, 3));
    EXPECT_TRUE(neu_gezeichnet([&] { neuer_lehrer("Cd"); }, 3));
    EXPECT_TRUE(neu_gezeichnet([&] { ansicht->leere_felder(); }, 3));
    EXPECT_FALSE(neu_gezeichnet([] {}, 3));
}
