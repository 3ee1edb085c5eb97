#pragma once

#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "testhilfe.h"

// A plan with one conflict of each kind, each on a day of its own, and the
// teachers Ab and Cd on cards; classes 1a..6a in columns 1..6.
//   Monday, lesson 2:    Ab in classes 1 and 3 (teacher twice)
//   Tuesday, lesson 4:   Cd in class 2, blocked by the card
//   Wednesday, lesson 1: Xy in class 5, no card
//   Thursday, lesson 9:  room R1 in classes 4 and 6
inline void konflikt_schule(orbela::plantyp& plan, orbela::Lehrerliste& liste)
{
    for (int c = 1; c <= 6; ++c)
        plan.klasse(c).klasse = std::string(1, static_cast<char>('0' + c)) + "a";
    for (const char* code : {"Ab", "Cd"}) {
        orbela::lehrereintrag e{};
        e.kuerzel = code;
        liste.eintraege.push_back(e);
    }
    liste.eintraege[1].gesperrt[1][3] = 1;
    setze_zelle(plan, 1, 2, 1, "Ab", "De", "R1");
    setze_zelle(plan, 1, 2, 3, "Ab", "Ma", "R3");
    setze_zelle(plan, 2, 4, 2, "Cd", "Sp", "TU");
    setze_zelle(plan, 3, 1, 5, "Xy", "Ku", "R5");
    setze_zelle(plan, 4, 9, 4, "Ab", "De", "R1");
    setze_zelle(plan, 4, 9, 6, "Cd", "Ma", "R1");
}
