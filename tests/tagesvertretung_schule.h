#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "core/vertretung/vertretungswoche.h"
#include "core/vertretung/vtp_datei.h"
#include "test_ordner.h"
#include "vertretung_schule.h"

// A week folder with three absences on Monday and 14 lessons to cover:
// Ab gives 1a lessons 1-4 (XX, Ko, Ko, Mü); Cd gives 1b lessons 2-6, lesson 3
// jointly with 2b (##, Mü, open, Ko, Ne); Ef gives 3b lessons 2-6 (Mü, Pa,
// open, Pa, Mü). Ko, Mü and Pa teach lesson 1 themselves; Ne's first lesson
// is the 7th, so Ne must be told. Gh's plan settles only Tuesday, and one
// file is broken.
struct TagesSchule : VertretungsSchule {
    TestOrdner ordner;

    TagesSchule()
    {
        plan.klasse(5).klasse = "4a";
        for (int s = 1; s <= 4; ++s)
            unterricht(1, s, 1, "Ab", "MA", "R1");
        for (int s = 2; s <= 6; ++s)
            unterricht(1, s, 2, "Cd", "DE", "R2");
        unterricht(1, 3, 3, "Cd", "DE", "R3");
        for (int s = 2; s <= 6; ++s)
            unterricht(1, s, 4, "Ef", "SU", "R4");
        unterricht(1, 1, 3, "Ko");
        unterricht(1, 1, 4, "M\xFC");
        unterricht(1, 1, 5, "Pa");
        unterricht(1, 7, 2, "Ne");
        unterricht(1, 7, 1, "Gh");
        unterricht(2, 1, 1, "Gh");
        ablegen("Ab.vtp", "Ab", {{1, 1, "XX"}, {1, 2, "Ko"}, {1, 3, "Ko"}, {1, 4, "M\xFC"}});
        ablegen("Cd.vtp", "Cd", {{1, 2, "##"}, {1, 3, "M\xFC"}, {1, 5, "Ko"}, {1, 6, "Ne"}});
        ablegen("Ef.vtp", "Ef", {{1, 2, "M\xFC"}, {1, 3, "Pa"}, {1, 5, "Pa"}, {1, 6, "M\xFC"}});
        ablegen("Gh.vtp", "Gh", {{2, 1, "Ko"}});
        schreibe(ordner.pfad("kaputt.vtp"), std::string(100, 'x'));
    }

    void ablegen(const std::string& name, const char* abwesend, std::vector<std::tuple<int, int, const char*>> v)
    {
        orbela::Vertretungsplan p;
        p.abwesender_lehrer = abwesend;
        orbela::vertretungen_aufbauen(p, plan);
        for (const auto& [t, s, code] : v)
            p.eintrag(t, s).vertreter = code;
        orbela::speichere_vertretungen(ordner.pfad(name), p);
    }

    orbela::Vertretungswoche woche() const { return orbela::lies_vertretungswoche(ordner.pfad("")); }
};
