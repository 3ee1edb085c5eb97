#include "druck_umgebung.h"
#include "print/plan_ausdrucke.h"

using namespace orbela;

class LehrerRaumplan : public test::DruckUmgebung {
protected:
    void lehrer(const char* code) { drucke_lehrerplan(neuer_auftrag(), {plan, optionen, "09.12.26"}, code); }
    void raum(const char* code) { drucke_raumplan(neuer_auftrag(), {plan, optionen, "09.12.26"}, code); }
    // The five places of lesson (d, i): first line, upper, lower, second, third.
    std::vector<std::string> stunde(int d, int i, std::size_t auftrag = 0) const
    {
        const int x = 50 * d;
        const int y = 75 * i;
        return {text_bei(x + 15, y + 1, auftrag), text_bei(x + 415, 25 * i + 1, auftrag),
                text_bei(x + 415, 25 * i + 501, auftrag), text_bei(x + 15, y + 28, auftrag),
                text_bei(x + 15, y + 53, auftrag)};
    }
    using Texte = std::vector<std::string>;
};

TEST_F(LehrerRaumplan, TeacherInSeveralClassesOrHalvesOfOneLesson)
{
    klasse(1, "1a");
    klasse(4, "2b");
    klasse(5, "3c");
    setze(1, 1, 1, "Ab", "Ma", "r1");
    setze(1, 1, 4, "Ab", "De", "r1");
    setze(2, 3, 5, "Ab", "Sp", "TU", "Ab", "Sp", "TU"); // both halves of one class
    setze(3, 3, 5, "ab", "Sp", "TU");                   // another code
    lehrer("Ab");

    EXPECT_EQ(stunde(1, 1), (Texte{"1a&", "1a&", "##", "##", "r1"}));
    EXPECT_EQ(stunde(2, 3), (Texte{"3c", "3c", "Sp", "Sp", "TU"}));
    EXPECT_EQ(stunde(3, 3), (Texte{"", "", "", "", ""}));
    EXPECT_EQ(text_bei(15, 929), "Gesamtstundenzahl: 2");
    EXPECT_EQ(text_bei(500, 320), "Lehrer: Ab");
    EXPECT_EQ(text_bei(500, 380), "Stand: 09.12.26");
    EXPECT_EQ(text_bei(415, 5), "Ab");
}

TEST_F(LehrerRaumplan, BreakdownRunsPerClassInByteOrder)
{
    klasse(1, "1a");
    klasse(3, "3a");
    setze(1, 1, 1, "Ab", "Ma");
    setze(1, 2, 1, "Ab", "De");
    setze(2, 1, 1, "Ab", "Ma");
    setze(4, 4, 1, "Cd", "Ku", "", "Ab", "");      // an empty subject is a column of its own
    setze(1, 1, 3, "Ab", "Sp", "", "Ab", "Sp");    // two halves count twice
    lehrer("Ab");

    const std::vector<std::tuple<const char*, const char*, const char*>> spalten = {
        {"1a", "", "1"}, {"1a", "De", "1"}, {"1a", "Ma", "2"}, {"3a", "Sp", "2"}};
    for (std::size_t n = 0; n < spalten.size(); ++n) {
        const int x = 50 * static_cast<int>(n) + 15;
        const auto& [k, f, z] = spalten[n];
        EXPECT_EQ(text_bei(x, 801), k) << n;
        EXPECT_EQ(text_bei(x, 826), f) << n;
        EXPECT_EQ(text_bei(x, 851), z) << n;
    }
    EXPECT_EQ(text_bei(215, 801), "");
    EXPECT_EQ(linien(1), 18 + 15 + 4);
}

TEST_F(LehrerRaumplan, BreakdownWrapsRunsBeyondFifteenOntoABandBelow)
{
    klasse(1, "1a");
    const char* faecher[] = {"Aa", "Bb", "Cc", "Dd", "Ee", "Ff", "Gg", "Hh", "Ii", "Jj", "Kk", "Ll", "Mm", "Nn",
                             "Oo", "Pp", "Qq"};
    for (int n = 0; n < 17; ++n)
        setze(n % 5 + 1, n / 5 + 1, 1, "Ab", faecher[n]);
    lehrer("Ab");
    EXPECT_EQ(text_bei(715, 826), "Oo");
    EXPECT_EQ(text_bei(765, 826), "");
    const std::vector<std::pair<int, const char*>> zweites_band = {{15, "Pp"}, {65, "Qq"}};
    for (const auto& [x, fach] : zweites_band) {
        EXPECT_EQ(text_bei(x, 876), "1a");
        EXPECT_EQ(text_bei(x, 901), fach);
        EXPECT_EQ(text_bei(x, 926), "1");
    }
    EXPECT_EQ(text_bei(15, 1004), "Gesamtstundenzahl: 17");
    EXPECT_EQ(linien(1), 18 + 15 + 7);
}

TEST_F(LehrerRaumplan, ACodeNowhereGivesAnEmptySheetWithTotalZero)
{
    setze(1, 1, 1, "Ab", "Ma");
    lehrer("Zz");
    EXPECT_EQ(text_bei(15, 929), "Gesamtstundenzahl: 0");
    EXPECT_EQ(text_bei(15, 801), "");
    EXPECT_EQ(stunde(1, 1), (Texte{"", "", "", "", ""}));
}

TEST_F(LehrerRaumplan, RoomSharedByClassesOrTeachersMatchedExactly)
{
    klasse(1, "3a");
    klasse(2, "3b");
    setze(1, 1, 1, "Ab", "Sp", "TU");
    setze(1, 1, 2, "Ab", "Sp", "TU");
    setze(1, 2, 1, "Ab", "Ma", "R1", "Cd", "Ma", "R1");
    setze(1, 3, 1, "Ab", "Sp", "Tu");
    raum("TU");
    raum("R1");

    EXPECT_EQ(stunde(1, 1), (Texte{"Ab", "Ab", "3a&", "Sp", "3a&"}));
    EXPECT_EQ(stunde(1, 3), (Texte{"", "", "", "", ""}));
    EXPECT_EQ(stunde(1, 2, 1), (Texte{"Ab&", "Ab&", "3a", "Ma", "3a"}));
    EXPECT_EQ(text_bei(500, 320), "Raum: TU");
    EXPECT_EQ(text_bei(500, 380), "Stand: 09.12.26");
    EXPECT_EQ(seite().rechtecke().size(), 3u); // no summary boxes
}
