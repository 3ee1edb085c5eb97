#include "grid_umgebung.h"
#include "views/plan_raster.h"

using namespace orbela;
using Op = AufzeichnungsCanvas::Operation;
using Art = AufzeichnungsCanvas::Art;

namespace {

class PlanGrid : public test::PlanRaster {
protected:
    std::vector<const Op*> gruene_kaestchen()
    {
        std::vector<const Op*> aus;
        for (const Op* r : raster().rechtecke()) {
            if (r->pinsel.farbe == farben::gruen)
                aus.push_back(r);
        }
        return aus;
    }
    bool hat_linie(int x1, int y1, int x2, int y2)
    {
        for (const Op* l : raster().linien()) {
            if (l->x1 == x1 && l->y1 == y1 && l->x2 == x2 && l->y2 == y2)
                return true;
        }
        return false;
    }
    static bool ist_rechteck(const Op* op, int x1, int y1, int x2, int y2)
    {
        return op->x1 == x1 && op->y1 == y1 && op->x2 == x2 && op->y2 == y2;
    }
};

TEST_F(PlanGrid, FrameBlanksTheImageAndWritesHeadersAndTimes)
{
    plan.klasse(2).klasse = "2a";
    plan.klasse(2).klassenlehrer = "Mü";
    plan.klasse(2).klassenraum = "R1";
    plan.zeit(4).beginn = "10:30";
    plan.zeit(4).ende = "11:15";
    raster().setze_schrift_groesse(10);
    raster().setze_schrift_fett(true);
    ansicht->aufbau_plan();

    ASSERT_EQ(host.aufrufe, std::vector<std::string>{"leeren"});
    EXPECT_TRUE(ist_rechteck(&raster().operationen().front(), 0, 0, 1000, 750));
    EXPECT_EQ(text_bei(115, 15), "2a");
    EXPECT_EQ(raster().letzter_text_bei(115, 15)->schrift,
              (Schrift{"Arial", 12, farben::schwarz, false}));
    EXPECT_EQ(text_bei(104, 53), "Mü");
    EXPECT_EQ(raster().letzter_text_bei(129, 53)->schrift.groesse, 8);
    EXPECT_EQ(text_bei(15, 302), "10:30");
    EXPECT_EQ(text_bei(15, 352), "11:15");
    EXPECT_TRUE(hat_linie(50, 0, 50, 750));
    EXPECT_TRUE(hat_linie(0, 750, 1000, 750));
    EXPECT_TRUE(hat_linie(15, 100, 1000, 100));
    EXPECT_TRUE(hat_linie(125, 50, 125, 75));
    for (const Op* l : raster().linien())
        EXPECT_EQ(l->stift.breite, (l->x1 == l->x2 && l->y1 == 0) || l->x1 == 0 ? 2 : 1);
}

TEST_F(PlanGrid, LessonLabelsFollowTheZeroToEightOption)
{
    ansicht->aufbau_plan();
    EXPECT_EQ(text_bei(2, 75 + 26), "1");
    EXPECT_EQ(text_bei(2, 9 * 75 + 26), "9");

    optionen.stunden_0_8 = true;
    ansicht->aufbau_plan();
    for (int l = 1; l <= 9; ++l)
        EXPECT_EQ(text_bei(2, 75 * l + 26), std::to_string(l - 1));
    raster().vergessen();
    ansicht->feld(1, 4, true, 0);
    EXPECT_EQ(text_bei(2, 4 * 75 + 26), "3");
    EXPECT_EQ(raster().letzter_text_bei(2, 4 * 75 + 26)->pinsel.farbe, farben::gelb);
}

TEST_F(PlanGrid, ClassTwentyIsDrawnOnlyBeyondTheVisibleImage)
{
    plan.klasse(20).klasse = "XX";
    plan.klasse(20).klassenlehrer = "YY";
    for (int l = 1; l <= 9; ++l)
        setze(1, l, 20, "ZZ", "ZZ", "ZZ");
    ansicht->aufbau_plan();
    ansicht->anzeigen(1);
    ansicht->feld(1, 0, true, 20);
    ansicht->feld(1, 3, true, 20);

    EXPECT_EQ(text_bei(1015, 15), "XX");
    for (const Op* t : raster().texte()) {
        if (t->text == "XX" || t->text == "YY" || t->text == "ZZ") {
            EXPECT_GE(t->x1, 1000) << t->text << " at " << t->x1;
        }
    }
}

TEST_F(PlanGrid, SingleAndDoubleCellLayouts)
{
    setze(1, 2, 3, "Ab", "De", "R1");
    setze(1, 2, 4, "Cd", "Ma", "R2", "", "", "R9"); // only a second room: still double
    ansicht->anzeigen(1);

    EXPECT_EQ(text_bei(165, 151), "Ab");
    EXPECT_EQ(raster().letzter_text_bei(165, 151)->schrift.groesse, 12);
    EXPECT_EQ(text_bei(165, 178), "De");
    EXPECT_EQ(raster().letzter_text_bei(165, 178)->schrift.groesse, 10);
    EXPECT_EQ(text_bei(165, 203), "R1");
    EXPECT_FALSE(hat_linie(175, 150, 175, 225));

    EXPECT_EQ(text_bei(215, 151), "");
    EXPECT_EQ(text_bei(204, 154), "Cd");
    EXPECT_EQ(text_bei(204, 179), "Ma");
    EXPECT_EQ(text_bei(204, 204), "R2");
    EXPECT_EQ(text_bei(229, 204), "R9");
    EXPECT_EQ(raster().letzter_text_bei(229, 204)->schrift.groesse, 8);
    EXPECT_TRUE(hat_linie(225, 150, 225, 225));
    EXPECT_EQ(host.aufrufe, std::vector<std::string>{"tag 1"});
    EXPECT_EQ(text_bei(5, 15), "Mo");

    raster().vergessen();
    ansicht->feld(1, 2, false, 4);
    EXPECT_EQ(text_bei(229, 204), "R9");
    EXPECT_EQ(text_bei(215, 151), "");
    EXPECT_TRUE(hat_linie(225, 150, 225, 225));
    EXPECT_TRUE(hat_linie(200, 175, 250, 175));
}

TEST_F(PlanGrid, DispensableBoxesAppearOnlyWhenTheCellIsPainted)
{
    setze(2, 1, 1, "Ab", "De", "R1");
    plan.zelle(2, 1, 1).erste.setze_verzichtbar('v');
    setze(2, 1, 2, "Cd", "Ma", "R2", "Ef", "Ku", "R3");
    plan.zelle(2, 1, 2).erste.setze_verzichtbar('v');
    plan.zelle(2, 1, 2).zweite.setze_verzichtbar('v');
    ansicht->aufbau_plan();
    ansicht->anzeigen(2);
    EXPECT_TRUE(gruene_kaestchen().empty());

    ansicht->feld(2, 1, true, 1);
    EXPECT_EQ(raster().letzter_text_bei(65, 76)->pinsel.farbe, farben::gelb);
    ansicht->feld(2, 1, false, 2);
    const auto boxen = gruene_kaestchen();
    ASSERT_EQ(boxen.size(), 3u);
    EXPECT_TRUE(ist_rechteck(boxen[0], 90, 91, 99, 100));
    EXPECT_TRUE(ist_rechteck(boxen[1], 115, 91, 125, 100));
    EXPECT_TRUE(ist_rechteck(boxen[2], 139, 91, 149, 100));
    for (const Op* b : boxen)
        EXPECT_EQ(b->stift.farbe, farben::gruen);
    // After a box the pen is black and the brush the cell's background again.
    EXPECT_EQ(raster().stift().farbe, farben::schwarz);
    EXPECT_EQ(raster().pinsel().farbe, farben::weiss);
}

TEST_F(PlanGrid, HighlightedCellIsClearedYellowAndTheBrushEndsWhite)
{
    setze(1, 5, 20, "Ab", "De", "R1");
    ansicht->feld(1, 5, true, 20);
    const Op* rahmen = raster().rechtecke().front();
    EXPECT_TRUE(ist_rechteck(rahmen, 1000, 375, 1050, 450));
    EXPECT_EQ(rahmen->pinsel.farbe, farben::gelb);
    EXPECT_EQ(rahmen->stift, (Stift{farben::schwarz, 1}));
    EXPECT_EQ(raster().letzter_text_bei(1015, 376)->pinsel.farbe, farben::gelb);
    EXPECT_EQ(raster().pinsel().farbe, farben::weiss);

    ansicht->feld(1, 0, true, 0);
    EXPECT_EQ(text_bei(5, 15), "Mo");
    EXPECT_EQ(raster().pinsel().farbe, farben::weiss);
}

TEST_F(PlanGrid, ArgumentsOutsideTheGridDrawNothing)
{
    ansicht->anzeigen(0);
    ansicht->anzeigen(7);
    ansicht->feld(0, 1, true, 1);
    ansicht->feld(1, 10, true, 1);
    ansicht->feld(1, 1, true, 21);
    ansicht->feld(1, -1, true, -1);
    ansicht->check_1(1, 0, false, 1);
    ansicht->check_2(7, 1, false, 1);
    EXPECT_TRUE(raster().operationen().empty());
    EXPECT_TRUE(host.aufrufe.empty());
}

TEST_F(PlanGrid, SideImagesAreBlankedWithTheirOwnPenAndBrush)
{
    canvases[6].setze_pinsel_farbe(farben::rot);
    ansicht->leere_felder();
    ASSERT_EQ(canvases[6].rechtecke().size(), 1u);
    EXPECT_TRUE(ist_rechteck(canvases[6].rechtecke()[0], 0, 0, 500, 100));
    EXPECT_EQ(canvases[6].rechtecke()[0]->pinsel.farbe, farben::rot);
    EXPECT_TRUE(ist_rechteck(canvases[2].rechtecke()[0], 0, 0, 140, 150));
    EXPECT_TRUE(ist_rechteck(canvases[7].rechtecke()[0], 0, 0, 280, 151));
    EXPECT_TRUE(ist_rechteck(canvases[9].rechtecke()[0], 0, 0, 80, 151));
    EXPECT_TRUE(ist_rechteck(canvases[11].rechtecke()[0], 0, 0, 500, 61));
    EXPECT_TRUE(raster().operationen().empty());
}

} // namespace

TEST(PlanRasterTreffer, PointsFindHeadersCellsAndHalvesButNothingOutside)
{
    using raster::treffer_bei;
    EXPECT_FALSE(treffer_bei(-1, 80));
    EXPECT_FALSE(treffer_bei(60, 750));  // below lesson 9
    EXPECT_FALSE(treffer_bei(1050, 80)); // beyond class 20
    const auto ecke = treffer_bei(10, 10);
    EXPECT_TRUE(ecke && ecke->stunde == 0 && ecke->klasse == 0);
    EXPECT_FALSE(treffer_bei(60, 10)->ist_zelle()); // class header
    EXPECT_FALSE(treffer_bei(10, 80)->ist_zelle()); // lesson header
    const auto z = treffer_bei(1049, 749);
    ASSERT_TRUE(z && z->ist_zelle());
    EXPECT_EQ(z->klasse, 20);
    EXPECT_EQ(z->stunde, 9);
    EXPECT_FALSE(treffer_bei(124, 80)->rechts);
    EXPECT_TRUE(treffer_bei(125, 80)->rechts); // the right half begins at 25
}
