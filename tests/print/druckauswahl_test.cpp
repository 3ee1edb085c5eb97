#include "druck_umgebung.h"
#include "print/druckauswahl.h"

using namespace orbela;

using Druckauswahl = test::DruckUmgebung;

TEST_F(Druckauswahl, DaysAndNamedClassesInOrder)
{
    EXPECT_EQ(auswahl_tage(), (std::vector<std::string>{"Mo", "Di", "Mi", "Do", "Fr", "Sa"}));
    klasse(2, "1a");
    klasse(5, "Zb");
    klasse(20, "1a");
    EXPECT_EQ(auswahl_klassen(plan), (std::vector<std::string>{"1a", "Zb", "1a"}));
    for (auto [p, c] : {std::pair{0, 2}, {1, 5}, {2, 20}, {3, 0}})
        EXPECT_EQ(klasse_an_position(plan, p), c) << p;
}

TEST_F(Druckauswahl, TeachersAndRoomsSortedIgnoringCaseEachOnce)
{
    for (int d = 1; d <= 6; ++d)
        for (int l = 1; l <= 5; ++l)
            setze(d, l, 1, "Ab", "", "TU", "", "", "");
    setze(1, 1, 2, "ab", "", "Tu", "Cd", "", "r1");
    setze(1, 1, 3, "\xC4x", "", "R2", "Ab", "", "tu");
    setze(1, 2, 3, "Az");
    EXPECT_EQ(auswahl_lehrer(plan), (std::vector<std::string>{"Ab", "ab", "\xC4x", "Az", "Cd"}));
    EXPECT_EQ(auswahl_raeume(plan), (std::vector<std::string>{"r1", "R2", "TU", "Tu", "tu"}));

    std::vector<std::string> codes = {"b", "B", "a", "b", "A", "B", "a"};
    sortieren_ohne_doppelte(codes);
    EXPECT_EQ(codes, (std::vector<std::string>{"A", "a", "B", "b"}));
}
