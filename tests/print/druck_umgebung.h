#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../testhilfe.h"
#include "core/optionen.h"
#include "core/plantyp.h"
#include "print/aufzeichnungs_druckauftrag.h"

namespace orbela::test {

// A plan after "Neu", the default options and recording jobs whose pages are
// exactly as many pixels as page units, so that every coordinate a printout
// draws at can be compared with the page units it was given in.
class DruckUmgebung : public ::testing::Test {
protected:
    using Op = AufzeichnungsCanvas::Operation;
    using Art = AufzeichnungsCanvas::Art;

    DruckUmgebung()
        : plan_speicher(neuer_plan())
        , plan(*plan_speicher)
    {
    }

    void setze(int tag, int stunde, int klasse, const char* lehrer, const char* fach = "",
               const char* raum = "", const char* lehrer2 = "", const char* fach2 = "",
               const char* raum2 = "")
    {
        setze_zelle(plan, tag, stunde, klasse, lehrer, fach, raum, lehrer2, fach2, raum2);
    }

    void klasse(int c, const char* name, const char* lehrer = "", const char* raum = "")
    {
        plan.klasse(c).klasse = name;
        plan.klasse(c).klassenlehrer = lehrer;
        plan.klasse(c).klassenraum = raum;
    }

    // A new recording job, 800 x 1100 pixels in portrait.
    AufzeichnungsDruckauftrag& neuer_auftrag()
    {
        auftraege.push_back(std::make_unique<AufzeichnungsDruckauftrag>(800, 1100));
        return *auftraege.back();
    }
    const AufzeichnungsCanvas& seite(std::size_t auftrag = 0) const { return auftraege.at(auftrag)->seite(); }

    // The text drawn last at (x, y) on the first page of a job, "" if none.
    std::string text_bei(int x, int y, std::size_t auftrag = 0) const
    {
        const Op* op = seite(auftrag).letzter_text_bei(x, y);
        return op != nullptr ? op->text : std::string();
    }
    int groesse_bei(int x, int y, std::size_t auftrag = 0) const
    {
        const Op* op = seite(auftrag).letzter_text_bei(x, y);
        return op != nullptr ? op->schrift.groesse : 0;
    }
    // The filled rectangles, as "x1,y1,x2,y2 r,g,b".
    std::vector<std::string> unterlagen(std::size_t auftrag = 0) const
    {
        std::vector<std::string> aus;
        for (const Op& op : seite(auftrag).operationen()) {
            if (op.art == Art::gefuellt) {
                aus.push_back(std::to_string(op.x1) + "," + std::to_string(op.y1) + "," + std::to_string(op.x2)
                              + "," + std::to_string(op.y2) + " " + std::to_string(op.pinsel.farbe.r) + ","
                              + std::to_string(op.pinsel.farbe.g) + "," + std::to_string(op.pinsel.farbe.b));
            }
        }
        return aus;
    }
    // Lines of the given pen width.
    long linien(int breite, std::size_t auftrag = 0) const
    {
        const auto l = seite(auftrag).linien();
        return std::count_if(l.begin(), l.end(), [&](const Op* op) { return op->stift.breite == breite; });
    }
    bool linie_da(int x1, int y1, int x2, int y2, std::size_t auftrag = 0) const
    {
        const auto l = seite(auftrag).linien();
        return std::any_of(l.begin(), l.end(), [&](const Op* op) {
            return op->x1 == x1 && op->y1 == y1 && op->x2 == x2 && op->y2 == y2;
        });
    }

    std::unique_ptr<plantyp> plan_speicher;
    plantyp& plan;
    Optionen optionen;
    std::vector<std::unique_ptr<AufzeichnungsDruckauftrag>> auftraege;
};

} // namespace orbela::test
