#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "core/wochenkonflikte.h"
#include "demo_ordner.h"

using namespace orbela;

namespace {

// One conflict the plan grid marks: day, lesson, kind and code.
using Fund = std::tuple<int, int, std::string, std::string>;

// Every conflict of the week, found the way the grid's checks find them: a
// teacher or room code twice in one lesson row, a teacher placed in a lesson
// the card blocks, a teacher code without card.
std::set<Fund> konflikte(const plantyp& plan, const Lehrerliste& liste)
{
    std::set<Fund> gefunden;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            std::map<std::string, int> lehrer, raeume;
            for (int k = 1; k <= belegungen_je_stunde; ++k) {
                const belegungtyp& b = plan.belegung(t, l, k);
                if (!b.lehrer.empty())
                    ++lehrer[b.lehrer.str()];
                if (!b.raum.empty())
                    ++raeume[b.raum.str()];
            }
            for (const auto& [code, n] : lehrer) {
                if (n > 1)
                    gefunden.emplace(t, l, "Lehrer doppelt", code);
                bool bekannt = false;
                for (const lehrereintrag& e : liste.eintraege) {
                    if (!(e.kuerzel == code))
                        continue;
                    bekannt = true;
                    if (e.ist_gesperrt(t, l))
                        gefunden.emplace(t, l, "gesperrt", code);
                }
                if (!bekannt)
                    gefunden.emplace(t, l, "ohne Karte", code);
            }
            for (const auto& [code, n] : raeume) {
                if (n > 1)
                    gefunden.emplace(t, l, "Raum doppelt", code);
            }
        }
    }
    return gefunden;
}

} // namespace

TEST(DemoKonflikte, OnlyThePlantedConflictsAreThere)
{
    const auto plan = demo::plan();
    const std::set<Fund> erwartet = {
        {4, 3, "Lehrer doppelt", "Fi"}, // English in 3b and 4a at once
        {4, 4, "gesperrt", "Sz"},       // second teacher on her seminar day
        {5, 2, "Raum doppelt", "TU"},   // two classes in the gym
    };
    EXPECT_EQ(konflikte(*plan, demo::lehrerliste()), erwartet);

    // The week's conflict list shows exactly these.
    const char* arten[] = {"Lehrer doppelt", "gesperrt", "ohne Karte", "Raum doppelt"};
    std::set<Fund> liste;
    for (const Konflikt& k : wochenkonflikte(*plan, demo::lehrerliste(), Optionen{}))
        liste.emplace(k.tag, k.stunde, arten[static_cast<int>(k.art)], k.code);
    EXPECT_EQ(liste, erwartet);
}

TEST(DemoKonflikte, TheCheckSeesEachKindOfConflict)
{
    // The same search over a small plan of its own, so that a search that
    // finds nothing cannot pass the test above by accident.
    auto plan = std::make_unique<plantyp>();
    std::memset(static_cast<void*>(plan.get()), 0, sizeof(plantyp));
    Lehrerliste liste;
    lehrereintrag ab{};
    ab.kuerzel.assign("Ab");
    ab.gesperrt[1][2] = 1;
    liste.eintraege.push_back(ab);

    plan->zelle(1, 1, 1).erste.lehrer.assign("Ab");
    plan->zelle(1, 1, 1).erste.raum.assign("TU");
    plan->zelle(1, 1, 2).zweite.lehrer.assign("Ab");
    plan->zelle(1, 1, 2).zweite.raum.assign("TU");
    plan->zelle(2, 3, 1).erste.lehrer.assign("Ab");
    plan->zelle(3, 1, 1).erste.lehrer.assign("Xy");

    const std::set<Fund> erwartet = {
        {1, 1, "Lehrer doppelt", "Ab"},
        {1, 1, "Raum doppelt", "TU"},
        {2, 3, "gesperrt", "Ab"},
        {3, 1, "ohne Karte", "Xy"},
    };
    EXPECT_EQ(konflikte(*plan, liste), erwartet);
}
