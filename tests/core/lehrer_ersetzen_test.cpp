#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/init_plan.h"
#include "core/lehrer_ersetzen.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

int anzahl_lehrer(const plantyp& p, std::string_view kuerzel)
{
    int n = 0;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int k = 1; k <= belegungen_je_stunde; ++k)
                n += p.belegung(t, l, k).lehrer == kuerzel ? 1 : 0;
        }
    }
    return n;
}

} // namespace

TEST(LehrerErsetzen, ReplacesEveryMatchingEntryOfTheWeekAndNothingElse)
{
    auto p = neuer_plan();
    p->zelle(1, 1, 1).erste.lehrer = "Ab";
    p->zelle(1, 1, 1).erste.fach = "de";
    p->zelle(1, 1, 1).erste.setze_verzichtbar('v');
    p->zelle(3, 5, 7).zweite.lehrer = "Ab";
    p->zelle(6, 9, 20).erste.lehrer = "Ab";
    p->zelle(6, 9, 20).zweite.lehrer = "Ab";
    p->zelle(2, 2, 2).erste.lehrer = "ab";
    p->zelle(2, 3, 2).erste.lehrer = "Abc";
    p->klasse(1).klassenlehrer = "Ab";

    EXPECT_EQ(lehrer_ersetzen(*p, "Ab", "Cd"), 4);

    EXPECT_EQ(anzahl_lehrer(*p, "Ab"), 0);
    EXPECT_EQ(anzahl_lehrer(*p, "Cd"), 4);
    EXPECT_EQ(p->zelle(6, 9, 20).erste.lehrer.view(), "Cd");
    EXPECT_EQ(p->zelle(6, 9, 20).zweite.lehrer.view(), "Cd");
    EXPECT_EQ(p->zelle(3, 5, 7).zweite.lehrer.view(), "Cd");
    EXPECT_EQ(p->zelle(2, 2, 2).erste.lehrer.view(), "ab");
    EXPECT_EQ(p->zelle(2, 3, 2).erste.lehrer.view(), "Abc");
    // Subjects, flags and the class records stay.
    EXPECT_EQ(p->zelle(1, 1, 1).erste.fach.view(), "de");
    EXPECT_TRUE(p->zelle(1, 1, 1).erste.ist_verzichtbar());
    EXPECT_EQ(p->klasse(1).klassenlehrer.view(), "Ab");
}

TEST(LehrerErsetzen, OldCodeLongerThanFourNeverMatches)
{
    auto p = neuer_plan();
    p->zelle(1, 1, 1).erste.lehrer = "Abcd";
    const plantyp vorher = *p;
    EXPECT_EQ(lehrer_ersetzen(*p, "Abcde", "Xy"), 0);
    EXPECT_EQ(std::memcmp(p.get(), &vorher, sizeof vorher), 0);
}

TEST(LehrerErsetzen, EmptyOldCodeFillsEveryOccupancyWithoutTeacher)
{
    auto p = neuer_plan();
    p->zelle(4, 4, 4).erste.lehrer = "Ma";
    const int alle = anzahl_tage * anzahl_stunden * belegungen_je_stunde;
    EXPECT_EQ(lehrer_ersetzen(*p, "", "Ne"), alle - 1);
    EXPECT_EQ(anzahl_lehrer(*p, "Ne"), alle - 1);
    EXPECT_EQ(p->zelle(4, 4, 4).erste.lehrer.view(), "Ma");
}

TEST(LehrerErsetzen, NewCodeIsCutToFourCharacters)
{
    auto p = neuer_plan();
    p->zelle(2, 8, 11).zweite.lehrer = "Ab";
    EXPECT_EQ(lehrer_ersetzen(*p, "Ab", "Neuer1"), 1);
    EXPECT_EQ(p->zelle(2, 8, 11).zweite.lehrer.view(), "Neue");
    EXPECT_EQ(p->zelle(2, 8, 11).zweite.lehrer.len, 4);
}
