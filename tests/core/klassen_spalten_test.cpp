#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/fehler.h"
#include "core/init_plan.h"
#include "core/klassen_spalten.h"
#include "testhilfe.h"

using namespace orbela;

namespace {

// Every column gets its own codes in both occupancies on every day and
// lesson, a set flag and a class record, so moves can be told apart.
std::unique_ptr<plantyp> gefuellter_plan()
{
    auto p = neuer_plan();
    for (int k = 1; k <= anzahl_klassen; ++k) {
        const std::string n = std::to_string(k);
        for (int t = 1; t <= anzahl_tage; ++t) {
            for (int l = 1; l <= anzahl_stunden; ++l) {
                zellentyp& z = p->zelle(t, l, k);
                z.erste.lehrer = "L" + n;
                z.erste.fach = "F" + n;
                z.erste.raum = std::to_string(t * 10 + l);
                z.erste.setze_verzichtbar('v');
                z.zweite.lehrer = "Z" + n;
                z.zweite.raum = "R" + n;
            }
        }
        p->klasse(k).klasse = n + "k";
        p->klasse(k).klassenlehrer = "K" + n;
        p->klasse(k).klassenraum = "r" + n;
        p->klasse(k).wochenstunden = "2" + n;
    }
    return p;
}

bool gleiche_bytes(const zellentyp& a, const zellentyp& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool gleiche_bytes(const klassentyp& a, const klassentyp& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool gleiche_bytes(const plantyp& a, const plantyp& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool ist_geleert(const belegungtyp& b)
{
    return b.lehrer.empty() && b.fach.empty() && b.raum.empty() && b.verzichtbar.len == 0
        && b.verzichtbar.data[0] == ' ';
}

void erwarte_spalte_geleert(const plantyp& p, int k)
{
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            EXPECT_TRUE(ist_geleert(p.zelle(t, l, k).erste)) << "day " << t << " lesson " << l;
            EXPECT_TRUE(ist_geleert(p.zelle(t, l, k).zweite)) << "day " << t << " lesson " << l;
        }
    }
    const klassentyp& kl = p.klasse(k);
    EXPECT_TRUE(kl.klasse.empty() && kl.klassenlehrer.empty() && kl.klassenraum.empty()
                && kl.wochenstunden.empty());
}

// Column `nach` of `p` holds exactly the bytes column `von` had in `vorher`.
void erwarte_spalte_wie(const plantyp& p, int nach, const plantyp& vorher, int von)
{
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l)
            ASSERT_TRUE(gleiche_bytes(p.zelle(t, l, nach), vorher.zelle(t, l, von)))
                << "column " << nach << " day " << t << " lesson " << l;
    }
    EXPECT_TRUE(gleiche_bytes(p.klasse(nach), vorher.klasse(von))) << "class record " << nach;
}

} // namespace

TEST(KlassenSpalten, InsertAtThreeShiftsTheRightColumnsAndDropsTheLast)
{
    auto p = gefuellter_plan();
    // Bytes behind a length travel with the column.
    p->zelle(6, 9, 19).zweite.fach.data[3] = 'x';
    const plantyp vorher = *p;

    spalte_einfuegen(*p, 3);

    erwarte_spalte_wie(*p, 1, vorher, 1);
    erwarte_spalte_wie(*p, 2, vorher, 2);
    erwarte_spalte_geleert(*p, 3);
    for (int k = 4; k <= anzahl_klassen; ++k)
        erwarte_spalte_wie(*p, k, vorher, k - 1);
    EXPECT_TRUE(p->zelle(1, 1, 20).erste.ist_verzichtbar());
    EXPECT_EQ(p->zeit(1).beginn.view(), vorher.zeit(1).beginn.view());
}

TEST(KlassenSpalten, InsertOrDeleteAtTwentyOnlyClearsIt)
{
    for (auto* aendere : {&spalte_einfuegen, &spalte_loeschen}) {
        SCOPED_TRACE(aendere == &spalte_einfuegen ? "einfuegen" : "loeschen");
        auto p = gefuellter_plan();
        const plantyp vorher = *p;
        aendere(*p, 20);
        for (int k = 1; k <= 19; ++k)
            erwarte_spalte_wie(*p, k, vorher, k);
        erwarte_spalte_geleert(*p, 20);
    }
}

TEST(KlassenSpalten, DeleteShiftsTheRightColumnsLeftAndClearsTheLast)
{
    auto p = gefuellter_plan();
    const plantyp vorher = *p;
    spalte_loeschen(*p, 3);
    erwarte_spalte_wie(*p, 1, vorher, 1);
    erwarte_spalte_wie(*p, 2, vorher, 2);
    for (int k = 3; k <= 19; ++k)
        erwarte_spalte_wie(*p, k, vorher, k + 1);
    erwarte_spalte_geleert(*p, 20);
}

TEST(KlassenSpalten, ColumnOutsideOneToTwentyChangesNothing)
{
    auto p = gefuellter_plan();
    const plantyp vorher = *p;
    spalte_einfuegen(*p, 0);
    spalte_loeschen(*p, 21);
    EXPECT_EQ(klasse_automatisch_fuellen(*p, 0).gesetzt, 0);
    EXPECT_FALSE(wochenstunden_fehlen(*p, 21));
    EXPECT_TRUE(gleiche_bytes(*p, vorher));
}

