#include <gtest/gtest.h>

#include "core/ablageziele.h"
#include "core/wochenkonflikte.h"
#include "konflikt_schule.h"

using namespace orbela;

namespace {

constexpr std::uint32_t klassen(std::initializer_list<int> c)
{
    std::uint32_t m = 0;
    for (int k : c)
        m |= 1u << k;
    return m;
}

class Konflikte : public ::testing::Test {
protected:
    Konflikte() { konflikt_schule(plan, liste); }
    std::unique_ptr<plantyp> speicher = neuer_plan();
    plantyp& plan = *speicher;
    Lehrerliste liste;
    Optionen optionen;
};

using A = Konfliktart;

} // namespace

TEST_F(Konflikte, WeekListsOneConflictOfEachKindAsTheOptionsAllow)
{
    const Konflikt doppelt{1, 2, A::lehrer_doppelt, "Ab", klassen({1, 3})};
    const Konflikt gesperrt{2, 4, A::lehrer_gesperrt, "Cd", klassen({2})};
    const Konflikt ohne_karte{3, 1, A::lehrer_ohne_karte, "Xy", klassen({5})};
    const Konflikt raum{4, 9, A::raum_doppelt, "R1", klassen({4, 6})};
    const struct {
        bool lehrer, raeume;
        std::vector<Konflikt> erwartet;
    } faelle[] = {
        {true, true, {doppelt, gesperrt, ohne_karte, raum}},
        {false, true, {raum}},
        {true, false, {doppelt, gesperrt, ohne_karte}},
        {false, false, {}},
    };
    for (const auto& f : faelle) {
        optionen.doppelter_lehrereinsatz = f.lehrer;
        optionen.doppelte_raumnutzung = f.raeume;
        EXPECT_EQ(wochenkonflikte(plan, liste, optionen), f.erwartet) << f.lehrer << f.raeume;
    }
    EXPECT_EQ(doppelt.erste_klasse(), 1);
}

// The same teacher as both occupancies of one cell in a blocked lesson.
TEST_F(Konflikte, DoubledAndBlockedTeacherGivesOneConflictOfEachKind)
{
    std::unique_ptr<plantyp> leer = neuer_plan();
    setze_zelle(*leer, 5, 3, 7, "Cd", "Ma", "", "Cd", "De", "");
    liste.eintraege[1].gesperrt[4][2] = 1;
    EXPECT_EQ(wochenkonflikte(*leer, liste, optionen),
              (std::vector<Konflikt>{{5, 3, A::lehrer_doppelt, "Cd", klassen({7})},
                                     {5, 3, A::lehrer_gesperrt, "Cd", klassen({7})}}));
}

// Dragging Ab/De/R1 from Monday lesson 1, class 1 over Monday, where Ab
// teaches class 3 in lesson 2, Ab's card blocks lesson 5 and R1 is taken by
// class 2 in lesson 7.
TEST_F(Konflikte, DropTargetsAvoidBusyTeachersBlockedLessonsAndBusyRooms)
{
    plan.zelle(1, 2, 1) = {};
    setze_zelle(plan, 1, 1, 1, "Ab", "De", "R1");
    setze_zelle(plan, 1, 7, 2, "Cd", "Sp", "R1");
    liste.eintraege[0].gesperrt[0][4] = 1;
    const Zellort herkunft{1, 1, 1};
    const struct {
        int tag, stunde, klasse;
        bool verschieben;
        Ablage erwartet;
    } faelle[] = {
        {1, 2, 5, true, Ablage::konflikt}, // Ab teaches class 3
        {1, 2, 3, true, Ablage::frei},     // ... unless Ab's own lesson is swapped away
        {1, 5, 4, true, Ablage::konflikt}, // Ab blocked
        {1, 7, 8, true, Ablage::konflikt}, // R1 taken
        {1, 7, 2, true, Ablage::frei},
        {1, 1, 9, true, Ablage::frei},     // the origin's own row, when moved
        {1, 1, 9, false, Ablage::konflikt}, // ... but not when copied
        {1, 3, 20, true, Ablage::frei},
        {2, 1, 9, false, Ablage::frei},    // another day
        {4, 9, 1, true, Ablage::konflikt}, // Ab and R1 are both there
    };
    for (const auto& f : faelle) {
        const Ablageziele ziele = ablageziele(plan, liste, optionen, herkunft, f.tag, f.verschieben);
        EXPECT_EQ(ziele.bei(f.stunde, f.klasse), f.erwartet) << f.tag << "/" << f.stunde << "/" << f.klasse;
    }
    // Swapped within its own lesson, the other Ab lesson stays beside it.
    setze_zelle(plan, 1, 1, 6, "Ab", "Ma", "R6");
    EXPECT_EQ(ablageziele(plan, liste, optionen, herkunft, 1, true).bei(1, 6), Ablage::konflikt);
    optionen.doppelter_lehrereinsatz = false;
    optionen.doppelte_raumnutzung = false;
    EXPECT_EQ(ablageziele(plan, liste, optionen, herkunft, 1, true).bei(5, 4), Ablage::frei);
}
