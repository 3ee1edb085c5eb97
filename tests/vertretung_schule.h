#pragma once

#include <memory>
#include <string>

#include "core/lehrerliste.h"
#include "core/plantyp.h"
#include "core/vertretung/vertretungsplan.h"
#include "testhilfe.h"

// A small school for the substitution tests: classes 1a, 1b, 2b, 3b in
// columns 1..4 and an empty teacher list; helpers add lessons and teachers.
struct VertretungsSchule {
    std::unique_ptr<orbela::plantyp> plan_speicher = neuer_plan();
    orbela::plantyp& plan = *plan_speicher;
    orbela::Lehrerliste liste;
    orbela::Vertretungsplan vp;

    VertretungsSchule()
    {
        const char* namen[] = {"1a", "1b", "2b", "3b"};
        for (int c = 1; c <= 4; ++c)
            plan.klasse(c).klasse = namen[c - 1];
    }

    // The first occupancy of the cell, or the second with `zweite`.
    orbela::belegungtyp& unterricht(int tag, int stunde, int klasse, const char* lehrer, const char* fach = "MA",
                                    const char* raum = "R1", bool verzichtbar = false, bool zweite = false)
    {
        auto& z = plan.zelle(tag, stunde, klasse);
        orbela::belegungtyp& b = zweite ? z.zweite : z.erste;
        b.lehrer = lehrer;
        b.fach = fach;
        b.raum = raum;
        b.setze_verzichtbar(verzichtbar ? 'v' : ' ');
        return b;
    }

    orbela::lehrereintrag& lehrer(const char* kuerzel)
    {
        orbela::lehrereintrag e{};
        e.kuerzel = kuerzel;
        liste.eintraege.push_back(e);
        return liste.eintraege.back();
    }
};
