#include <gtest/gtest.h>

#include "canvas/aufzeichnungs_canvas.h"
#include "views/ablage_toenung.h"

using namespace orbela;
using Op = AufzeichnungsCanvas::Operation;

// Every cell of the day but the origin gets one see-through fill in its
// colour, inside the grid lines; the origin gets an outline; pen and brush
// come back as they were.
TEST(AblageToenung, TintsEveryCellButTheOutlinedOriginAndRestoresTheCanvas)
{
    Ablageziele ziele;
    ziele.tag = 2;
    ziele.herkunft = {2, 3, 4};
    ziele.ziel[5][6] = Ablage::konflikt;
    AufzeichnungsCanvas bild;
    bild.setze_pinsel_farbe(farben::gelb);
    bild.setze_stift_breite(2);
    zeichne_ablageziele(bild, ziele);

    int frei = 0, konflikt = 0;
    const Op* rahmen = nullptr;
    for (const Op& op : bild.operationen()) {
        if (op.art == AufzeichnungsCanvas::Art::rechteck) {
            rahmen = &op;
            continue;
        }
        ASSERT_EQ(op.art, AufzeichnungsCanvas::Art::gefuellt);
        EXPECT_EQ(op.pinsel.deckung, ablage_toenung::deckung);
        const bool rot = op.pinsel.farbe == ablage_toenung::konflikt;
        (rot ? konflikt : frei) += 1;
        if (rot) {
            EXPECT_EQ(std::make_pair(op.x1, op.y1), std::make_pair(50 * 6 + 1, 75 * 5 + 1));
        }
        EXPECT_FALSE(op.x1 == 50 * 4 + 1 && op.y1 == 75 * 3 + 1) << "origin tinted";
    }
    EXPECT_EQ(konflikt, 1);
    EXPECT_EQ(frei, anzahl_stunden * anzahl_klassen - 2);
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(std::vector<int>({rahmen->x1, rahmen->y1, rahmen->x2, rahmen->y2}),
              std::vector<int>({201, 226, 249, 299}));
    EXPECT_EQ(rahmen->stift.farbe, ablage_toenung::herkunft);
    EXPECT_EQ(rahmen->pinsel.stil, PinselStil::klar);
    EXPECT_EQ(bild.pinsel(), (Pinsel{farben::gelb, PinselStil::voll, 255}));
    EXPECT_EQ(bild.stift(), (Stift{farben::schwarz, 2}));

    // Dragged in from another day: no outline.
    ziele.tag = 3;
    bild.vergessen();
    zeichne_ablageziele(bild, ziele);
    EXPECT_TRUE(bild.rechtecke().empty());
}
