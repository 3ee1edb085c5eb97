#include <gtest/gtest.h>

#include <tuple>

#include "core/text_1252.h"
#include "print/aufzeichnungs_druckauftrag.h"
#include "print/druckseite.h"

using namespace orbela;

// (orientation, page width, page height, page point, expected pixel)
using Umrechnung = std::tuple<Ausrichtung, int, int, int, int, int, int>;

class DruckKoordinaten : public ::testing::TestWithParam<Umrechnung> {};

TEST_P(DruckKoordinaten, MultiplyThenDivideAndRoundHalfToEven)
{
    const auto [ausrichtung, breite, hoehe, x, y, px, py] = GetParam();
    // The recording job is given its portrait size; landscape swaps it.
    AufzeichnungsDruckauftrag auftrag = ausrichtung == Ausrichtung::hochformat
                                            ? AufzeichnungsDruckauftrag(breite, hoehe)
                                            : AufzeichnungsDruckauftrag(hoehe, breite);
    auftrag.beginnen(ausrichtung);
    ASSERT_EQ(auftrag.seitenbreite(), breite);
    EXPECT_EQ(druck_x(auftrag, x), px);
    EXPECT_EQ(druck_y(auftrag, y), py);
}

INSTANTIATE_TEST_SUITE_P(
    Seiten, DruckKoordinaten,
    ::testing::Values(Umrechnung{Ausrichtung::hochformat, 4800, 6600, 400, 550, 2400, 3300},
                      Umrechnung{Ausrichtung::querformat, 6600, 4800, 550, 400, 3300, 2400},
                      Umrechnung{Ausrichtung::hochformat, 4961, 7016, 1, 0, 6, 0},
                      Umrechnung{Ausrichtung::hochformat, 4961, 7016, 400, 1100, 2480, 7016},
                      Umrechnung{Ausrichtung::hochformat, 4961, 7016, 800, 1, 4961, 6},
                      Umrechnung{Ausrichtung::hochformat, 4960, 6600, 401, 0, 2486, 0},  // 2486.2
                      Umrechnung{Ausrichtung::hochformat, 4962, 6600, 400, 0, 2481, 0},  // exact
                      Umrechnung{Ausrichtung::hochformat, 4963, 6600, 400, 0, 2482, 0},  // 2481.5
                      Umrechnung{Ausrichtung::querformat, 7016, 4961, 0, 0, 0, 0},
                      Umrechnung{Ausrichtung::querformat, 7016, 4961, 1100, 800, 7016, 4961},
                      Umrechnung{Ausrichtung::hochformat, 4800, 6600, -10, -11, -60, -66}));

TEST(DruckKoordinatenLesen, EveryCallAsksTheJobAfresh)
{
    AufzeichnungsDruckauftrag auftrag(4800, 6600);
    auftrag.beginnen(Ausrichtung::hochformat);
    EXPECT_EQ(druck_x(auftrag, 800), 4800);
    auftrag.beginnen(Ausrichtung::querformat);
    EXPECT_EQ(druck_x(auftrag, 800), 4800); // 800 of 1100 units of 6600 pixels
}

TEST(Druckseite, StartsTheJobWithArialBlackAThinPenAndAClearBrush)
{
    AufzeichnungsDruckauftrag auftrag;
    auftrag.beginnen(Ausrichtung::hochformat);
    auftrag.canvas().setze_pinsel_stil(PinselStil::voll); // left over by nothing else
    auftrag.canvas().setze_stift_breite(7);

    Druckseite seite(auftrag, Ausrichtung::querformat);
    EXPECT_EQ(auftrag.ausrichtung(), Ausrichtung::querformat);
    const Canvas& c = auftrag.canvas();
    EXPECT_EQ(c.schrift(), (Schrift{"Arial", 12, farben::schwarz, false}));
    EXPECT_EQ(c.stift(), (Stift{farben::schwarz, 1}));
    EXPECT_EQ(c.pinsel().stil, PinselStil::klar);
    EXPECT_FALSE(auftrag.beendet());
    seite.beenden();
    EXPECT_TRUE(auftrag.beendet());
}

TEST(Druckseite, DrawsInPageUnitsAndLeavesTheBrushClearAfterAnUnderlay)
{
    AufzeichnungsDruckauftrag auftrag(1600, 2200); // two pixels per unit
    Druckseite seite(auftrag, Ausrichtung::hochformat);
    seite.unterlegen(druckfarben::schwimmen, 1, 51, 49, 74);
    seite.text(10, 15, 53, "sw");
    seite.stand(500, 410, "09.12.26");

    const auto& ops = auftrag.seite().operationen();
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].art, AufzeichnungsCanvas::Art::gefuellt);
    EXPECT_EQ(std::tie(ops[0].x1, ops[0].y1, ops[0].x2, ops[0].y2), std::make_tuple(2, 102, 98, 148));
    EXPECT_EQ(ops[0].pinsel, (Pinsel{farben::aqua, PinselStil::voll}));
    EXPECT_EQ(ops[1].pinsel.stil, PinselStil::klar);
    EXPECT_EQ(ops[1].schrift.groesse, 10);
    EXPECT_EQ(std::tie(ops[1].x1, ops[1].y1), std::make_tuple(30, 106));
    EXPECT_EQ(ops[2].text, "Stand: 09.12.26");
    EXPECT_EQ(ops[2].schrift.groesse, 12);
}

TEST(Druckseite, PagesOfOneJobKeepPenBrushAndFont)
{
    AufzeichnungsDruckauftrag auftrag;
    Druckseite seite(auftrag, Ausrichtung::hochformat);
    seite.stiftbreite(2);
    seite.schriftgroesse(8);
    seite.neue_seite();
    seite.text(0, 0, "x");
    EXPECT_EQ(auftrag.seitenzahl(), 2);
    EXPECT_TRUE(auftrag.seite(1).operationen().empty());
    EXPECT_EQ(auftrag.seite(2).operationen().at(0).schrift.groesse, 8);
    EXPECT_EQ(auftrag.seite(2).stift().breite, 2);
}

TEST(Unterlagencode, ComparesAfterUpperCasingWithUmlauts)
{
    for (const char* code : {"TU", "tu", "Tu", "tU"})
        EXPECT_TRUE(ist_code(code, code_tu)) << code;
    for (const char* code : {"f\xF6", "F\xF6", "f\xD6", "F\xD6"})
        EXPECT_TRUE(ist_code(code, code_foe)) << code;
    for (const char* code : {"", "T", "TU ", "TUR", "fo", "SW"})
        EXPECT_FALSE(ist_code(code, code_tu) || ist_code(code, code_foe)) << code;
    EXPECT_EQ(grossbuchstaben_1252("a\xE4\xF6\xFC\xDF\xF7\xFF\x9A"), "A\xC4\xD6\xDC\xDF\xF7\x9F\x8A");
}