TEST(AutomatischFuellen, TwentyThreeLessonsFillMondayToFridayLessonByLesson)
{
    auto p = gefuellter_plan();
    p->klasse(4).klassenlehrer = "Kl";
    p->klasse(4).klassenraum = "r4";
    p->klasse(4).wochenstunden = "23";
    p->zelle(6, 1, 4).zweite.setze_verzichtbar('v');
    const plantyp vorher = *p;

    const Fuellergebnis e = klasse_automatisch_fuellen(*p, 4);
    EXPECT_EQ(e.gesetzt, 23);
    EXPECT_FALSE(e.abgeschnitten);
    EXPECT_TRUE(e.neu_zeichnen());

    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            const zellentyp& z = p->zelle(t, l, 4);
            const bool belegt = t <= 5 && (l <= 4 || (l == 5 && t <= 3));
            SCOPED_TRACE("day " + std::to_string(t) + " lesson " + std::to_string(l));
            EXPECT_TRUE(ist_geleert(z.zweite));
            EXPECT_EQ(z.erste.lehrer.view(), belegt ? "Kl" : "");
            EXPECT_EQ(z.erste.raum.view(), belegt ? "r4" : "");
            EXPECT_TRUE(z.erste.fach.empty());
            EXPECT_EQ(z.erste.verzichtbar.len, 0);
            EXPECT_EQ(z.erste.verzichtbar.data[0], ' ');
        }
    }
    // The class record and the neighbouring columns stay.
    EXPECT_TRUE(gleiche_bytes(p->klasse(4), vorher.klasse(4)));
    erwarte_spalte_wie(*p, 3, vorher, 3);
    erwarte_spalte_wie(*p, 5, vorher, 5);
}

TEST(AutomatischFuellen, LessThanOneLessonClearsTheColumnAndAsksForNoRedraw)
{
    for (const char* text : {"0", "-3"}) {
        auto p = gefuellter_plan();
        p->klasse(2).wochenstunden = text;
        const Fuellergebnis e = klasse_automatisch_fuellen(*p, 2);
        EXPECT_EQ(e.gesetzt, 0) << text;
        EXPECT_FALSE(e.neu_zeichnen()) << text;
        for (int t = 1; t <= anzahl_tage; ++t) {
            for (int l = 1; l <= anzahl_stunden; ++l) {
                EXPECT_TRUE(ist_geleert(p->zelle(t, l, 2).erste));
                EXPECT_TRUE(ist_geleert(p->zelle(t, l, 2).zweite));
            }
        }
    }
}

TEST(AutomatischFuellen, WeeklyHoursThatAreNoNumberChangeNothing)
{
    for (const char* text : {"x", "2 3", " "}) {
        auto p = gefuellter_plan();
        p->klasse(2).wochenstunden = text;
        const plantyp vorher = *p;
        EXPECT_EQ(fehlertext([&] { klasse_automatisch_fuellen(*p, 2); }),
                  std::string("'") + text + "' ist kein gültiger Integerwert");
        EXPECT_TRUE(gleiche_bytes(*p, vorher)) << text;
        EXPECT_FALSE(wochenstunden_fehlen(*p, 2));
    }
}

TEST(AutomatischFuellen, EmptyWeeklyHoursAreReportedAndNotFilled)
{
    auto p = gefuellter_plan();
    p->klasse(7).wochenstunden = "";
    EXPECT_TRUE(wochenstunden_fehlen(*p, 7));
    EXPECT_FALSE(wochenstunden_fehlen(*p, 8));
    EXPECT_EQ(text_zuerst_wochenstunden, "Zuerst Wochenstunden eingeben!");
    // Called anyway, the empty text is no number and nothing changes.
    const plantyp vorher = *p;
    EXPECT_THROW(klasse_automatisch_fuellen(*p, 7), Fehler);
    EXPECT_TRUE(gleiche_bytes(*p, vorher));
}

TEST(AutomatischFuellen, MoreThanFortyFiveLessonsStopAtLessonNineOfFriday)
{
    auto p = neuer_plan();
    p->klasse(20).klassenlehrer = "Kl";
    p->klasse(20).wochenstunden = "60";
    auto erwartet = neuer_plan();
    *erwartet = *p;

    const Fuellergebnis e = klasse_automatisch_fuellen(*p, 20);
    EXPECT_EQ(e.gesetzt, 45);
    EXPECT_TRUE(e.abgeschnitten);
    EXPECT_TRUE(e.neu_zeichnen());

    // Exactly the 45 weekday slots of column 20 change; nothing behind the
    // plan's last weekday lesson (Saturday, class records) is touched.
    for (int t = 1; t <= 5; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            belegungtyp& b = erwartet->zelle(t, l, 20).erste;
            b.leeren();
            b.lehrer = "Kl";
            erwartet->zelle(t, l, 20).zweite.leeren();
        }
    }
    for (int l = 1; l <= anzahl_stunden; ++l) {
        erwartet->zelle(6, l, 20).erste.leeren();
        erwartet->zelle(6, l, 20).zweite.leeren();
    }
    EXPECT_TRUE(gleiche_bytes(*p, *erwartet));
    EXPECT_EQ(p->zelle(5, 9, 20).erste.lehrer.view(), "Kl");
}
