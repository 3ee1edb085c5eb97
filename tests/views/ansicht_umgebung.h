#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "../testhilfe.h"
#include "canvas/aufzeichnungs_canvas.h"
#include "core/plantyp.h"
#include "views/plan_ansicht.h"

namespace orbela::test {

// A window that only writes down what the pictures ask of it.
class AufzeichnungsHost final : public AnsichtsHost {
public:
    void statuszeilen_leeren() override { aufrufe.push_back("leeren"); }
    void tag_reiter_setzen(int tag) override { aufrufe.push_back("tag " + std::to_string(tag)); }
    void bild_sichtbar(int bild, bool sichtbar) override
    {
        aufrufe.push_back("bild " + std::to_string(bild) + (sichtbar ? " an" : " aus"));
    }
    std::vector<std::string> aufrufe;
};

// The pictures over recording canvases, with an empty plan, the default
// options and an empty teacher list.
class AnsichtsUmgebung : public ::testing::Test {
protected:
    using Op = AufzeichnungsCanvas::Operation;

    AnsichtsUmgebung()
        : plan_speicher(std::make_unique<plantyp>())
        , plan(*plan_speicher)
    {
        for (int i = 1; i <= Bildflaechen::anzahl; ++i)
            bilder.bild[static_cast<std::size_t>(i)] = &canvases[static_cast<std::size_t>(i)];
        ansicht = std::make_unique<PlanAnsicht>(plan, optionen, liste, bilder, host);
    }

    AufzeichnungsCanvas& bild(int n) { return canvases[static_cast<std::size_t>(n)]; }

    void setze(int tag, int stunde, int klasse, const char* lehrer, const char* fach = "",
               const char* raum = "", const char* lehrer2 = "", const char* fach2 = "",
               const char* raum2 = "")
    {
        setze_zelle(plan, tag, stunde, klasse, lehrer, fach, raum, lehrer2, fach2, raum2);
    }

    void klasse(int c, const char* name, const char* wochenstunden = "")
    {
        plan.klasse(c).klasse = name;
        plan.klasse(c).wochenstunden = wochenstunden;
    }

    lehrereintrag& neuer_lehrer(const char* kuerzel, const char* stunden = "")
    {
        lehrereintrag e{};
        e.kuerzel = kuerzel;
        e.stunden = stunden;
        liste.eintraege.push_back(e);
        return liste.eintraege.back();
    }

    // What image n shows at (x, y): the text drawn there last, "" if none,
    // and its colour, black if none.
    std::string text_bei(int n, int x, int y)
    {
        const Op* op = bild(n).letzter_text_bei(x, y);
        return op != nullptr ? op->text : std::string();
    }
    Farbe textfarbe_bei(int n, int x, int y)
    {
        const Op* op = bild(n).letzter_text_bei(x, y);
        return op != nullptr ? op->schrift.farbe : farben::schwarz;
    }

    void alle_vergessen()
    {
        for (auto& c : canvases)
            c.vergessen();
        host.aufrufe.clear();
    }

    std::unique_ptr<plantyp> plan_speicher;
    plantyp& plan;
    Optionen optionen;
    Lehrerliste liste;
    std::array<AufzeichnungsCanvas, Bildflaechen::anzahl + 1> canvases;
    Bildflaechen bilder;
    AufzeichnungsHost host;
    std::unique_ptr<PlanAnsicht> ansicht;
};

} // namespace orbela::test
